#pragma once

#include <QDateTime>
#include <QList>
#include <array>

#include "core/SettingsRecord.h"

// The alarms' watch over the ticks of one run of the program: which slots ring at a tick, and
// the one "shown" flag that keeps a rung alarm from ringing again until a slot's time lies ahead.
// It outlives reloads of the clock window, so that no second between two ticks goes unchecked.
class AlarmMonitor {
public:
    // Nothing due before the program started rings.
    explicit AlarmMonitor(const QDateTime& startedAt) : checkedUpTo_(startedAt) {}

    // The slots that ring at the tick at now, in slot order.
    QList<int> tick(const std::array<AlarmSlot, 3>& alarms, const QDateTime& now);
    bool shown() const { return shown_; }

private:
    bool shown_ = false;
    QDateTime checkedUpTo_;
};
