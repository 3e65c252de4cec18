#include "core/TempFileCleaner.h"

TempFileCleaner::TempFileCleaner(const QString& folder, uint user) : folder_(folder), user_(user) {}

bool TempFileCleaner::isFileOrLink(const QByteArray& name) const {
    const auto entry = folder_.entry(name);
    return entry && entry->fileOrLink;
}

QByteArrayList TempFileCleaner::list() const {
    QByteArrayList found = folder_.fileNames();
    found.removeIf([](const QByteArray& name) { return !name.toLower().endsWith(".tmp"); });
    return found;
}

FolderHandle::Removal TempFileCleaner::remove(const QByteArray& name,
                                              const QSet<FileSystem::FileId>& open) const {
    using Removal = FolderHandle::Removal;
    const auto entry = folder_.entry(name);
    if (!entry) return Removal::Missing;
    if (!entry->fileOrLink) return Removal::Failed;  // replaced by a folder or the like
    if (entry->owner != user_) return Removal::NotPermitted;
    if (open.contains(entry->id)) return Removal::Busy;
    return folder_.remove(name);
}

TempFileCleaner::Outcome TempFileCleaner::clean(const QByteArrayList& names,
                                                const std::function<void()>& onFailure) const {
    using Removal = FolderHandle::Removal;
    const QSet<FileSystem::FileId> open = FileSystem::filesHeldOpen();
    Outcome outcome;
    for (const QByteArray& name : names) {
        const Removal removal = remove(name, open);
        if (removal == Removal::Removed) continue;
        onFailure();
        if (!isFileOrLink(name)) continue;  // gone after all, or no longer a file
        outcome.left << name;
        ++(removal == Removal::Busy           ? outcome.inUse
           : removal == Removal::NotPermitted ? outcome.refused
                                              : outcome.failed);
    }
    return outcome;
}
