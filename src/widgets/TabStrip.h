#pragma once

#include <QWidget>

class QButtonGroup;
class QStackedWidget;

// A tab control whose tabs stand in rows of three above the pages; QTabBar keeps all tabs in one
// row, and six Japanese captions do not fit one row of this window. The tabs are drawn with the
// desktop style's own shapes, the row of the chosen tab next to its page, as multi-row tab
// controls do, so that the chosen tab joins its page. Ctrl+Tab and Ctrl+Shift+Tab move between
// the tabs.
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
    void tab_Toggled(int index, bool on);
    void step(int by);
    void placeTabs();

    QButtonGroup* tabs_;
    QStackedWidget* pages_;
    int perRow_;
};
