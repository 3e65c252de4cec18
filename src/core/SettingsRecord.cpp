#include "core/SettingsRecord.h"

#include <functional>
#include <vector>

#include "core/SettingsStore.h"
#include "core/StoredValue.h"

namespace {

using Setter = std::function<void(SettingsRecord&, const QString&)>;

struct Field {
    const char* section;
    QString key;
    const char* fallback;
    Setter set;
};

Setter integer(int SettingsRecord::*member) {
    return [member](SettingsRecord& r, const QString& t) { r.*member = StoredValue::toInt(t); };
}
Setter position(double SettingsRecord::*member) {
    return [member](SettingsRecord& r, const QString& t) { r.*member = StoredValue::toTwips(t); };
}
Setter boolean(bool SettingsRecord::*member) {
    return [member](SettingsRecord& r, const QString& t) { r.*member = StoredValue::toBool(t); };
}
Setter text(QString SettingsRecord::*member) {
    return [member](SettingsRecord& r, const QString& t) { r.*member = t; };
}

void addAlarm(std::vector<Field>& fields, int slot) {
    const QString n = QString::number(slot + 1);
    fields.push_back({"ALM", "ALMTIM" + n, "0", [slot](SettingsRecord& r, const QString& t) {
                          r.alarms[slot].time = StoredValue::parseTime(t);
                      }});
    fields.push_back({"ALM", "MSG" + n, "",
                      [slot](SettingsRecord& r, const QString& t) { r.alarms[slot].message = t; }});
    fields.push_back({"ALM", "onoff" + n, "0", [slot](SettingsRecord& r, const QString& t) {
                          r.alarms[slot].onoff = StoredValue::toInt(t);
                      }});
    fields.push_back({"ALM", "day" + n, "0", [slot](SettingsRecord& r, const QString& t) {
                          r.alarms[slot].once = StoredValue::toBool(t);
                      }});
}

// The keys in the order the clock window's load reads them.
std::vector<Field> fieldTable() {
    std::vector<Field> fields = {
        {"set", "LOCK", "0", integer(&SettingsRecord::LOCK)},
        {"set", "OPENCheck", "0", integer(&SettingsRecord::OPENCheck)},
        {"set", "left", "0", position(&SettingsRecord::left)},
        {"set", "top", "0", position(&SettingsRecord::top)},
        {"set", "Topmost", "0", integer(&SettingsRecord::Topmost)},
    };
    for (int slot = 0; slot < 3; ++slot) addAlarm(fields, slot);
    const std::vector<Field> rest = {
        {"c", "saikin", "0", integer(&SettingsRecord::saikin)},
        {"c", "Win", "0", integer(&SettingsRecord::Win)},
        {"c", "reboot", "0", boolean(&SettingsRecord::reboot)},
        {"c", "kidou", "0", integer(&SettingsRecord::kidou)},
        {"c", "kidoupath", "", text(&SettingsRecord::kidoupath)},
        {"o", "RQ", "0", integer(&SettingsRecord::RQ)},
        {"o", "btn0", "0", boolean(&SettingsRecord::btn0)},
        {"o", "tokeiG", "0", integer(&SettingsRecord::tokeiG)},
        {"set", "SheduleColor", "0", integer(&SettingsRecord::SheduleColor)},
        {"set", "DateColor", "0", integer(&SettingsRecord::DateColor)},
        {"set", "PW", "", text(&SettingsRecord::PW)},
    };
    fields.insert(fields.end(), rest.begin(), rest.end());
    return fields;
}

}  // namespace

void SettingsRecord::load(const SettingsStore& store) {
    static const std::vector<Field> fields = fieldTable();
    for (const Field& field : fields) field.set(*this, store.get(field.section, field.key, field.fallback));
    if (DateColor == 0) DateColor = kMagenta;
}
