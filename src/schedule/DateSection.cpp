#include "schedule/DateSection.h"

#include <QDate>

#include "settings/SettingsStore.h"
#include "settings/StoredValue.h"

namespace DateSection {

QString DateKey(int year, int month, int day) {
    return QDate(year, month, day).toString(QStringLiteral("yyyy/MM/dd"));
}

QStringList LoadDateNotes(const SettingsStore& store, const QString& key) {
    QStringList notes;
    for (int n = 1; n <= kNoteSlots; ++n) {
        const QString note = store.get(key, QString::number(n), "");
        if (note.isEmpty()) break;
        notes << note;
    }
    return notes;
}

bool SaveDateNotes(SettingsStore& store, const QString& key, const QStringList& notes,
                   const QString& colour) {
    return store.transaction([&] {
        // A section that does not exist cannot be deleted; make sure it does.
        if (!store.save(key, "1", "1") || !store.deleteSection(key)) return false;
        int n = 0;
        for (const QString& note : notes) {
            if (note.isEmpty() || n == kNoteSlots) break;
            if (!store.save(key, QString::number(++n), note)) return false;
        }
        return n == 0 || store.save(key, "Color", colour);
    });
}

bool hasNotes(const SettingsStore& store, const QString& key) {
    return !store.get(key, "1", "").isEmpty();
}

int toColour(const QString& text) {
    const int value = StoredValue::toInt(text);
    return isColour(value) ? value : 0;
}

int colour(const SettingsStore& store, const QString& key) {
    return toColour(store.get(key, "Color", "0"));
}

}  // namespace DateSection
