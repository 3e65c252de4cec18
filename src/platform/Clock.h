#pragma once

#include <QDateTime>

// Wall-clock time of the desktop session.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;  // local time, millisecond precision
};
