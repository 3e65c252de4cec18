#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Where days stand in the calendar's 37 cells: seven to a row, Sunday first.
namespace MonthLayout {

inline constexpr int kCells = 37;
// The years the calendar shows: four-digit section names and positive years only.
inline constexpr int kFirstYear = 100;
inline constexpr int kLastYear = 9999;

// Weekday with Sunday = 1 ... Saturday = 7.
int weekday(QDate date);
int cellOfDay(QDate firstOfMonth, int day);
// Column of a cell: 0 = Sunday ... 6 = Saturday.
inline int column(int cell) { return (cell - 1) % 7; }
// The weekday colour of a cell, 0x00BBGGRR.
int cellColour(int cell);
// The year a step leads to; a step past either end of the range stops there.
int stepYear(int year, int step);

// The date a key leads to from the selected one: arrows by a day or a week, Page Up and Down by a
// month, with Ctrl by a year, Home to today; none for another key or beyond the years shown.
std::optional<QDate> dateAfterKey(QDate from, QDate today, int key, Qt::KeyboardModifiers modifiers);

// A date as a screen reader says it: "2026年12月6日 日曜日 今日 予定 2件 色付き".
QString spokenDate(QDate date, bool today, int notes, bool coloured);

}  // namespace MonthLayout
