#pragma once

#include <QDate>
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

class Clock;
class DateColours;
class Dialogs;
class QCheckBox;
class QLabel;
class ScheduleNotes;
class QWidget;
class SettingsStore;
struct CalendarState;
struct SettingsRecord;

// The calendar tab: the month grid with its year and month buttons, the selection of a date and
// the blink of today. It composes the selected date's notes and the date colours, and holds the
// start-up schedule switch.
class CalendarPage : public QObject {
    Q_OBJECT
public:
    // helpMode tells whether hover help is on.
    CalendarPage(QWidget* window, CalendarState& state, SettingsRecord& record,
                 SettingsStore& store, Dialogs& dialogs, const Clock& clock,
                 std::function<bool()> helpMode);
    ~CalendarPage() override;

    void loadGreetingChoice();
    void applyGreetingChoice();
    void openCalendar();
    void afterShow();
    void loadScheduleColour();
    void disableInputButtons();

    int fillMonth(QDate firstOfMonth);
    void recolourGrid();
    void updateCurrentMonthFlag();
    void colourMonthButtons();
    void blink();
    // Whether today blinks; its timer runs only while the calendar tab is on screen.
    bool isBlinking() const { return blinking_; }

    void onYearPressed(int index, Qt::MouseButton button);
    void onYearReleased(int index);
    void showMonthOf(int index);
    void onDatePressed(int index, Qt::MouseButton button, QPoint globalPos);
    // The keyboard on the grid: the selected date moves, Enter opens the input area, Delete
    // deletes the chosen note.
    bool onDateKey(int key, Qt::KeyboardModifiers modifiers);

    ScheduleNotes& notes() { return *notes_; }
    DateColours& colours() { return *colours_; }

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setBlinking(bool on);
    void runBlinkTimer();
    void onGreetingChoiceChanged();
    void connectLabels();
    void onDateDoubleClicked(int index, Qt::MouseButton button, QPoint globalPos);
    void showMonth();
    void setDateCaption();
    void showSelectedDate();
    void recolourKeepingSelection();
    void setCellBold(int cell, bool bold);
    QDate today() const;
    void selectDate(QDate date);
    void showChosenMonth(int month);
    int offeredCell() const;
    void offerFocus();
    void describeCell(int cell, const QString& key, int colour);

    CalendarState& state_;
    SettingsRecord& record_;
    SettingsStore& store_;
    const Clock& clock_;
    std::array<QLabel*, 38> cells_{};         // index 0 unused
    std::array<QLabel*, 13> monthButtons_{};  // index 0 unused
    std::array<QLabel*, 3> yearButtons_{};
    QLabel* monthPanel_;
    QLabel* selectedDateLabel_;
    QCheckBox* greetingOffCheck_;
    QTimer blink_;
    bool blinking_ = false;
    std::unique_ptr<DateColours> colours_;
    std::unique_ptr<ScheduleNotes> notes_;
};
