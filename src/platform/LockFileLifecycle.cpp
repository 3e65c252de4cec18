#include "platform/LockFileLifecycle.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

bool LockFileLifecycle::otherInstanceRunning() {
    if (lock_) return false;  // this copy already holds the lock
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    auto lock = std::make_unique<QLockFile>(folder + "/ZKTIME.lock");
    lock->setStaleLockTime(0);  // only a dead owner makes a lock stale
    if (!lock->tryLock(0)) return lock->error() == QLockFile::LockFailedError;
    lock_ = std::move(lock);
    return false;
}

void LockFileLifecycle::endProgram() { QCoreApplication::exit(0); }
