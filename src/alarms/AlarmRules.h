#pragma once

#include <QString>
#include <QTime>

#include "settings/SettingsRecord.h"

namespace AlarmRules {

enum class Verdict {
    Ignore,  // the slot is off
    Ring,
    Rearm,  // the slot's time still lies ahead today: ringing is allowed again
    Keep,   // nothing changes
};

// One slot's check on one tick. Only whole seconds count.
Verdict check(const AlarmSlot& slot, QTime now, bool alarmShown);

// The ringing window's title line, e.g. "Alarm time 1   7:05:00".
QString title(int slotIndex, QTime now);

}  // namespace AlarmRules
