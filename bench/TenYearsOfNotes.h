#pragma once

#include <QDate>

#include "core/DateSection.h"
#include "core/SettingsStore.h"

// Two notes and a colour on every date from 2017 to 2026, as a store used for years holds them.
inline void seedTenYearsOfNotes(const QString& storePath) {
    SettingsStore store(storePath);
    store.transaction([&] {
        for (QDate d(2017, 1, 1); d < QDate(2027, 1, 1); d = d.addDays(1)) {
            const QString key = DateSection::dateKey(d.year(), d.month(), d.day());
            store.save(key, "1", "会議 " + d.toString());
            store.save(key, "2", "メモ");
            store.save(key, "Color", "65535");
        }
        return true;
    });
}
