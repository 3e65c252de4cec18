#pragma once

#include "platform/Launcher.h"

class ProcessLauncher : public Launcher {
public:
    Result start(const QString& commandLine) override;
    bool openDateTimePanel() override;
};
