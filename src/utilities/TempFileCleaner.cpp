#include "utilities/TempFileCleaner.h"

#include <QDir>
#include <QFileInfo>

#include "platform/FileSystem.h"

namespace TempFileCleaner {

QStringList list(const QString& folder) {
    return QDir(folder).entryList({"*.tmp"}, QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
}

QStringList clean(const QString& folder, const std::function<void()>& onFailure) {
    const QSet<QString> open = FileSystem::filesHeldOpen();
    const QDir dir(folder);
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    for (const QString& name : list(folder)) {
        const QString path = dir.filePath(name);
        const bool inUse = open.contains(canonicalFolder + "/" + name);
        if (inUse || !FileSystem::isFileOrLink(path) || !FileSystem::removeEntry(path)) onFailure();
    }
    return list(folder);
}

}  // namespace TempFileCleaner
