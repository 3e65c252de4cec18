#pragma once

#include <QDate>

// The calendar's working state, shared by the clock window's load and the calendar page.
struct CalendarState {
    int shownYear = 0;
    int shownMonth = 0;
    int selectedDay = 0;
    int selectedCell = 0;
    int todayCell = 0;
    int blinkCell = 0;
    int blinkPhase = 0;
    bool showingCurrentMonth = true;
    QDate firstOfMonth;

    void showToday(QDate today) {
        shownYear = today.year();
        shownMonth = today.month();
        selectedDay = today.day();
    }
};
