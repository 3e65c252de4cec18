#pragma once

#include <QString>

// Starts other programs.
class Launcher {
public:
    enum Result { Started = 0, InvalidArgument = 5, FileNotFound = 53, OtherFailure = -1 };

    virtual ~Launcher() = default;
    // Never through a shell. A line naming an executable file starts it whole, blanks and all; a
    // desktop entry starts what its Exec line names, as desktops would start it; anything else is
    // split into words as a shell splits them, without expanding anything. An empty line is an
    // invalid argument; a program that is missing, cannot be run or that the entry hides or
    // leaves out (not an application, Hidden, TryExec not installed) is not found.
    virtual Result start(const QString& commandLine) = 0;
    // Opens the desktop's date-and-time settings; false when none is installed.
    virtual bool openDateTimePanel() = 0;
};
