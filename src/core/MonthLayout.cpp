#include "core/MonthLayout.h"

#include <algorithm>

namespace MonthLayout {

int weekday(QDate date) { return date.dayOfWeek() % 7 + 1; }

int cellOfDay(QDate firstOfMonth, int day) { return weekday(firstOfMonth) + day - 1; }

int cellColour(int cell) {
    switch (column(cell)) {
        case 0:
            return 8421631;  // light red
        case 6:
            return 16761024;  // light blue
        default:
            return 16777215;  // white
    }
}

int stepYear(int year, int step) { return std::clamp(year + step, kFirstYear, kLastYear); }

}  // namespace MonthLayout
