#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/Lifecycle.h"
#include "platform/Locations.h"
#include "platform/Power.h"
#include "platform/ScreenMetrics.h"

// Every operating-system service the program uses, passed in so tests can replace each one.
struct Platform {
    Clock& clock;
    Dialogs& dialogs;
    Power& power;
    Launcher& launcher;
    Locations& locations;
    ScreenMetrics& screens;
    Lifecycle& lifecycle;
};
