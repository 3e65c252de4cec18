#include "core/RecentDocuments.h"

#include <QFile>
#include <QFileInfo>

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
const QString kNotCleared = QStringLiteral("最近使ったファイルを消去できませんでした。");
const QString kInUse = QStringLiteral("使用中のファイルは消去できません");
const QString kLinkedFolder = QStringLiteral("シンボリックリンクのため消去しません");

// A folder that is not there holds nothing; one that is a link is not followed but told.
QStringList unopened(const QString& folder, const FolderHandle& handle) {
    const QFileInfo info(folder);
    if (info.isSymLink()) return {kLinkedFolder};
    return info.exists() ? QStringList{handle.errorString()} : QStringList{};
}

// Hidden files, folders and anything else that is not a file or a link stay. A file that a
// running program holds open counts as in use and stays too. One reason for each that stays.
QStringList clearFolder(const QString& folder) {
    const FolderHandle handle(folder);
    if (!handle.isOpen()) return unopened(folder, handle);
    const QSet<FileSystem::FileId> open = FileSystem::filesHeldOpen();
    QStringList reasons;
    for (const QByteArray& name : handle.fileNames()) {
        if (name.startsWith('.')) continue;
        const std::optional<FolderHandle::Entry> entry = handle.entry(name);
        if (!entry || !entry->fileOrLink) continue;  // replaced meanwhile
        if (open.contains(entry->id))
            reasons << kInUse;
        else if (handle.remove(name) != FolderHandle::Removal::Removed)
            reasons << handle.errorString();
    }
    return reasons;
}

// Written whole beside the old list and renamed over it, so a reader never sees half a list, and
// the user replaces a list that another user left or that nobody may read, as the folder is
// theirs. A link is replaced by a file of its own; what it pointed at is left as it was.
std::optional<QString> clearSharedList(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return std::nullopt;
    // The data folder itself may be a link: some keep it on another disk.
    const FolderHandle folder(QFileInfo(info.path()).canonicalFilePath());
    if (folder.isOpen() && folder.replace(QFile::encodeName(info.fileName()), kEmptyList))
        return std::nullopt;
    return folder.errorString();
}

}  // namespace

QStringList clear(const Locations& locations, Dialogs& dialogs) {
    const QString folder = locations.recentDocumentsFolder(), list = locations.recentlyUsedFile();
    QStringList failures;
    for (const QString& reason : clearFolder(folder)) failures << folder + ": " + reason;
    if (const std::optional<QString> reason = clearSharedList(list))
        failures << list + ": " + *reason;
    for (qsizetype i = 0; i < failures.size(); ++i) dialogs.beep();
    failures.removeDuplicates();
    return failures;
}

void report(const QStringList& failures, Dialogs& dialogs, QWidget* parent) {
    if (failures.isEmpty()) return;
    dialogs.message(parent, (QStringList{kNotCleared} + failures).join("\r\n"),
                    Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
}

}  // namespace RecentDocuments
