#pragma once

#include <QHashFunctions>
#include <QSet>
#include <QString>

// File-system facts and operations that Qt does not offer. Each acts on the entry itself and
// never through a symbolic link.
namespace FileSystem {

// A file's identity, whatever names lead to it.
struct FileId {
    quint64 device = 0;
    quint64 inode = 0;
    friend bool operator==(const FileId&, const FileId&) = default;
};
inline size_t qHash(const FileId& id, size_t seed = 0) {
    return qHashMulti(seed, id.device, id.inode);
}

// The files that some process visible to us holds open.
QSet<FileId> filesHeldOpen();

// The user this program runs as.
uint currentUser();

// Creates the folder and its missing parents; the folder itself is owner-only.
bool makePrivateFolder(const QString& path);
// The folder a path leads to, when the current user owns it and nobody else may enter it;
// empty otherwise.
QString privateFolder(const QString& path);
// Takes every permission away from group and others; the owner's stay as they are. A symbolic
// link is left alone, and so is what it points at.
void removeGroupAndOtherAccess(const QString& path);
// Renames a file or folder; fails rather than replace anything at the new name.
bool renameNoReplace(const QString& from, const QString& to);

}  // namespace FileSystem
