#include "schedule/CalendarPage.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>

#include "platform/Clock.h"
#include "schedule/CalendarLayout.h"
#include "core/CalendarState.h"
#include "schedule/DateColours.h"
#include "core/DateSection.h"
#include "widgets/LabelMouse.h"
#include "core/MonthLayout.h"
#include "schedule/ScheduleNotes.h"
#include "widgets/TextColour.h"
#include "widgets/ControlDef.h"
#include "widgets/LayoutTable.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"

using namespace LayoutTable;

namespace {
constexpr int kBlinkMs = 380;
constexpr int kYearPressed = 0xFF80FF;
constexpr int kYearAtRest = 0xC000C0;
}  // namespace

CalendarPage::CalendarPage(QWidget* window, CalendarState& state, SettingsRecord& record,
                           SettingsStore& store, Dialogs& dialogs, const Clock& clock,
                           std::function<bool()> helpMode)
    : state_(state),
      record_(record),
      store_(store),
      clock_(clock),
      dateWIN_(control<QLabel>(window, "monthPanel")),
      Label1_(control<QLabel>(window, "selectedDateLabel")),
      OPENCheck1_(control<QCheckBox>(window, "greetingOffCheck")) {
    for (int i = 1; i <= MonthLayout::kCells; ++i)
        cmdDate_[i] = control<QLabel>(window, indexed("dateCell", i));
    for (int i = 1; i <= 12; ++i) cmdMonth_[i] = control<QLabel>(window, indexed("monthButton", i));
    for (int i = 0; i < 3; ++i) cmdYear_[i] = control<QLabel>(window, indexed("yearButton", i));
    CalendarLayout::createDateColourMenu(window);
    colours_ = std::make_unique<DateColours>(window, state, record, store, dialogs);
    notes_ = std::make_unique<ScheduleNotes>(window, state, store, dialogs, *colours_,
                                             std::move(helpMode));
    connect(colours_.get(), &DateColours::recolourRequested, this,
            &CalendarPage::recolourKeepingSelection);
    connect(notes_.get(), &ScheduleNotes::saved, this, &CalendarPage::recolourKeepingSelection);
    blink_.setInterval(kBlinkMs);
    connect(&blink_, &QTimer::timeout, this, &CalendarPage::Timer1_Timer);
    cmdDate_[1]->parentWidget()->installEventFilter(this);  // the tab's page: shown or hidden
    connect(OPENCheck1_, &QCheckBox::toggled, this, &CalendarPage::OPENCheck1_Click);
    connectLabels();
}

CalendarPage::~CalendarPage() = default;

void CalendarPage::setBlinking(bool on) {
    blinking_ = on;
    runBlinkTimer();
}

// A blink nobody can see would only wake the program three times a second.
void CalendarPage::runBlinkTimer() {
    if (blinking_ && cmdDate_[1]->parentWidget()->isVisible()) blink_.start();
    else blink_.stop();
}

bool CalendarPage::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) runBlinkTimer();
    return false;
}

void CalendarPage::connectLabels() {
    auto* dates = new LabelMouse(this);
    for (int i = 1; i <= MonthLayout::kCells; ++i) dates->watch(cmdDate_[i], i);
    connect(dates, &LabelMouse::pressed, this, &CalendarPage::cmdDate_MouseDown);
    connect(dates, &LabelMouse::doubleClicked, this, &CalendarPage::cmdDate_DblClick);
    auto* years = new LabelMouse(this);
    for (int i = 0; i < 3; ++i) years->watch(cmdYear_[i], i);
    connect(years, &LabelMouse::pressed, this, &CalendarPage::cmdYear_MouseDown);
    connect(years, &LabelMouse::released, this, &CalendarPage::cmdYear_MouseUp);
    auto* months = new LabelMouse(this);
    for (int i = 1; i <= 12; ++i) months->watch(cmdMonth_[i], i);
    connect(months, &LabelMouse::clicked, this, &CalendarPage::cmdMonth_Click);
}

QDate CalendarPage::today() const { return clock_.now().date(); }

void CalendarPage::OPENCheck1_Click() { emit changed(); }

void CalendarPage::loadOpenCheck() { OPENCheck1_->setChecked(record_.greetingOff != 0); }

void CalendarPage::applyOpenCheck() {
    record_.storeGreetingOff(store_, OPENCheck1_->isChecked());
}

void CalendarPage::openCalendar() {
    state_.showingCurrentMonth = true;
    state_.blinkPhase = 0;
    state_.firstOfMonth = QDate(state_.shownYear, state_.shownMonth, 1);
    state_.blinkCell = state_.selectedCell = FillMonth(state_.firstOfMonth);
}

void CalendarPage::afterShow() {
    setDateCaption();
    ColourMonthButtons();
}

void CalendarPage::loadScheduleColour() { colours_->loadScheduleColour(); }

void CalendarPage::disableInputButtons() { notes_->disableInputButtons(); }

void CalendarPage::setDateCaption() {
    dateWIN_->setText(QStringLiteral("%1年 %2月").arg(state_.shownYear).arg(state_.shownMonth));
}

void CalendarPage::showSelectedDate() {
    Label1_->setText(QStringLiteral("%1/%2/%3")
                         .arg(state_.shownYear)
                         .arg(state_.shownMonth)
                         .arg(state_.selectedDay));
    notes_->LoadDateNotes();
}

int CalendarPage::FillMonth(QDate firstOfMonth) {
    for (int i = 1; i <= MonthLayout::kCells; ++i) cmdDate_[i]->hide();
    for (int day = 1; day <= firstOfMonth.daysInMonth(); ++day) {
        QLabel* cell = cmdDate_[MonthLayout::cellOfDay(firstOfMonth, day)];
        cell->setText(QString::number(day));
        cell->show();
    }
    RecolourGrid();
    const QDate now = today();
    if (state_.showingCurrentMonth && now.year() == state_.shownYear &&
        now.month() == state_.shownMonth) {
        state_.todayCell = MonthLayout::cellOfDay(firstOfMonth, now.day());
        setBlinking(true);
        state_.selectedDay = now.day();
        showSelectedDate();
        return state_.todayCell;
    }
    Label1_->setText(QStringLiteral("日付を指定してください"));
    setBlinking(false);
    notes_->clear();
    return 0;
}

void CalendarPage::RecolourGrid() {
    for (int i = 1; i <= MonthLayout::kCells; ++i)
        setTextColour(cmdDate_[i], MonthLayout::cellColour(i));
    for (int i = 1; i <= MonthLayout::kCells; ++i) {
        if (cmdDate_[i]->isHidden()) continue;
        const int day = cmdDate_[i]->text().toInt();
        const QString key = DateSection::DateKey(state_.shownYear, state_.shownMonth, day);
        const int colour = DateSection::colour(store_, key);
        setCellBold(i, false);
        if (colour != 0) setTextColour(cmdDate_[i], colour);
    }
}

void CalendarPage::recolourKeepingSelection() {
    RecolourGrid();
    if (state_.selectedCell != 0) setCellBold(state_.selectedCell, true);
}

void CalendarPage::UpdateCurrentMonthFlag() {
    const QDate now = today();
    state_.showingCurrentMonth = now.year() == state_.shownYear && now.month() == state_.shownMonth;
}

void CalendarPage::ColourMonthButtons() {
    for (int i = 1; i <= 12; ++i) setTextColour(cmdMonth_[i], kGreen);
    const int shown = state_.shownMonth;
    if (shown >= 1 && shown <= 12) setTextColour(cmdMonth_[shown], kLime);
}

void CalendarPage::setCellBold(int cell, bool bold) {
    if (cell < 1 || cell > MonthLayout::kCells) return;
    QFont font = cmdDate_[cell]->font();
    font.setBold(bold);
    cmdDate_[cell]->setFont(font);
}

void CalendarPage::Timer1_Timer() {
    setCellBold(state_.blinkCell, state_.blinkPhase == 0);
    state_.blinkPhase = state_.blinkPhase == 0 ? 1 : 0;
}

// The grid shows the month of shownYear and shownMonth afresh; today is selected in the current
// month, nothing in any other.
void CalendarPage::showMonth() {
    setCellBold(state_.todayCell, false);
    state_.firstOfMonth = QDate(state_.shownYear, state_.shownMonth, 1);
    setDateCaption();
    notes_->hideDelete();
    state_.blinkCell = state_.selectedCell = FillMonth(state_.firstOfMonth);
}

void CalendarPage::cmdYear_MouseDown(int index, Qt::MouseButton button) {
    setTextColour(cmdYear_[index], kYearPressed);
    const int step = button == Qt::RightButton ? 10 : 1;
    const QString caption = cmdYear_[index]->text();
    if (caption == QStringLiteral("≪") || caption == QStringLiteral("≫")) {
        state_.shownYear = MonthLayout::stepYear(state_.shownYear, caption == "≪" ? -step : step);
        UpdateCurrentMonthFlag();
    } else {  // "■": this year, the same month
        state_.shownYear = today().year();
        state_.showingCurrentMonth = today().month() == state_.shownMonth;
    }
    showMonth();
}

void CalendarPage::cmdYear_MouseUp(int index) { setTextColour(cmdYear_[index], kYearAtRest); }

void CalendarPage::cmdMonth_Click(int index) {
    state_.shownMonth = cmdMonth_[index]->text().toInt();
    UpdateCurrentMonthFlag();
    showMonth();
    ColourMonthButtons();
}

void CalendarPage::cmdDate_MouseDown(int index, Qt::MouseButton button, QPoint globalPos) {
    RecolourGrid();
    state_.selectedCell = index;
    setCellBold(index, true);
    state_.selectedDay = cmdDate_[index]->text().toInt();
    showSelectedDate();
    notes_->hideDelete();
    if (button != Qt::LeftButton) {
        colours_->preview(globalPos);
        return;
    }
    const QDate now = today();
    if (now.year() == state_.shownYear && now.month() == state_.shownMonth) {
        setBlinking(state_.selectedDay != now.day());
    }
}

// The press before it has selected the date.
void CalendarPage::cmdDate_DblClick(int index, Qt::MouseButton button, QPoint globalPos) {
    if (button == Qt::LeftButton)
        notes_->cmdDate_DblClick();
    else
        cmdDate_MouseDown(index, button, globalPos);
}
