#pragma once

#include <QDate>
#include <QString>

// Where days stand in the calendar's 37 cells: seven to a row, Sunday first.
namespace MonthLayout {

inline constexpr int kCells = 37;

// Weekday with Sunday = 1 ... Saturday = 7.
int weekday(QDate date);
int cellOfDay(QDate firstOfMonth, int day);
// Column of a cell: 0 = Sunday ... 6 = Saturday.
inline int column(int cell) { return (cell - 1) % 7; }
// The weekday colour of a cell, 0x00BBGGRR.
int cellColour(int cell);

// The name of a date's section in the store, the same whatever the locale: yyyy/MM/dd.
QString dateKey(int year, int month, int day);

}  // namespace MonthLayout
