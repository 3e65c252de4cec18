#include "core/MonthLayout.h"

#include <QLocale>
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

std::optional<QDate> dateAfterKey(QDate from, QDate today, int key, Qt::KeyboardModifiers modifiers) {
    const int months = modifiers.testFlag(Qt::ControlModifier) ? 12 : 1;
    QDate to;
    switch (key) {
        case Qt::Key_Left: to = from.addDays(-1); break;
        case Qt::Key_Right: to = from.addDays(1); break;
        case Qt::Key_Up: to = from.addDays(-7); break;
        case Qt::Key_Down: to = from.addDays(7); break;
        case Qt::Key_PageUp: to = from.addMonths(-months); break;
        case Qt::Key_PageDown: to = from.addMonths(months); break;
        case Qt::Key_Home: to = today; break;
        default: return std::nullopt;
    }
    if (to.year() < kFirstYear || to.year() > kLastYear) return std::nullopt;
    return to;
}

QString spokenDate(QDate date, bool today, int notes, bool coloured) {
    QString said = QStringLiteral("%1年%2月%3日 %4")
                       .arg(date.year())
                       .arg(date.month())
                       .arg(date.day())
                       .arg(QLocale(QLocale::Japanese).dayName(date.dayOfWeek()));
    if (today) said += QStringLiteral(" 今日");
    if (notes > 0) said += QStringLiteral(" 予定 %1件").arg(notes);
    if (coloured) said += QStringLiteral(" 色付き");
    return said;
}

}  // namespace MonthLayout
