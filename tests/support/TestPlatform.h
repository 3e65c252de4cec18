#pragma once

#include <QStringList>
#include <QTemporaryDir>

#include "FakeClock.h"
#include "FakeDialogs.h"
#include "platform/Platform.h"

#include <functional>

class FakePower : public Power {
public:
    std::optional<QString> powerOff() override { return request("poweroff"); }
    std::optional<QString> reboot() override { return request("reboot"); }
    QStringList requests;
    std::optional<QString> failure;  // the reason a refusal gives
    std::function<void()> onRequest;

private:
    std::optional<QString> request(const QString& what) {
        requests << what;
        if (onRequest) onRequest();
        return failure;
    }
};

class FakeLauncher : public Launcher {
public:
    Result start(const QString& commandLine) override {
        started << commandLine;
        return startResult;
    }
    bool openDateTimePanel() override { return true; }
    QStringList started;
    Result startResult = Started;
};

// Every folder lies inside one temporary folder that is removed with the platform.
class TempLocations : public Locations {
public:
    explicit TempLocations(const QString& root) : root_(root) {}
    QString settingsFile() const override { return root_ + "/config/ZORVEK Inc.TIME/settings.db"; }
    QString tempFolder() const override { return root_ + "/tmp"; }
    QString recentDocumentsFolder() const override { return root_ + "/data/RecentDocuments"; }
    QString recentlyUsedFile() const override { return root_ + "/data/recently-used.xbel"; }
    QString autostartFolder() const override { return root_ + "/config/autostart"; }
    QString fileDialogFolder() const override { return root_ + "/bin"; }
    QString programFolder() const override { return root_ + "/program"; }

private:
    QString root_;
};

class FakeScreens : public ScreenMetrics {
public:
    QRect primaryScreen() const override { return all.first(); }
    QList<QRect> screens() const override { return all; }
    QList<QRect> all{QRect(0, 0, 1024, 768)};
};

class FakeLifecycle : public Lifecycle {
public:
    bool otherInstanceRunning() override { return otherRunning; }
    void endProgram() override { ++endRequests; }
    bool otherRunning = false;
    int endRequests = 0;
};

// A complete set of fakes over a fresh temporary folder.
class TestPlatform {
public:
    TestPlatform();

    Platform services() {
        return {clock, dialogs, power, launcher, locations, screens, lifecycle};
    }
    QString root() const { return dir.path(); }

    QTemporaryDir dir;
    FakeClock clock;
    FakeDialogs dialogs;
    FakePower power;
    FakeLauncher launcher;
    TempLocations locations;
    FakeScreens screens;
    FakeLifecycle lifecycle;
};
