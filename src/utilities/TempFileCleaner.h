#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Deletes leftover "*.tmp" files from one folder. It never follows a symbolic link, never
// deletes a folder, and leaves alone any file that a running process holds open.
namespace TempFileCleaner {

// The names of the folder's "*.tmp" entries that are files or links, in name order.
QStringList list(const QString& folder);

// Deletes every listed entry that is not open; calls onFailure once for each entry that could
// not be deleted. Returns the names still present afterwards.
QStringList clean(const QString& folder, const std::function<void()>& onFailure);

}  // namespace TempFileCleaner
