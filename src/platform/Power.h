#pragma once

#include <QString>
#include <optional>

// Forced shut-down and restart of the machine.
class Power {
public:
    virtual ~Power() = default;
    // Nothing when the request was accepted; otherwise why it could not be made.
    virtual std::optional<QString> powerOff() = 0;
    virtual std::optional<QString> reboot() = 0;
};
