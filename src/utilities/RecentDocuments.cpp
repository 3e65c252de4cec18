#include "utilities/RecentDocuments.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/FolderHandle.h"
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

// Hidden files, folders and anything else that is not a file or a link stay. A file that a
// running program holds open counts as in use and stays too.
void clearFolder(const QString& folder, Dialogs& dialogs) {
    const FolderHandle handle(folder);
    if (!handle.isOpen()) return;
    const QSet<FileSystem::FileId> open = FileSystem::filesHeldOpen();
    for (const QByteArray& name : handle.fileNames()) {
        if (name.startsWith('.')) continue;
        const std::optional<FolderHandle::Entry> entry = handle.entry(name);
        if (!entry || !entry->fileOrLink) continue;  // replaced meanwhile
        if (open.contains(entry->id) || handle.remove(name) != FolderHandle::Removal::Removed)
            dialogs.beep();
    }
}

// Written whole beside the old list and renamed over it, so a reader never sees half a list. A
// link is replaced by a file of its own; what it pointed at is left as it was.
bool clearSharedList(const QString& path) {
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) return true;
    const QFileInfo info(path);
    if (info.isSymLink() && FolderHandle(info.path()).remove(QFile::encodeName(info.fileName())) !=
                                FolderHandle::Removal::Removed)
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(kEmptyList) > 0 && file.commit();
}

}  // namespace

void clear(const Locations& locations, Dialogs& dialogs) {
    clearFolder(locations.recentDocumentsFolder(), dialogs);
    if (!clearSharedList(locations.recentlyUsedFile())) dialogs.beep();
}

}  // namespace RecentDocuments
