#pragma once

#include <QString>

// Starts other programs.
class Launcher {
public:
    enum Result { Started = 0, InvalidArgument = 5, FileNotFound = 53, OtherFailure = -1 };

    virtual ~Launcher() = default;
    // The line is split as a shell would split it, but never run through a shell.
    virtual Result start(const QString& commandLine) = 0;
    // Opens the desktop's date-and-time settings; false when none is installed.
    virtual bool openDateTimePanel() = 0;
};
