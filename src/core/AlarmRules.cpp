#include "core/AlarmRules.h"

#include "core/StoredValue.h"

namespace AlarmRules {

namespace {

QTime wholeSeconds(QTime t) { return QTime(t.hour(), t.minute(), t.second()); }
QDateTime wholeSeconds(const QDateTime& t) { return t.addMSecs(-t.time().msec()); }

// The last moment at or before now at which the slot's time of day came round.
QDateTime lastDue(QTime due, const QDateTime& now) {
    const QDateTime today(now.date(), due);
    return today > now ? today.addDays(-1) : today;
}

}  // namespace

Verdict check(const AlarmSlot& slot, const QDateTime& checkedUpTo, const QDateTime& now,
              bool alarmShown) {
    if (slot.on != 1 || !slot.time) return Verdict::Ignore;
    const QTime due = wholeSeconds(*slot.time);
    const QDateTime current = wholeSeconds(now);
    QDateTime checked = wholeSeconds(checkedUpTo);
    if (!checked.isValid() || checked >= current) checked = current.addSecs(-1);
    const QDateTime dueAt = lastDue(due, current);
    if (!alarmShown && dueAt > checked && dueAt.secsTo(current) <= kLateLimitSeconds)
        return Verdict::Ring;
    return current.time() < due ? Verdict::Rearm : Verdict::Keep;
}

QString title(int slotIndex, QTime now) {
    return QStringLiteral("Alarm time %1   ").arg(slotIndex + 1) +
           StoredValue::fromTime(wholeSeconds(now));
}

}  // namespace AlarmRules
