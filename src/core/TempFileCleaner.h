#pragma once

#include <QByteArrayList>
#include <functional>

#include "platform/FolderHandle.h"

// Deletes leftover "*.tmp" files from one folder, working through a handle on it. It never
// follows a symbolic link, deletes only regular files and links that belong to the user, and
// leaves alone any file that a running process holds open. Names are the folder's own bytes.
class TempFileCleaner {
public:
    // What stays, each file counted once under its reason.
    struct Outcome {
        QByteArrayList left;  // the names given that are still there
        int inUse = 0;        // held open by a running process
        int refused = 0;      // another user's, or the folder does not allow deleting them
        int failed = 0;       // kept for any other reason
    };

    explicit TempFileCleaner(const QString& folder, uint user = FileSystem::currentUser());

    bool isOpen() const { return folder_.isOpen(); }
    // The folder's "*.tmp" regular files and links, whoever owns them, in name order.
    QByteArrayList list() const;
    // Deletes the named entries, no others; calls onFailure once for each that was not deleted.
    Outcome clean(const QByteArrayList& names, const std::function<void()>& onFailure) const;

private:
    bool isFileOrLink(const QByteArray& name) const;
    FolderHandle::Removal remove(const QByteArray& name,
                                 const QSet<FileSystem::FileId>& open) const;

    FolderHandle folder_;
    uint user_;
};
