#pragma once

#include <QStringList>
#include <optional>

// Reading and writing the freedesktop.org desktop entry format (.desktop files).
namespace DesktopEntry {

// A key's value in the [Desktop Entry] group, with the format's escapes (\s \n \t \r \\)
// undone; empty when the file, the group or the key is missing.
QString value(const QString& path, const QString& key);

// The program and arguments that the entry's Exec line names, its quoting undone and its field
// codes (%f, %U, ...) dropped. Empty without an Exec line; nothing when its quoting is broken.
std::optional<QStringList> execArguments(const QString& path);

// What follows "Exec=" in a file for a line that runs the program with no arguments: quoted for
// the Exec rules, then escaped once more as every string value is.
QString execValue(const QString& program);

}  // namespace DesktopEntry
