#include "platform/FileSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

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

}  // namespace FileSystem
