#include "widgets/TabStrip.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QStylePainter>

#include "widgets/Accessible.h"

namespace {

constexpr int kRowHeight = 22;  // pixels

// One tab, drawn as the style draws the tabs of a tab bar.
class Tab : public QAbstractButton {
public:
    using QAbstractButton::QAbstractButton;

    QStyleOptionTab::TabPosition position = QStyleOptionTab::Middle;
    QStyleOptionTab::SelectedPosition neighbour = QStyleOptionTab::NotAdjacent;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionTab option;
        option.initFrom(this);
        option.shape = QTabBar::RoundedNorth;
        option.text = text();
        option.position = position;
        option.selectedPosition = neighbour;
        if (isChecked()) option.state |= QStyle::State_Selected;
        painter.drawControl(QStyle::CE_TabBarTab, option);
    }
};

// A page under the tabs, framed as the style frames a tab widget's pages.
class Page : public QWidget {
public:
    Page(int rows) : rows_(rows) { setAutoFillBackground(true); }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionTabWidgetFrame frame;
        frame.initFrom(this);
        frame.shape = QTabBar::RoundedNorth;
        const int top = rows_ * kRowHeight - style()->pixelMetric(QStyle::PM_TabBarBaseOverlap);
        frame.rect = rect().adjusted(0, top, 0, 0);
        painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
    }

private:
    int rows_;
};

}  // namespace

TabStrip::TabStrip(const QStringList& captions, int perRow, QWidget* parent)
    : QWidget(parent),
      tabs_(new QButtonGroup(this)),
      pages_(new QStackedWidget(this)),
      perRow_(perRow) {
    const int rows = (int(captions.size()) + perRow - 1) / perRow;
    for (int i = 0; i < captions.size(); ++i) {
        auto* tab = new Tab(this);
        tab->setObjectName(QStringLiteral("tabs.tab(%1)").arg(i));
        Accessible::setRole(tab, QAccessible::PageTab);
        tab->setText(captions[i]);
        tab->setCheckable(true);
        tab->setFocusPolicy(Qt::TabFocus);
        tab->setAttribute(Qt::WA_Hover);
        tabs_->addButton(tab, i);
        auto* page = new Page(rows);
        page->setObjectName(QStringLiteral("tabs.page(%1)").arg(i));
        page->setAccessibleName(QString(captions[i]).remove(u'&'));
        pages_->addWidget(page);
    }
    tabs_->button(0)->setChecked(true);
    Accessible::setRole(this, QAccessible::PageTabList);
    connect(tabs_, &QButtonGroup::idToggled, this, &TabStrip::tab_Toggled);
    const std::pair<QKeySequence, int> moves[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1}};
    for (const auto& [keys, by] : moves)
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, by] { step(by); });
    pages_->lower();
}

int TabStrip::currentIndex() const { return pages_->currentIndex(); }
int TabStrip::count() const { return pages_->count(); }
QString TabStrip::tabText(int index) const { return tabs_->button(index)->text(); }
QWidget* TabStrip::page(int index) const { return pages_->widget(index); }

void TabStrip::setCurrentIndex(int index) {
    if (index < 0 || index >= count()) return;
    tabs_->button(index)->setChecked(true);
}

void TabStrip::tab_Toggled(int index, bool on) {
    if (!on) return;
    pages_->setCurrentIndex(index);
    placeTabs();
    emit currentChanged(index);
}

// Moves round the tabs, from the last to the first and back.
void TabStrip::step(int by) { setCurrentIndex((currentIndex() + by + count()) % count()); }

void TabStrip::resizeEvent(QResizeEvent*) { placeTabs(); }

// The row of the chosen tab stands next to the pages, the other rows above it in their order.
void TabStrip::placeTabs() {
    pages_->setGeometry(rect());
    const int rows = (count() + perRow_ - 1) / perRow_;
    const int chosenRow = currentIndex() / perRow_;
    const int tabWidth = width() / perRow_;
    for (QAbstractButton* button : tabs_->buttons()) {
        auto* tab = static_cast<Tab*>(button);
        const int id = tabs_->id(tab);
        const int row = id / perRow_, column = id % perRow_;
        const int shownRow = row == chosenRow ? rows - 1 : row - (row > chosenRow ? 1 : 0);
        const int w = column == perRow_ - 1 ? width() - column * tabWidth : tabWidth;
        tab->setGeometry(column * tabWidth, shownRow * kRowHeight, w, kRowHeight);
        tab->position = column == 0             ? QStyleOptionTab::Beginning
                        : column == perRow_ - 1 ? QStyleOptionTab::End
                                                : QStyleOptionTab::Middle;
        tab->neighbour = row != chosenRow           ? QStyleOptionTab::NotAdjacent
                         : id + 1 == currentIndex() ? QStyleOptionTab::NextIsSelected
                         : id - 1 == currentIndex() ? QStyleOptionTab::PreviousIsSelected
                                                    : QStyleOptionTab::NotAdjacent;
        tab->raise();
        tab->update();
    }
}
