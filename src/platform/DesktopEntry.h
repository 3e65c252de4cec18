#pragma once

#include <QHash>
#include <QStringList>
#include <optional>

// Reading and writing the freedesktop.org desktop entry format (.desktop files).
namespace DesktopEntry {

// The keys of the [Desktop Entry] group and their values, with the format's escapes
// (\s \n \t \r \\) undone; the first of two equal keys counts.
using Group = QHash<QString, QString>;

// No real entry comes near this size; reading a larger file would stall the program.
constexpr qint64 kMaxSize = 1 << 20;

// The file's [Desktop Entry] group; nothing when the file is not a regular file that can be
// read, or is larger than kMaxSize, which is never read.
std::optional<Group> read(const QString& path);

// A key's value; empty when the file, the group or the key is missing.
QString value(const QString& path, const QString& key);

// The program and arguments that the entry's Exec line names, its quoting undone and its field
// codes (%f, %U, ...) dropped. Empty without an Exec line; nothing when its quoting is broken.
std::optional<QStringList> execArguments(const Group& entry);

// What follows "Exec=" in a file for a line that runs the program with no arguments: quoted for
// the Exec rules, then escaped once more as every string value is.
QString execValue(const QString& program);

}  // namespace DesktopEntry
