#pragma once

#include <QWidget>

// The clock's backdrop: a left-to-right gradient from near-white to grey-green with faint
// horizontal streaks, stretched over the widget.
class GradientPicture : public QWidget {
public:
    explicit GradientPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent*) override;
};
