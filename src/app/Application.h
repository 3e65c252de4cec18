#pragma once

#include <QPointer>
#include <memory>

#include "app/DeferringDialogs.h"
#include "core/AlarmMonitor.h"
#include "core/CalendarState.h"
#include "core/GreetingOffer.h"
#include "core/SettingsRecord.h"
#include "platform/Platform.h"

class ClockWindow;
class SettingsStore;
class SettingsWindow;
class TodayView;

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
    int clockLoads() const { return clockLoads_; }

    // Shows today's notes; called by the clock's load at most once per run.
    void offerTodayView();
    int todayViewOffers() const { return todayViewOffers_; }
    // Today's-notes window: closed when the settings window opens.
    void closeTodayView();
    TodayView* todayView();

    // Shows the one settings window, loading it first when it is not open.
    void openSettings();
    SettingsWindow* settings();
    // Called by the settings window as it closes; it is destroyed afterwards.
    void settingsClosed();
    void endProgram();

    // Survives reloads of the clock window.
    const AlarmMonitor& alarms() const { return alarms_; }

private:
    void connectSettings();
    void announceDamage();
    void announceUnwritable();
    void reportWriteFailure(const QString& reason);
    void warn(const QString& text);

    DeferringDialogs dialogs_;  // held while an alarm rings
    Platform platform_;
    AlarmMonitor alarms_;
    GreetingOffer greeting_;
    std::unique_ptr<SettingsStore> store_;
    SettingsRecord record_;
    CalendarState calendar_;
    std::unique_ptr<ClockWindow> clock_;
    QPointer<SettingsWindow> settings_;
    QPointer<TodayView> todayView_;
    int todayViewOffers_ = 0;
    int clockLoads_ = 0;
};
