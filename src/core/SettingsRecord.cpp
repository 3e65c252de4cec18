#include "core/SettingsRecord.h"

#include "core/Keys.h"
#include "core/SettingsStore.h"

void SettingsRecord::load(const SettingsStore& store) {
    lockState = store.read(Keys::lockState);
    greetingOff = store.read(Keys::greetingOff);
    clockLeft = store.read(Keys::clockLeft).value;
    clockTop = store.read(Keys::clockTop).value;
    keptInFront = store.read(Keys::keptInFront);
    for (size_t slot = 0; slot < alarms.size(); ++slot) {
        alarms[slot].time = store.read(Keys::alarmTime[slot]);
        alarms[slot].message = store.read(Keys::alarmMessage[slot]);
        alarms[slot].on = store.read(Keys::alarmOn[slot]);
        alarms[slot].once = store.read(Keys::alarmOnce[slot]);
    }
    clearRecentOnDoubleClick = store.read(Keys::clearRecentOnDoubleClick);
    powerOnDoubleClick = store.read(Keys::powerOnDoubleClick);
    restartNotShutDown = store.read(Keys::restartNotShutDown);
    launchOnDoubleClick = store.read(Keys::launchOnDoubleClick);
    launchCommand = store.read(Keys::launchCommand);
    exitControls = store.read(Keys::exitControls);
    exitControlsAsButtons = store.read(Keys::exitControlsAsButtons);
    titleBarColours = store.read(Keys::titleBarColours);
    scheduleColour = store.read(Keys::scheduleColour);
    dateColour = store.read(Keys::dateColour);
    if (dateColour == 0) dateColour = kMagenta;
    password = store.read(Keys::password);
}

namespace {

template <typename Field, typename Value>
bool keepIfStored(bool stored, Field& field, const Value& value) {
    if (stored) field = value;
    return stored;
}

template <typename T, typename Field>
bool keep(SettingsStore& store, const Setting<T>& setting, Field& field, const Field& value) {
    field = value;
    return store.write(setting, value);
}

}  // namespace

bool SettingsRecord::storeLockState(SettingsStore& store, int state) {
    return keepIfStored(store.write(Keys::lockState, state), lockState, state);
}

bool SettingsRecord::storePassword(SettingsStore& store, const QString& text) {
    return keepIfStored(store.write(Keys::password, text), password, text);
}

bool SettingsRecord::storeGreetingOff(SettingsStore& store, bool off) {
    return keep(store, Keys::greetingOff, greetingOff, off ? 1 : 0);
}

bool SettingsRecord::storeScheduleColour(SettingsStore& store, int colour) {
    return keep(store, Keys::scheduleColour, scheduleColour, colour);
}

bool SettingsRecord::storeDateColour(SettingsStore& store, int colour) {
    return keep(store, Keys::dateColour, dateColour, colour);
}

bool SettingsRecord::storeAlarmOn(SettingsStore& store, int slot, bool on) {
    return keep(store, Keys::alarmOn[size_t(slot)], alarms[size_t(slot)].on, on ? 1 : 0);
}
