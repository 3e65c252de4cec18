#include "app/Application.h"

#include <QPixmapCache>
#include <QTimer>

#include "app/ProgramIcon.h"
#include "clock/ClockWindow.h"
#include "core/SettingsStore.h"
#include "core/UiText.h"
#include "platform/Memory.h"
#include "platform/WindowManager.h"
#include "schedule/TodayView.h"
#include "settings/SettingsWindow.h"

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
    store_->onDamageFound([this] { announceDamage(); });
    announceDamage();
    announceUnwritable();
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
    if (!keepCalendarDate) calendar_.showToday(platform_.clock.now().date());
    clock_ = std::make_unique<ClockWindow>(platform_, *store_, record_, alarms_);
    QObject::connect(clock_.get(), &ClockWindow::greetingWanted, [this] {
        if (greeting_.offer()) offerTodayView();
    });
    QObject::connect(clock_.get(), &ClockWindow::settingsRequested, [this] { openSettings(); });
    QObject::connect(clock_.get(), &ClockWindow::ringStarted, [this] { dialogs_.hold(); });
    QObject::connect(clock_.get(), &ClockWindow::ringConfirmed, [this] { dialogs_.release(); });
    // The store's full check waits until the clock is on the screen.
    QObject::connect(clock_.get(), &ClockWindow::firstPainted,
                     [this] { store_->checkInBackground(); });
    clock_->load();
    greeting_.offer();  // once per run: a reload never shows it again
}

void Application::reloadClock(bool keepCalendarDate) {
    unloadClock();
    loadClock(keepCalendarDate);
}

void Application::offerTodayView() {
    ++todayViewOffers_;
    todayView_ = new TodayView(platform_.clock, *store_, record_, calendar_, platform_.screens);
    todayView_->setWindowIcon(ProgramIcon::forWindows());
    todayView_->load();
    todayView_->show();
}

void Application::closeTodayView() {
    if (todayView_) todayView_->close();
}

TodayView* Application::todayView() { return todayView_.data(); }

void Application::openSettings() {
    const bool open = settings_;
    if (!open) {
        settings_ = new SettingsWindow(platform_, *store_, record_, calendar_);
        settings_->setWindowIcon(ProgramIcon::forWindows());
        connectSettings();
        settings_->load(clock_ ? QPoint(clock_->leftTwips(), clock_->topTwips()) : QPoint());
    }
    settings_->show();
    settings_->raise();
    settings_->activateWindow();
    // Opened again, perhaps behind other programs: brought forward with the focus, as asked.
    if (open) WindowManager::activate(settings_->winId());
}

// Settings reach the clock by a reload: Apply unloads it before writing and loads it again after,
// keeping the month the window shows; a close reloads it showing today. Previews go to the clock
// that is loaded now.
void Application::connectSettings() {
    SettingsWindow* window = settings_;
    QObject::connect(window, &SettingsWindow::loaded, [this] { closeTodayView(); });
    QObject::connect(window, &SettingsWindow::applying, [this] { unloadClock(); });
    QObject::connect(window, &SettingsWindow::applied, [this] { loadClock(true); });
    QObject::connect(window, &SettingsWindow::closed, [this] {
        reloadClock(false);
        settingsClosed();
    });
    QObject::connect(window, &SettingsWindow::quitRequested, [this] { endProgram(); });
    const auto onClock = [this](auto preview) {
        return [this, preview](auto... values) {
            if (clock_) preview(*clock_, values...);
        };
    };
    QObject::connect(window, &SettingsWindow::clockLeftMoved,
                     onClock([](ClockWindow& c, int left) { c.moveTwips(left, c.topTwips()); }));
    QObject::connect(window, &SettingsWindow::clockTopMoved,
                     onClock([](ClockWindow& c, int top) { c.moveTwips(c.leftTwips(), top); }));
    QObject::connect(window, &SettingsWindow::clockLeftShifted, onClock([](ClockWindow& c, int by) {
                         c.moveTwips(c.leftTwips() + by, c.topTwips());
                     }));
    QObject::connect(window, &SettingsWindow::clockWidthChanged,
                     onClock([](ClockWindow& c, int width) { c.setWidthTwips(width); }));
    QObject::connect(window, &SettingsWindow::exitButtonsShown,
                     onClock([](ClockWindow& c, bool shown) { c.setExitButtonsShown(shown); }));
    QObject::connect(window, &SettingsWindow::clockColoursChanged,
                     onClock([](ClockWindow& c, int mode) { c.setColourMode(mode); }));
}

// The style's pixmaps of a closed window are keyed by its palettes, which no later window
// shares: dropped with it, instead of filling the cache to its limit. The memory the window held
// goes back once it is deleted.
void Application::settingsClosed() {
    if (settings_) settings_->deleteLater();
    QPixmapCache::clear();
    QTimer::singleShot(0, &Memory::returnFreed);
}

void Application::endProgram() { platform_.lifecycle.endProgram(); }

// A store file kept aside, at start or when the full check found it damaged.
void Application::announceDamage() {
    const SettingsStore::OpenReport& report = store_->openReport();
    if (!report.damagedCopy.isEmpty())
        warn(UiText::storeDamaged + "\r\n" + report.damagedCopy + "\r\n" +
             UiText::valuesSalvaged.arg(report.salvaged));
}

// Once at start: a store that cannot keep what the user changes.
void Application::announceUnwritable() {
    const SettingsStore::OpenReport& report = store_->openReport();
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
