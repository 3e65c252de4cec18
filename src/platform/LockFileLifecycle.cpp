#include "platform/LockFileLifecycle.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "platform/FileSystem.h"
#include "platform/XdgLocations.h"

bool LockFileLifecycle::otherInstanceRunning() {
    if (lock_) return false;  // this copy already holds the lock
    const QString folder = lockFolder();
    if (folder.isEmpty()) return false;  // with no private folder, running beats never starting
    auto lock = std::make_unique<QLockFile>(folder + "/ZKTIME.lock");
    lock->setStaleLockTime(0);  // only a dead owner makes a lock stale
    if (!lock->tryLock(0)) return lock->error() == QLockFile::LockFailedError;
    lock_ = std::move(lock);
    return false;
}

void LockFileLifecycle::endProgram() { QCoreApplication::exit(0); }

// Beside the store, so that every copy that would write it sees the lock, however it was started
// (su, sudo -u and cron set no runtime folder). Where another user left that folder, the store
// cannot be written either, and the lock goes to the runtime folder instead.
QString LockFileLifecycle::lockFolder() {
    const QString settings = QFileInfo(XdgLocations().settingsFile()).path();
    FileSystem::makePrivateFolder(settings);
    const QString folder = FileSystem::privateFolder(settings);
    if (!folder.isEmpty()) return folder;
    return FileSystem::privateFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"));
}
