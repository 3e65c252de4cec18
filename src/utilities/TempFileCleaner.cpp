#include "utilities/TempFileCleaner.h"

TempFileCleaner::TempFileCleaner(const QString& folder, uint user) : folder_(folder), user_(user) {}

bool TempFileCleaner::isFileOrLink(const QString& name) const {
    const auto entry = folder_.entry(name);
    return entry && entry->fileOrLink;
}

QStringList TempFileCleaner::list() const {
    QStringList found = folder_.fileNames();
    found.removeIf([](const QString& name) { return !name.endsWith(".tmp", Qt::CaseInsensitive); });
    return found;
}

FolderHandle::Removal TempFileCleaner::remove(const QString& name,
                                              const QSet<FileSystem::FileId>& open) const {
    using Removal = FolderHandle::Removal;
    const auto entry = folder_.entry(name);
    if (!entry) return Removal::Missing;
    if (!entry->fileOrLink) return Removal::Failed;  // replaced by a folder or the like
    if (entry->owner != user_) return Removal::NotPermitted;
    if (open.contains(entry->id)) return Removal::Busy;
    return folder_.remove(name);
}

TempFileCleaner::Outcome TempFileCleaner::clean(const QStringList& names,
                                                const std::function<void()>& onFailure) const {
    using Removal = FolderHandle::Removal;
    const QSet<FileSystem::FileId> open = FileSystem::filesHeldOpen();
    Outcome outcome;
    for (const QString& name : names) {
        const Removal removal = remove(name, open);
        if (removal == Removal::Removed) continue;
        onFailure();
        outcome.inUse += removal == Removal::Busy;
        outcome.refused += removal == Removal::NotPermitted;
        if (isFileOrLink(name)) outcome.left << name;
    }
    return outcome;
}
