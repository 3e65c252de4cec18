#pragma once

#include "platform/Power.h"

// Asks systemd-logind on the system bus to power off or reboot.
class LogindPower : public Power {
public:
    std::optional<QString> powerOff() override;
    std::optional<QString> reboot() override;
};
