#include "utilities/TempFileCleaner.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace TempFileCleaner {

QStringList list(const QString& folder) {
    return QDir(folder).entryList({"*.tmp"}, QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
}

QSet<QString> openFiles() {
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

namespace {

// lstat, not stat: a link is judged as itself, never by what it points at.
bool isFileOrLink(const QString& path) {
    struct stat info {};
    if (lstat(QFile::encodeName(path).constData(), &info) != 0) return false;
    return S_ISREG(info.st_mode) || S_ISLNK(info.st_mode);
}

}  // namespace

QStringList clean(const QString& folder, const std::function<void()>& onFailure) {
    const QSet<QString> open = openFiles();
    const QDir dir(folder);
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    for (const QString& name : list(folder)) {
        const QString path = dir.filePath(name);
        const bool inUse = open.contains(canonicalFolder + "/" + name);
        if (inUse || !isFileOrLink(path) || ::unlink(QFile::encodeName(path).constData()) != 0)
            onFailure();
    }
    return list(folder);
}

}  // namespace TempFileCleaner
