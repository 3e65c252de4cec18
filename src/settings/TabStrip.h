#pragma once

#include <QWidget>

class QButtonGroup;
class QStackedWidget;

// A tab control whose captions stand in rows of three above the pages; QTabBar keeps all tabs
// in one row, and six Japanese captions do not fit one row of this window.
class TabStrip : public QWidget {
    Q_OBJECT
public:
    TabStrip(const QStringList& captions, int perRow, QWidget* parent = nullptr);

    int currentIndex() const;
    void setCurrentIndex(int index);
    int count() const;
    QString tabText(int index) const;
    // The page widget of a tab; it covers the whole control, captions included, so that
    // positions on a page count from the control's own origin.
    QWidget* page(int index) const;

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeTabs();

    QButtonGroup* tabs_;
    QStackedWidget* pages_;
    int perRow_;
};
