#pragma once

#include <QDate>
#include <QObject>
#include <QTimer>
#include <array>

class Clock;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;
class SettingsStore;
struct CalendarState;
struct SettingsRecord;

// The calendar tab: the month grid, the selected date's notes, the lock column and the
// start-up schedule switch.
class CalendarPage : public QObject {
    Q_OBJECT
public:
    CalendarPage(QWidget* window, CalendarState& state, SettingsRecord& record,
                 SettingsStore& store, const Clock& clock);

    void resetHelpMode() { helpMode_ = 0; }
    void loadLock();
    void loadOpenCheck();
    void applyOpenCheck();
    void openCalendar();
    void afterShow();
    void loadScheduleColour();
    void disableInputButtons();

    int FillMonth(QDate firstOfMonth);
    void RecolourGrid();
    void UpdateCurrentMonthFlag();
    void ColourMonthButtons();
    void Timer1_Timer();
    bool isBlinking() const { return blink_.isActive(); }

signals:
    void changed();

private:
    void OPENCheck1_Click();
    void LoadDateNotes();
    void setCellBold(int cell, bool bold);
    void setTextColour(QWidget* widget, int bgr);
    void setLamp(const char* name, int bgr);
    QDate today() const;
    CalendarState& state() { return state_; }

    QWidget* window_;
    CalendarState& state_;
    SettingsRecord& record_;
    SettingsStore& store_;
    const Clock& clock_;
    std::array<QLabel*, 38> cmdDate_{};   // index 0 unused
    std::array<QLabel*, 13> cmdMonth_{};  // index 0 unused
    QLabel* dateWIN_;
    QLabel* Label1_;
    QListWidget* lstShedule_;
    QCheckBox* OPENCheck1_;
    QTimer blink_;
    int helpMode_ = 0;
};
