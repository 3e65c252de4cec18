#pragma once

#include <QPixmap>
#include <QWidget>

// The clock's backdrop: a left-to-right gradient from near-white to grey-green with faint
// horizontal streaks, stretched over the widget. It is drawn once for each size and then copied,
// since every tick repaints the part of it behind the time.
class GradientPicture : public QWidget {
public:
    explicit GradientPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawPicture();

    QPixmap picture_;
};
