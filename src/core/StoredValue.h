#pragma once

#include <QString>
#include <QTime>
#include <optional>

#include "core/Keys.h"

// Conversions between stored text and the values the program works with. A text that does not
// convert gives the caller's fallback, which is always the key's default.
namespace StoredValue {

int toInt(const QString& text, int fallback = 0);
double toDouble(const QString& text, double fallback = 0.0);
// A stored position in whole twips, 0 when unreadable, and never beyond a bound that no desktop
// reaches, so that pixel arithmetic on it cannot overflow.
int toTwips(const QString& text);
inline constexpr int kMaxTwips = 1'000'000;
// "True"/"False" in any letter case, or a number (0 is false).
bool toBool(const QString& text, bool fallback = false);
QString fromBool(bool value);

// Time of day in the stored form H:mm:ss, independent of the locale.
QString fromTime(QTime time);
// Reads H:mm:ss, HH:mm:ss, H:mm and 12-hour forms with AM/PM or 午前/午後; nothing else, the
// alarm time's default "0" included.
std::optional<QTime> parseTime(const QString& text);

// Hour and minute typed on the alarm page: plain decimal numbers (full-width digits count as
// their digits), hour 0-23, minute 0-59; nothing else.
std::optional<QTime> parseHourMinute(const QString& hour, const QString& minute);

// A setting's stored text as its type, by the conversions above; the fallback is the key's.
template <typename T>
T as(const QString& text, const QString& fallback);
template <>
inline int as<int>(const QString& text, const QString& fallback) {
    return toInt(text, toInt(fallback));
}
template <>
inline bool as<bool>(const QString& text, const QString& fallback) {
    return toBool(text, toBool(fallback));
}
template <>
inline QString as<QString>(const QString& text, const QString&) {
    return text;
}
template <>
inline Twips as<Twips>(const QString& text, const QString&) {
    return {toTwips(text)};
}
template <>
inline std::optional<QTime> as<std::optional<QTime>>(const QString& text, const QString&) {
    return parseTime(text);
}

// A setting's value as its stored text.
inline QString text(int value) { return QString::number(value); }
inline QString text(bool value) { return fromBool(value); }
inline QString text(const QString& value) { return value; }
inline QString text(Twips value) { return QString::number(value.value); }
inline QString text(const std::optional<QTime>& value) {
    return value ? fromTime(*value) : QString();
}

}  // namespace StoredValue
