#include "core/StoredValue.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace StoredValue {

int toInt(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

double toDouble(const QString& text, double fallback) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? value : fallback;
}

int toTwips(const QString& text) {
    const double value = toDouble(text);
    if (!std::isfinite(value)) return 0;
    return int(std::lround(std::clamp(value, double(-kMaxTwips), double(kMaxTwips))));
}

bool toBool(const QString& text, bool fallback) {
    const QString word = text.trimmed();
    if (word.compare("True", Qt::CaseInsensitive) == 0) return true;
    if (word.compare("False", Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    const double number = word.toDouble(&ok);
    return ok ? number != 0.0 : fallback;
}

QString fromBool(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

QString fromTime(QTime time) { return time.toString(QStringLiteral("H:mm:ss")); }

std::optional<QTime> parseTime(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*(午前|午後|AM|PM)?\s*(\d{1,2}):(\d{2})(?::(\d{2}))?\s*(AM|PM)?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const QString before = match.captured(1).toUpper();
    const QString after = match.captured(5).toUpper();
    if (!before.isEmpty() && !after.isEmpty()) return std::nullopt;
    const QString half = before.isEmpty() ? after : before;
    int hour = match.captured(2).toInt();
    if (!half.isEmpty()) {
        if (hour < 1 || hour > 12) return std::nullopt;
        const bool afternoon = half == "PM" || half == QStringLiteral("午後");
        hour = hour % 12 + (afternoon ? 12 : 0);
    }
    const QTime time(hour, match.captured(3).toInt(), match.captured(4).toInt());
    return time.isValid() ? std::optional(time) : std::nullopt;
}

namespace {

// Full-width digits are folded to ASCII; any other character makes the text unreadable.
std::optional<int> plainNumber(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        int digit = -1;
        if (c >= u'0' && c <= u'9') digit = c.unicode() - u'0';
        if (c >= u'０' && c <= u'９') digit = c.unicode() - u'０';
        if (digit < 0) return std::nullopt;
        value = std::min(value * 10 + digit, 10000);  // leading zeros may be many
    }
    return value;
}

}  // namespace

std::optional<QTime> parseHourMinute(const QString& hour, const QString& minute) {
    const auto h = plainNumber(hour);
    const auto m = plainNumber(minute);
    if (!h || !m || *h > 23 || *m > 59) return std::nullopt;
    return QTime(*h, *m);
}

}  // namespace StoredValue
