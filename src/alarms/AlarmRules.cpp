#include "alarms/AlarmRules.h"

#include "settings/StoredValue.h"

namespace AlarmRules {

namespace {

QTime wholeSeconds(QTime t) { return QTime(t.hour(), t.minute(), t.second()); }

}  // namespace

Verdict check(const AlarmSlot& slot, QTime now, bool alarmShown) {
    if (slot.onoff != 1) return Verdict::Ignore;
    const QTime due = wholeSeconds(slot.time.value_or(QTime(0, 0)));
    const QTime current = wholeSeconds(now);
    if (current == due && !alarmShown) return Verdict::Ring;
    return current < due ? Verdict::Rearm : Verdict::Keep;
}

QString title(int slotIndex, QTime now) {
    return QStringLiteral("Alarm time %1   ").arg(slotIndex + 1) +
           StoredValue::fromTime(wholeSeconds(now));
}

}  // namespace AlarmRules
