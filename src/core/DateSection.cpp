#include "core/DateSection.h"

#include <QDate>

#include "core/SettingsStore.h"
#include "core/StoredValue.h"

namespace DateSection {

QString dateKey(int year, int month, int day) {
    return QDate(year, month, day).toString(QStringLiteral("yyyy/MM/dd"));
}

QList<QByteArray> storedNotes(const SettingsStore& store, const QString& key) {
    QList<QByteArray> notes;
    for (int n = 1; n <= kNoteSlots; ++n) {
        const QByteArray note = store.getBytes(key, QString::number(n)).value_or(QByteArray());
        if (note.isEmpty()) break;
        notes << note;
    }
    return notes;
}

QStringList loadNotes(const SettingsStore& store, const QString& key) {
    QStringList notes;
    for (const QByteArray& note : storedNotes(store, key)) notes << QString::fromUtf8(note);
    return notes;
}

bool saveNotes(SettingsStore& store, const QString& key, const QList<QByteArray>& notes,
               const QByteArray& colour) {
    return store.transaction([&] {
        // A section that does not exist cannot be deleted; make sure it does.
        if (!store.save(key, "1", "1") || !store.deleteSection(key)) return false;
        int n = 0;
        for (const QByteArray& note : notes) {
            if (note.isEmpty() || n == kNoteSlots) break;
            if (!store.saveBytes(key, QString::number(++n), note)) return false;
        }
        return n == 0 || store.saveBytes(key, "Color", colour);
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
