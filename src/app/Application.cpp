#include "app/Application.h"

#include "clock/ClockWindow.h"
#include "platform/WindowManager.h"
#include "schedule/TodayView.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsWindow.h"
#include "settings/UiText.h"

Application::Application(const Platform& platform)
    : dialogs_(platform.dialogs),
      platform_{platform.clock,     dialogs_,         platform.power,    platform.launcher,
                platform.locations, platform.screens, platform.lifecycle},
      alarms_(platform.clock.now()) {}

// Ending the program runs no close handler: the windows are destroyed, not closed.
Application::~Application() {
    delete settings_.data();
    delete todayView_.data();
}

bool Application::start() {
    // The one-copy test comes before the store is touched, so a second copy changes nothing.
    if (platform_.lifecycle.otherInstanceRunning()) return false;
    store_ = std::make_unique<SettingsStore>(platform_.locations.settingsFile());
    store_->onWriteFailure([this](const QString& reason) { reportWriteFailure(reason); });
    announceStore();
    loadClock(false);
    return true;
}

// A clock unloaded while it rings lets go of what the ring held back.
void Application::unloadClock() {
    clock_.reset();
    dialogs_.release();
}

void Application::loadClock(bool keepCalendarDate) {
    ++clockLoads_;
    clock_ = std::make_unique<ClockWindow>(*this);
    QObject::connect(clock_.get(), &ClockWindow::ringStarted, [this] { dialogs_.hold(); });
    QObject::connect(clock_.get(), &ClockWindow::ringConfirmed, [this] { dialogs_.release(); });
    clock_->Form_Load(keepCalendarDate);
}

void Application::reloadClock(bool keepCalendarDate) {
    unloadClock();
    loadClock(keepCalendarDate);
}

void Application::offerTodayView() {
    ++todayViewOffers_;
    todayView_ = new TodayView(platform_.clock, *store_, record_, calendar_, platform_.screens);
    todayView_->Form_Load();
    todayView_->show();
}

void Application::closeTodayView() {
    if (todayView_) todayView_->close();
}

TodayView* Application::todayView() { return todayView_.data(); }

void Application::openSettings() {
    const bool open = settings_;
    if (!open) {
        settings_ = new SettingsWindow(*this);
        settings_->Form_Load();
    }
    settings_->show();
    settings_->raise();
    settings_->activateWindow();
    // Opened again, perhaps behind other programs: brought forward with the focus, as asked.
    if (open) WindowManager::activate(settings_->winId());
}

void Application::settingsClosed() {
    if (settings_) settings_->deleteLater();
}

void Application::endProgram() { platform_.lifecycle.endProgram(); }

// Once at start: a store file kept aside, or a store that cannot keep what the user changes.
void Application::announceStore() {
    const SettingsStore::OpenReport& report = store_->openReport();
    if (!report.damagedCopy.isEmpty())
        warn(UiText::storeDamaged + "\r\n" + report.damagedCopy + "\r\n" +
             UiText::valuesSalvaged.arg(report.salvaged));
    if (!report.writable) warn(UiText::storeReadOnly + "\r\n" + report.problem);
}

void Application::reportWriteFailure(const QString& reason) {
    platform_.dialogs.beep();
    warn(UiText::saveFailed + "\r\n" + reason);
}

void Application::warn(const QString& text) {
    platform_.dialogs.message(nullptr, text, Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
}

SettingsWindow* Application::settings() { return settings_.data(); }
