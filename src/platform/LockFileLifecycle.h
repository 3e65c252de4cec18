#pragma once

#include <QLockFile>
#include <memory>

#include "platform/Lifecycle.h"

// One copy per user: a lock file in the runtime folder; a lock left by a dead process is taken over.
class LockFileLifecycle : public Lifecycle {
public:
    bool otherInstanceRunning() override;
    void endProgram() override;

private:
    std::unique_ptr<QLockFile> lock_;
};
