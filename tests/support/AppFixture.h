#pragma once

#include <QLabel>
#include <QTest>
#include <QWidget>
#include <memory>

#include "TestPlatform.h"
#include "StoreFile.h"
#include "app/Application.h"
#include "clock/AlarmScreen.h"
#include "clock/ClockWindow.h"
#include "clock/StripMouse.h"
#include "core/SettingsStore.h"
#include "settings/SettingsWindow.h"
#include "widgets/ControlDef.h"

// A platform of fakes, a store seeded before start and the application over them.
struct AppFixture {
    TestPlatform platform;
    std::unique_ptr<Application> app;
    std::unique_ptr<WriteLog> log;

    // A message the test scripted but that never showed fails the test.
    ~AppFixture() { QVERIFY(platform.dialogs.scriptDone()); }

    // Seeds the store file directly, as an earlier run would have left it.
    void seed(const QString& section, const QString& key, const QString& value) {
        SettingsStore(platform.locations.settingsFile()).save(section, key, value);
    }
    bool start() {
        app = std::make_unique<Application>(platform.services());
        return app->start();
    }
    // Starts the program if need be and opens the settings window; the store's writes are
    // logged from here on.
    SettingsWindow* openSettings() {
        log = std::make_unique<WriteLog>(platform.locations.settingsFile());
        if (!app && !start()) return nullptr;
        app->openSettings();
        log->clear();
        return app->settings();
    }
    template <typename T = QWidget>
    T* inSettings(const QString& name) {
        return control<T>(app->settings(), name);
    }
    ClockWindow* clock() { return app->clock(); }
    // A control of the clock's strip, null where it has not been made.
    template <typename T = QWidget>
    T* onClock(const QString& name) {
        return app->clock()->findChild<T*>(name);
    }
    QString text(const QString& name) {
        const QLabel* label = onClock<QLabel>(name);
        return label ? label->text() : QString();
    }
    bool shown(const QString& name) {
        const QWidget* widget = onClock(name);
        return widget && widget->isVisible();
    }
    QString stored(const QString& section, const QString& key) {
        return app->store().get(section, key, "<missing>");
    }
};
