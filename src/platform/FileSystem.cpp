#include "platform/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

namespace FileSystem {

QSet<FileId> filesHeldOpen() {
    QSet<FileId> open;
    const QDir proc("/proc");
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!pid.front().isDigit()) continue;
        const QDir fds("/proc/" + pid + "/fd");
        for (const QString& fd :
             fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            struct stat info {};
            if (::stat(QFile::encodeName(fds.filePath(fd)).constData(), &info) == 0)
                open.insert({quint64(info.st_dev), quint64(info.st_ino)});
        }
    }
    return open;
}

uint currentUser() { return ::geteuid(); }

bool makePrivateFolder(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    removeGroupAndOtherAccess(path);
    return QFileInfo(path).isDir();
}

QString privateFolder(const QString& path) {
    const QString real = QFileInfo(path).canonicalFilePath();
    struct stat info {};
    if (real.isEmpty() || ::stat(QFile::encodeName(real).constData(), &info) != 0) return {};
    const bool mine = S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
                      (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
    return mine ? real : QString();
}

void removeGroupAndOtherAccess(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0 || S_ISLNK(info.st_mode)) return;
    const mode_t mode = info.st_mode & 07777;
    const mode_t tightened = mode & ~mode_t(S_IRWXG | S_IRWXO);
    // Should the entry have become a link meanwhile, this refuses rather than follow it.
    if (tightened != mode) ::fchmodat(AT_FDCWD, name.constData(), tightened, AT_SYMLINK_NOFOLLOW);
}

bool renameNoReplace(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
    const int done = ::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(),
                                 RENAME_NOREPLACE);
    if (done == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without the no-replace flag: check first, then rename.
    struct stat info {};
    return ::lstat(target.constData(), &info) != 0 &&
           ::rename(source.constData(), target.constData()) == 0;
}

}  // namespace FileSystem
