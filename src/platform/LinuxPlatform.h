#pragma once

#include "platform/LockFileLifecycle.h"
#include "platform/LogindPower.h"
#include "platform/Platform.h"
#include "platform/ProcessLauncher.h"
#include "platform/QtDialogs.h"
#include "platform/QtScreenMetrics.h"
#include "platform/SystemClock.h"
#include "platform/XdgLocations.h"

// Owns the real services of a Linux desktop session.
class LinuxPlatform {
public:
    // title: the program's name, which message boxes carry.
    explicit LinuxPlatform(const QString& title) : dialogs_(title) {}

    Platform services() {
        return {clock_, dialogs_, power_, launcher_, locations_, screens_, lifecycle_};
    }
    QtDialogs& dialogs() { return dialogs_; }

private:
    SystemClock clock_;
    QtDialogs dialogs_;
    LogindPower power_;
    ProcessLauncher launcher_;
    XdgLocations locations_;
    QtScreenMetrics screens_;
    LockFileLifecycle lifecycle_;
};
