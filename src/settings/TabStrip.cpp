#include "settings/TabStrip.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QStackedWidget>
#include <QToolButton>

namespace {
constexpr int kRowHeight = 22;  // pixels
}

TabStrip::TabStrip(const QStringList& captions, int perRow, QWidget* parent)
    : QWidget(parent), tabs_(new QButtonGroup(this)), pages_(new QStackedWidget(this)), perRow_(perRow) {
    tabs_->setExclusive(true);
    for (int i = 0; i < captions.size(); ++i) {
        auto* tab = new QToolButton(this);
        tab->setObjectName(QStringLiteral("SSTab1.tab(%1)").arg(i));
        tab->setText(captions[i]);
        tab->setCheckable(true);
        tab->setFocusPolicy(Qt::TabFocus);
        tabs_->addButton(tab, i);
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("SSTab1.page(%1)").arg(i));
        page->setAutoFillBackground(true);
        pages_->addWidget(page);
    }
    tabs_->button(0)->setChecked(true);
    connect(tabs_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (!on) return;
        pages_->setCurrentIndex(id);
        emit currentChanged(id);
    });
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

void TabStrip::resizeEvent(QResizeEvent*) { placeTabs(); }

void TabStrip::placeTabs() {
    pages_->setGeometry(rect());
    const int tabWidth = width() / perRow_;
    for (QAbstractButton* tab : tabs_->buttons()) {
        const int id = tabs_->id(tab);
        const int column = id % perRow_;
        const int w = column == perRow_ - 1 ? width() - column * tabWidth : tabWidth;
        tab->setGeometry(column * tabWidth, (id / perRow_) * kRowHeight, w, kRowHeight);
        tab->raise();
    }
}
