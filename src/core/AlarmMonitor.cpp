#include "core/AlarmMonitor.h"

#include "core/AlarmRules.h"

QList<int> AlarmMonitor::tick(const std::array<AlarmSlot, 3>& alarms, const QDateTime& now) {
    QList<int> ringing;
    for (int slot = 0; slot < int(alarms.size()); ++slot) {
        switch (AlarmRules::check(alarms[slot], checkedUpTo_, now, shown_)) {
            case AlarmRules::Verdict::Ring:
                shown_ = true;
                ringing << slot;
                break;
            case AlarmRules::Verdict::Rearm:
                shown_ = false;
                break;
            case AlarmRules::Verdict::Ignore:
            case AlarmRules::Verdict::Keep:
                break;
        }
    }
    checkedUpTo_ = now;
    return ringing;
}
