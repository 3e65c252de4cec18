#pragma once

#include "platform/Power.h"

// Asks systemd-logind to power off or reboot; a refusal is not reported.
class LogindPower : public Power {
public:
    void powerOff() override;
    void reboot() override;
};
