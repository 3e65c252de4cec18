#pragma once

#include <QDate>

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

}  // namespace MonthLayout
