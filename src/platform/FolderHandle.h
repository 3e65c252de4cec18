#pragma once

#include <QByteArrayList>
#include <optional>

#include "platform/FileSystem.h"

// An open folder. Its entries are listed, examined and removed through the handle, so a folder
// renamed or replaced meanwhile cannot redirect any step; no symbolic link is followed, not
// even the folder's own name. Entry names are the bytes the folder holds, whatever their
// encoding, so that every entry can be reached by its name.
class FolderHandle {
public:
    struct Entry {
        bool fileOrLink = false;  // a regular file or a symbolic link, nothing else
        uint owner = 0;
        FileSystem::FileId id;
    };
    enum class Removal { Removed, Missing, NotPermitted, Busy, Failed };

    explicit FolderHandle(const QString& path);
    ~FolderHandle();
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // The names of its regular files and symbolic links, in byte order.
    QByteArrayList fileNames() const;
    std::optional<Entry> entry(const QByteArray& name) const;
    // Removes the entry itself; a link goes, what it points at stays.
    Removal remove(const QByteArray& name) const;

private:
    int fd_ = -1;
};
