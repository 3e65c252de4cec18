#pragma once

#include <QDate>
#include <QTimer>
#include <array>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class SettingsWindow;
struct CalendarState;

// The calendar tab: the month grid, the selected date's notes, the lock column and the
// start-up schedule switch.
class CalendarPage {
public:
    explicit CalendarPage(SettingsWindow& window);

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

private:
    void LoadDateNotes();
    void setCellBold(int cell, bool bold);
    void setTextColour(QWidget* widget, int bgr);
    void setLamp(const char* name, int bgr);
    QDate today() const;
    CalendarState& state();

    SettingsWindow& window_;
    std::array<QLabel*, 38> cmdDate_{};  // index 0 unused
    std::array<QLabel*, 13> cmdMonth_{};  // index 0 unused
    QLabel* dateWIN_;
    QLabel* Label1_;
    QListWidget* lstShedule_;
    QCheckBox* OPENCheck1_;
    QTimer blink_;
    int helpMode_ = 0;
};
