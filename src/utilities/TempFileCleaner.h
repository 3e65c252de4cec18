#pragma once

#include <QStringList>
#include <functional>

#include "platform/FolderHandle.h"

// Deletes leftover "*.tmp" files from one folder, working through a handle on it. It never
// follows a symbolic link, deletes only regular files and links that belong to the user, and
// leaves alone any file that a running process holds open.
class TempFileCleaner {
public:
    struct Outcome {
        QStringList left;  // the names given that are still there
        int inUse = 0;     // held open by a running process
        int refused = 0;   // another user's, or the folder does not allow deleting them
    };

    explicit TempFileCleaner(const QString& folder, uint user = FileSystem::currentUser());

    bool isOpen() const { return folder_.isOpen(); }
    // The folder's "*.tmp" regular files and links, whoever owns them, in name order.
    QStringList list() const;
    // Deletes the named entries, no others; calls onFailure once for each that was not deleted.
    Outcome clean(const QStringList& names, const std::function<void()>& onFailure) const;

private:
    bool isFileOrLink(const QString& name) const;
    FolderHandle::Removal remove(const QString& name, const QSet<FileSystem::FileId>& open) const;

    FolderHandle folder_;
    uint user_;
};
