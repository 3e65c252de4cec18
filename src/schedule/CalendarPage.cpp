#include "schedule/CalendarPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "platform/Clock.h"
#include "schedule/CalendarLayout.h"
#include "schedule/CalendarState.h"
#include "schedule/MonthLayout.h"
#include "settings/ControlDef.h"
#include "settings/LayoutTable.h"
#include "settings/SettingsRecord.h"
#include "settings/SettingsStore.h"
#include "settings/StoredValue.h"

using namespace LayoutTable;

namespace {
constexpr int kBlinkMs = 380;
}  // namespace

CalendarPage::CalendarPage(QWidget* window, CalendarState& state, SettingsRecord& record,
                           SettingsStore& store, const Clock& clock)
    : window_(window),
      state_(state),
      record_(record),
      store_(store),
      clock_(clock),
      dateWIN_(control<QLabel>(window, "dateWIN")),
      Label1_(control<QLabel>(window, "Label1")),
      lstShedule_(control<QListWidget>(window, "lstShedule")),
      OPENCheck1_(control<QCheckBox>(window, "OPENCheck1")) {
    for (int i = 1; i <= MonthLayout::kCells; ++i)
        cmdDate_[i] = control<QLabel>(window, indexed("cmdDate", i));
    for (int i = 1; i <= 12; ++i) cmdMonth_[i] = control<QLabel>(window, indexed("cmdMonth", i));
    control<QPushButton>(window, "sakujoBotton")->hide();
    control<QPushButton>(window, "tuikaButton")->setEnabled(false);
    control<QPushButton>(window, "hei_Button")->setEnabled(false);
    auto* pass = control<QLineEdit>(window, "pass");
    pass->setEchoMode(QLineEdit::Password);
    pass->hide();
    for (const char* lamp : {"lock_ran", "help_ran"}) setLamp(lamp, kBlack);
    CalendarLayout::createDateColourMenu(window);
    blink_.setInterval(kBlinkMs);
    connect(&blink_, &QTimer::timeout, this, &CalendarPage::Timer1_Timer);
    connect(OPENCheck1_, &QCheckBox::toggled, this, &CalendarPage::OPENCheck1_Click);
}

QDate CalendarPage::today() const { return clock_.now().date(); }

void CalendarPage::OPENCheck1_Click() { emit changed(); }

void CalendarPage::setTextColour(QWidget* widget, int bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colourFromBgr(bgr));
    widget->setPalette(palette);
}

// The lamps are tiny input-less boxes whose face colour is the signal.
void CalendarPage::setLamp(const char* name, int bgr) {
    auto* lamp = control<QWidget>(window_, name);
    QPalette palette = lamp->palette();
    palette.setColor(QPalette::Base, colourFromBgr(bgr));
    lamp->setPalette(palette);
}

void CalendarPage::loadLock() {
    if (record_.LOCK != 1) return;
    lstShedule_->hide();
    setLamp("lock_ran", kLime);
}

void CalendarPage::loadOpenCheck() { OPENCheck1_->setChecked(record_.OPENCheck != 0); }

void CalendarPage::applyOpenCheck() {
    const int value = OPENCheck1_->isChecked() ? 1 : 0;
    store_.save("set", "OPENCheck", QString::number(value));
    record_.OPENCheck = value;
}

void CalendarPage::openCalendar() {
    CalendarState& s = state();
    s.showingCurrentMonth = true;
    s.blinkPhase = 0;
    s.firstOfMonth = QDate(s.shownYear, s.shownMonth, 1);
    s.blinkCell = s.selectedCell = FillMonth(s.firstOfMonth);
}

void CalendarPage::afterShow() {
    const CalendarState& s = state();
    dateWIN_->setText(QStringLiteral("%1年 %2月").arg(s.shownYear).arg(s.shownMonth));
    ColourMonthButtons();
}

void CalendarPage::loadScheduleColour() {
    const int colour = record_.SheduleColor;
    if (colour != 0) setTextColour(control<QWidget>(window_, "Color_Change_label"), colour);
}

void CalendarPage::disableInputButtons() {
    control<QPushButton>(window_, "tuikaButton")->setEnabled(false);
    control<QPushButton>(window_, "hei_Button")->setEnabled(false);
}

int CalendarPage::FillMonth(QDate firstOfMonth) {
    CalendarState& s = state();
    for (int i = 1; i <= MonthLayout::kCells; ++i) cmdDate_[i]->hide();
    for (int day = 1; day <= firstOfMonth.daysInMonth(); ++day) {
        QLabel* cell = cmdDate_[MonthLayout::cellOfDay(firstOfMonth, day)];
        cell->setText(QString::number(day));
        cell->show();
    }
    RecolourGrid();
    const QDate now = today();
    if (s.showingCurrentMonth && now.year() == s.shownYear && now.month() == s.shownMonth) {
        s.todayCell = MonthLayout::cellOfDay(firstOfMonth, now.day());
        blink_.start();
        s.selectedDay = now.day();
        Label1_->setText(
            QStringLiteral("%1/%2/%3").arg(s.shownYear).arg(s.shownMonth).arg(s.selectedDay));
        LoadDateNotes();
        return s.todayCell;
    }
    Label1_->setText(QStringLiteral("日付を指定してください"));
    blink_.stop();
    lstShedule_->clear();
    return 0;
}

void CalendarPage::RecolourGrid() {
    const CalendarState& s = state();
    const SettingsStore& store = store_;
    for (int i = 1; i <= MonthLayout::kCells; ++i)
        setTextColour(cmdDate_[i], MonthLayout::cellColour(i));
    for (int i = 1; i <= MonthLayout::kCells; ++i) {
        if (cmdDate_[i]->isHidden()) continue;
        const int day = cmdDate_[i]->text().toInt();
        const QString key = MonthLayout::dateKey(s.shownYear, s.shownMonth, day);
        const int colour = StoredValue::toInt(store.get(key, "Color", "0"));
        setCellBold(i, false);
        if (colour != 0) setTextColour(cmdDate_[i], colour);
    }
}

void CalendarPage::LoadDateNotes() {
    const CalendarState& s = state();
    const QString key = MonthLayout::dateKey(s.shownYear, s.shownMonth, s.selectedDay);
    lstShedule_->clear();
    for (int n = 1; n <= 5; ++n) {
        const QString note = store_.get(key, QString::number(n), "");
        if (note.isEmpty()) break;
        lstShedule_->addItem(note);
    }
}

void CalendarPage::UpdateCurrentMonthFlag() {
    CalendarState& s = state();
    const QDate now = today();
    s.showingCurrentMonth = now.year() == s.shownYear && now.month() == s.shownMonth;
}

void CalendarPage::ColourMonthButtons() {
    for (int i = 1; i <= 12; ++i) setTextColour(cmdMonth_[i], kGreen);
    const int shown = state().shownMonth;
    if (shown >= 1 && shown <= 12) setTextColour(cmdMonth_[shown], kLime);
}

void CalendarPage::setCellBold(int cell, bool bold) {
    if (cell < 1 || cell > MonthLayout::kCells) return;
    QFont font = cmdDate_[cell]->font();
    font.setBold(bold);
    cmdDate_[cell]->setFont(font);
}

void CalendarPage::Timer1_Timer() {
    CalendarState& s = state();
    setCellBold(s.blinkCell, s.blinkPhase == 0);
    s.blinkPhase = s.blinkPhase == 0 ? 1 : 0;
}
