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
    // Why the last step that failed (the opening included) failed, in the system's words.
    QString errorString() const;
    // The names of its regular files and symbolic links, in byte order.
    QByteArrayList fileNames() const;
    std::optional<Entry> entry(const QByteArray& name) const;
    // Removes the entry itself; a link goes, what it points at stays.
    Removal remove(const QByteArray& name) const;
    // Writes a new private file beside the named entry and renames it over that entry, so a
    // reader sees the old contents or the new, and a link is replaced, never what it points at.
    bool replace(const QByteArray& name, const QByteArray& contents) const;

private:
    bool failed() const;

    int fd_ = -1;
    mutable int error_ = 0;
};
