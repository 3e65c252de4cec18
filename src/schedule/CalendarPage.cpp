#include "schedule/CalendarPage.h"

#include <QCheckBox>
#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>

#include "core/CalendarState.h"
#include "core/DateSection.h"
#include "core/MonthLayout.h"
#include "core/SettingsRecord.h"
#include "core/SettingsStore.h"
#include "platform/Clock.h"
#include "schedule/CalendarLayout.h"
#include "schedule/DateColours.h"
#include "schedule/ScheduleNotes.h"
#include "widgets/ControlDef.h"
#include "widgets/LabelMouse.h"
#include "widgets/LayoutTable.h"
#include "widgets/TextColour.h"

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
      monthPanel_(control<QLabel>(window, "monthPanel")),
      selectedDateLabel_(control<QLabel>(window, "selectedDateLabel")),
      greetingOffCheck_(control<QCheckBox>(window, "greetingOffCheck")) {
    for (int i = 1; i <= MonthLayout::kCells; ++i)
        cells_[i] = control<QLabel>(window, indexed("dateCell", i));
    for (int i = 1; i <= 12; ++i)
        monthButtons_[i] = control<QLabel>(window, indexed("monthButton", i));
    for (int i = 0; i < 3; ++i) yearButtons_[i] = control<QLabel>(window, indexed("yearButton", i));
    CalendarLayout::createDateColourMenu(window);
    colours_ = std::make_unique<DateColours>(window, state, record, store, dialogs);
    notes_ = std::make_unique<ScheduleNotes>(window, state, store, dialogs, *colours_,
                                             std::move(helpMode));
    connect(colours_.get(), &DateColours::recolourRequested, this,
            &CalendarPage::recolourKeepingSelection);
    connect(notes_.get(), &ScheduleNotes::saved, this, &CalendarPage::recolourKeepingSelection);
    blink_.setInterval(kBlinkMs);
    connect(&blink_, &QTimer::timeout, this, &CalendarPage::blink);
    cells_[1]->parentWidget()->installEventFilter(this);  // the tab's page: shown or hidden
    for (int i = 1; i <= MonthLayout::kCells; ++i) cells_[i]->installEventFilter(this);
    connect(greetingOffCheck_, &QCheckBox::toggled, this, &CalendarPage::onGreetingChoiceChanged);
    connectLabels();
}

CalendarPage::~CalendarPage() = default;

void CalendarPage::setBlinking(bool on) {
    blinking_ = on;
    runBlinkTimer();
}

// A blink nobody can see would only wake the program three times a second.
void CalendarPage::runBlinkTimer() {
    if (blinking_ && cells_[1]->parentWidget()->isVisible())
        blink_.start();
    else blink_.stop();
}

bool CalendarPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) runBlinkTimer();
    // The keys move the date as soon as the tab shows.
    if (event->type() == QEvent::Show && watched == cells_[1]->parentWidget())
        cells_[offeredCell()]->setFocus();
    // The focused date is framed in its own colour, which stands out on the black grid.
    auto* cell = qobject_cast<QLabel*>(watched);
    if (cell && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        cell->setFrameStyle(event->type() == QEvent::FocusIn ? QFrame::Box | QFrame::Plain
                                                             : QFrame::NoFrame);
    if (!cell || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return onDateKey(key->key(), key->modifiers());
}

bool CalendarPage::onDateKey(int key, Qt::KeyboardModifiers modifiers) {
    const QDate selected(state_.shownYear, state_.shownMonth, state_.selectedCell ? state_.selectedDay : 1);
    if (const auto to = MonthLayout::dateAfterKey(selected, today(), key, modifiers)) {
        selectDate(*to);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (state_.selectedCell != 0) notes_->onDateDoubleClicked();
        return true;
    }
    if (key != Qt::Key_Delete) return false;
    notes_->deleteCurrent();
    return true;
}

// A date chosen by the keyboard: its month shown if it is another, then selected as by a click.
void CalendarPage::selectDate(QDate date) {
    if (date.year() != state_.shownYear || date.month() != state_.shownMonth) {
        state_.shownYear = date.year();
        showChosenMonth(date.month());
    }
    const int cell = MonthLayout::cellOfDay(state_.firstOfMonth, date.day());
    onDatePressed(cell, Qt::LeftButton, {});
    cells_[cell]->setFocus();
}

// Tab reaches the grid at one cell, the selected date's or the month's first day's; the arrows
// move from there.
int CalendarPage::offeredCell() const {
    return state_.selectedCell ? state_.selectedCell
                               : MonthLayout::cellOfDay(state_.firstOfMonth, 1);
}

void CalendarPage::offerFocus() {
    const int offered = offeredCell();
    for (int i = 1; i <= MonthLayout::kCells; ++i)
        cells_[i]->setFocusPolicy(i == offered ? Qt::StrongFocus : Qt::NoFocus);
}

void CalendarPage::connectLabels() {
    auto* dates = new LabelMouse(this);
    for (int i = 1; i <= MonthLayout::kCells; ++i) dates->watch(cells_[i], i);
    connect(dates, &LabelMouse::pressed, this, &CalendarPage::onDatePressed);
    connect(dates, &LabelMouse::doubleClicked, this, &CalendarPage::onDateDoubleClicked);
    auto* years = new LabelMouse(this);
    for (int i = 0; i < 3; ++i) years->watch(yearButtons_[i], i);
    connect(years, &LabelMouse::pressed, this, &CalendarPage::onYearPressed);
    connect(years, &LabelMouse::released, this, &CalendarPage::onYearReleased);
    auto* months = new LabelMouse(this);
    for (int i = 1; i <= 12; ++i) months->watch(monthButtons_[i], i);
    connect(months, &LabelMouse::clicked, this, &CalendarPage::showMonthOf);
}

QDate CalendarPage::today() const { return clock_.now().date(); }

void CalendarPage::onGreetingChoiceChanged() { emit changed(); }

void CalendarPage::loadGreetingChoice() { greetingOffCheck_->setChecked(record_.greetingOff != 0); }

void CalendarPage::applyGreetingChoice() {
    record_.storeGreetingOff(store_, greetingOffCheck_->isChecked());
}

void CalendarPage::openCalendar() {
    state_.showingCurrentMonth = true;
    state_.blinkPhase = 0;
    state_.firstOfMonth = QDate(state_.shownYear, state_.shownMonth, 1);
    state_.blinkCell = state_.selectedCell = fillMonth(state_.firstOfMonth);
    offerFocus();
}

void CalendarPage::afterShow() {
    setDateCaption();
    colourMonthButtons();
}

void CalendarPage::loadScheduleColour() { colours_->loadScheduleColour(); }

void CalendarPage::disableInputButtons() { notes_->disableInputButtons(); }

void CalendarPage::setDateCaption() {
    monthPanel_->setText(QStringLiteral("%1年 %2月").arg(state_.shownYear).arg(state_.shownMonth));
}

void CalendarPage::showSelectedDate() {
    selectedDateLabel_->setText(QStringLiteral("%1/%2/%3")
                                    .arg(state_.shownYear)
                                    .arg(state_.shownMonth)
                                    .arg(state_.selectedDay));
    notes_->loadNotes();
}

int CalendarPage::fillMonth(QDate firstOfMonth) {
    for (int i = 1; i <= MonthLayout::kCells; ++i) cells_[i]->hide();
    for (int day = 1; day <= firstOfMonth.daysInMonth(); ++day) {
        QLabel* cell = cells_[MonthLayout::cellOfDay(firstOfMonth, day)];
        cell->setText(QString::number(day));
        cell->show();
    }
    recolourGrid();
    const QDate now = today();
    if (state_.showingCurrentMonth && now.year() == state_.shownYear &&
        now.month() == state_.shownMonth) {
        state_.todayCell = MonthLayout::cellOfDay(firstOfMonth, now.day());
        setBlinking(true);
        state_.selectedDay = now.day();
        showSelectedDate();
        return state_.todayCell;
    }
    selectedDateLabel_->setText(QStringLiteral("日付を指定してください"));
    setBlinking(false);
    notes_->showNoDate();
    return 0;
}

void CalendarPage::recolourGrid() {
    for (int i = 1; i <= MonthLayout::kCells; ++i)
        setTextColour(cells_[i], MonthLayout::cellColour(i));
    for (int i = 1; i <= MonthLayout::kCells; ++i) {
        if (cells_[i]->isHidden()) continue;
        const int day = cells_[i]->text().toInt();
        const QString key = DateSection::dateKey(state_.shownYear, state_.shownMonth, day);
        const int colour = DateSection::colour(store_, key);
        setCellBold(i, false);
        if (colour != 0) setTextColour(cells_[i], colour);
        describeCell(i, key, colour);
    }
}

// Counting the notes of every date costs a read each; only a screen reader needs it.
void CalendarPage::describeCell(int cell, const QString& key, int colour) {
    if (!QAccessible::isActive()) return;
    const QDate date(state_.shownYear, state_.shownMonth, cells_[cell]->text().toInt());
    const int notes = int(DateSection::storedNotes(store_, key).size());
    cells_[cell]->setAccessibleName(
        MonthLayout::spokenDate(date, date == today(), notes, colour != 0));
}

void CalendarPage::recolourKeepingSelection() {
    recolourGrid();
    if (state_.selectedCell != 0) setCellBold(state_.selectedCell, true);
}

void CalendarPage::updateCurrentMonthFlag() {
    const QDate now = today();
    state_.showingCurrentMonth = now.year() == state_.shownYear && now.month() == state_.shownMonth;
}

void CalendarPage::colourMonthButtons() {
    const int shown = state_.shownMonth;
    for (int i = 1; i <= 12; ++i) {
        setTextColour(monthButtons_[i], i == shown ? kLime : kGreen);
        monthButtons_[i]->setAccessibleDescription(i == shown ? QStringLiteral("表示中") : QString());
    }
}

void CalendarPage::setCellBold(int cell, bool bold) {
    if (cell < 1 || cell > MonthLayout::kCells) return;
    QFont font = cells_[cell]->font();
    font.setBold(bold);
    cells_[cell]->setFont(font);
}

void CalendarPage::blink() {
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
    state_.blinkCell = state_.selectedCell = fillMonth(state_.firstOfMonth);
    offerFocus();
}

void CalendarPage::onYearPressed(int index, Qt::MouseButton button) {
    setTextColour(yearButtons_[index], kYearPressed);
    const int step = button == Qt::RightButton ? 10 : 1;
    const QString caption = yearButtons_[index]->text();
    if (caption == QStringLiteral("≪") || caption == QStringLiteral("≫")) {
        state_.shownYear = MonthLayout::stepYear(state_.shownYear, caption == "≪" ? -step : step);
        updateCurrentMonthFlag();
    } else {  // "■": this year, the same month
        state_.shownYear = today().year();
        state_.showingCurrentMonth = today().month() == state_.shownMonth;
    }
    showMonth();
}

void CalendarPage::onYearReleased(int index) { setTextColour(yearButtons_[index], kYearAtRest); }

void CalendarPage::showMonthOf(int index) { showChosenMonth(monthButtons_[index]->text().toInt()); }

void CalendarPage::showChosenMonth(int month) {
    state_.shownMonth = month;
    updateCurrentMonthFlag();
    showMonth();
    colourMonthButtons();
}

void CalendarPage::onDatePressed(int index, Qt::MouseButton button, QPoint globalPos) {
    recolourGrid();
    state_.selectedCell = index;
    offerFocus();
    setCellBold(index, true);
    state_.selectedDay = cells_[index]->text().toInt();
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
void CalendarPage::onDateDoubleClicked(int index, Qt::MouseButton button, QPoint globalPos) {
    if (button == Qt::LeftButton)
        notes_->onDateDoubleClicked();
    else
        onDatePressed(index, button, globalPos);
}
