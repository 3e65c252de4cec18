#pragma once

#include <QLockFile>
#include <memory>

#include "platform/Lifecycle.h"

// One copy per user: a lock file in a folder that only the user may enter; a lock left by a dead
// process is taken over.
class LockFileLifecycle : public Lifecycle {
public:
    bool otherInstanceRunning() override;
    void endProgram() override;

    // The settings folder, made private; the runtime folder only when the settings folder is not
    // the user's. Never a shared folder, where another user's file could keep the clock from ever
    // starting.
    static QString lockFolder();

private:
    std::unique_ptr<QLockFile> lock_;
};
