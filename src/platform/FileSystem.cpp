#include "platform/FileSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

namespace FileSystem {

QSet<QString> filesHeldOpen() {
    QSet<QString> open;
    const QDir proc("/proc");
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!pid.front().isDigit()) continue;
        const QDir fds("/proc/" + pid + "/fd");
        for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            const QString target = QFile::symLinkTarget(fds.filePath(fd));
            if (!target.isEmpty()) open.insert(target);
        }
    }
    return open;
}

bool isFileOrLink(const QString& path) {
    struct stat info {};
    if (lstat(QFile::encodeName(path).constData(), &info) != 0) return false;
    return S_ISREG(info.st_mode) || S_ISLNK(info.st_mode);
}

bool removeEntry(const QString& path) { return ::unlink(QFile::encodeName(path).constData()) == 0; }

}  // namespace FileSystem
