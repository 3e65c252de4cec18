#pragma once

#include <memory>

#include "platform/Platform.h"
#include "schedule/CalendarState.h"
#include "settings/SettingsRecord.h"

class ClockWindow;
class SettingsStore;

// Owns the store, the settings record, the calendar state, the program-wide flags and the
// windows. Everything the operating system provides comes in through the platform.
class Application {
public:
    explicit Application(const Platform& platform);
    ~Application();

    // Opens the store and shows the clock; false when another copy already runs.
    bool start();

    const Platform& platform() const { return platform_; }
    SettingsStore& store() { return *store_; }
    SettingsRecord& record() { return record_; }
    CalendarState& calendar() { return calendar_; }

    // The clock window is destroyed and created anew whenever settings must take effect.
    ClockWindow* clock() { return clock_.get(); }
    void unloadClock();
    void loadClock(bool keepCalendarDate);
    void reloadClock(bool keepCalendarDate);

    // Shows today's notes; called by the clock's load at most once per run.
    void offerTodayView();
    int todayViewOffers() const { return todayViewOffers_; }

    void openSettings();
    void endProgram();

    // Survive reloads of the clock window.
    bool alarmShown = false;
    int scheduleShown = 0;

private:
    void reportWriteFailure(const QString& reason);

    Platform platform_;
    std::unique_ptr<SettingsStore> store_;
    SettingsRecord record_;
    CalendarState calendar_;
    std::unique_ptr<ClockWindow> clock_;
    int todayViewOffers_ = 0;
};
