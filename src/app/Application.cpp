#include "app/Application.h"

#include "clock/ClockWindow.h"
#include "platform/WindowManager.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsWindow.h"
#include "settings/UiText.h"

Application::Application(const Platform& platform) : platform_(platform) {}

// Ending the program runs no close handler: the windows are destroyed, not closed.
Application::~Application() { delete settings_.data(); }

bool Application::start() {
    // The one-copy test comes before the store is touched, so a second copy changes nothing.
    if (platform_.lifecycle.otherInstanceRunning()) return false;
    store_ = std::make_unique<SettingsStore>(platform_.locations.settingsFile());
    store_->onWriteFailure([this](const QString& reason) { reportWriteFailure(reason); });
    const QString damaged = store_->openReport().damagedCopy;
    if (!damaged.isEmpty()) {
        platform_.dialogs.message(nullptr, UiText::storeDamaged + "\r\n" + damaged,
                                  Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
    }
    loadClock(false);
    return true;
}

void Application::unloadClock() { clock_.reset(); }

void Application::loadClock(bool keepCalendarDate) {
    ++clockLoads_;
    clock_ = std::make_unique<ClockWindow>(*this);
    clock_->Form_Load(keepCalendarDate);
}

void Application::reloadClock(bool keepCalendarDate) {
    unloadClock();
    loadClock(keepCalendarDate);
}

void Application::offerTodayView() { ++todayViewOffers_; }

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

void Application::reportWriteFailure(const QString& reason) {
    platform_.dialogs.beep();
    platform_.dialogs.message(nullptr, UiText::saveFailed + "\r\n" + reason, Dialogs::Buttons::Ok,
                              Dialogs::Icon::Warning);
}

SettingsWindow* Application::settings() { return settings_.data(); }
