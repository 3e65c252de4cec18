#pragma once

// Forced shut-down and restart of the machine.
class Power {
public:
    virtual ~Power() = default;
    virtual void powerOff() = 0;
    virtual void reboot() = 0;
};
