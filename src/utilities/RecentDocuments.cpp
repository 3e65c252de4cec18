#include "utilities/RecentDocuments.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Locations.h"

namespace RecentDocuments {

namespace {

const char kEmptyList[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<xbel version=\"1.0\"\n"
    "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
    "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n"
    ">\n"
    "</xbel>\n";

// A file that a running program holds open counts as in use and stays.
void clearFolder(const QString& folder, Dialogs& dialogs) {
    const QSet<QString> open = FileSystem::filesHeldOpen();
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    const QDir dir(folder);
    const auto visible = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;  // not Hidden
    for (const QString& name : dir.entryList(visible)) {
        const QString path = dir.filePath(name);
        if (!FileSystem::isFileOrLink(path)) continue;
        if (open.contains(canonicalFolder + "/" + name) || !FileSystem::removeEntry(path))
            dialogs.beep();
    }
}

// Written whole beside the old list and renamed over it, so a reader never sees half a list. A
// link is replaced by a file of its own; what it pointed at is left as it was.
bool clearSharedList(const QString& path) {
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) return true;
    if (QFileInfo(path).isSymLink() && !FileSystem::removeEntry(path)) return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(kEmptyList) > 0 && file.commit();
}

}  // namespace

void clear(const Locations& locations, Dialogs& dialogs) {
    clearFolder(locations.recentDocumentsFolder(), dialogs);
    if (!clearSharedList(locations.recentlyUsedFile())) dialogs.beep();
}

}  // namespace RecentDocuments
