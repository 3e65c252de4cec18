#pragma once

#include <QStringList>

class SettingsStore;

// A date's section of the store: its notes under "1" to "5", dense from "1", and its own colour
// under "Color". The section is named after the date, the same whatever the locale.
namespace DateSection {

inline constexpr int kNoteSlots = 5;

// yyyy/MM/dd, zero-padded.
QString dateKey(int year, int month, int day);

// The notes in key order, up to the first key that is missing or empty: as stored, and as text.
QList<QByteArray> storedNotes(const SettingsStore& store, const QString& key);
QStringList loadNotes(const SettingsStore& store, const QString& key);
// Rewrites the section in one transaction, so that a crash leaves the old notes or the new ones:
// the notes under dense keys and, while there are any, the colour, each byte for byte. No notes,
// no section.
bool saveNotes(SettingsStore& store, const QString& key, const QList<QByteArray>& notes,
               const QByteArray& colour);
bool hasNotes(const SettingsStore& store, const QString& key);

// A colour is 0x00BBGGRR; 0 stands for none.
inline bool isColour(int value) { return value > 0 && value <= 0xFFFFFF; }
// A stored colour, or 0 for anything but the decimal text of a colour.
int toColour(const QString& text);
int colour(const SettingsStore& store, const QString& key);

}  // namespace DateSection
