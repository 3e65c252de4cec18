#pragma once

#include <QSet>
#include <QString>

// File-system facts that Qt does not offer: which files running processes hold open, and
// entries judged and removed as themselves, never through a symbolic link.
namespace FileSystem {

// Paths that some process visible to us holds open.
QSet<QString> filesHeldOpen();
// A regular file or a symbolic link (not what it points at).
bool isFileOrLink(const QString& path);
// Removes the directory entry itself; a link goes, its target stays.
bool removeEntry(const QString& path);

}  // namespace FileSystem
