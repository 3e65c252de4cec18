#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

#include "core/SettingsRecord.h"

namespace AlarmRules {

enum class Verdict {
    Ignore,  // the slot is off, or has no valid time
    Ring,
    Rearm,  // the slot's time still lies ahead today: ringing is allowed again
    Keep,   // nothing changes
};

// How late an alarm may still ring when its second fell between two ticks.
inline constexpr int kLateLimitSeconds = 30 * 60;

// One slot's check on the tick at now, when every second up to checkedUpTo was checked before.
// The slot rings when its due second is now or lies in the seconds not yet checked, at most
// kLateLimitSeconds ago. A clock set back (now not after checkedUpTo) leaves only now's own second.
// Only whole seconds count.
Verdict check(const AlarmSlot& slot, const QDateTime& checkedUpTo, const QDateTime& now,
              bool alarmShown);

// The ringing window's title line, e.g. "Alarm time 1   7:05:00".
QString title(int slotIndex, QTime now);

}  // namespace AlarmRules
