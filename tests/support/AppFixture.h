#pragma once

#include <QLabel>
#include <QTest>
#include <QWidget>
#include <memory>

#include "TestPlatform.h"
#include "app/Application.h"
#include "clock/AlarmScreen.h"
#include "clock/ClockWindow.h"
#include "clock/StripMouse.h"
#include "core/SettingsStore.h"

// A platform of fakes, a store seeded before start and the application over them.
struct AppFixture {
    TestPlatform platform;
    std::unique_ptr<Application> app;

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
    ClockWindow* clock() { return app->clock(); }
    template <typename T = QWidget>
    T* control(const QString& name) {
        return app->clock()->findChild<T*>(name);
    }
    // The text of a label, empty where it has not been made.
    QString text(const QString& name) {
        const QLabel* label = control<QLabel>(name);
        return label ? label->text() : QString();
    }
    // Shown, where it has been made at all.
    bool shown(const QString& name) {
        const QWidget* widget = control(name);
        return widget && widget->isVisible();
    }
    QString stored(const QString& section, const QString& key) {
        return app->store().get(section, key, "<missing>");
    }
};
