#pragma once

#include <QTime>
#include <array>
#include <optional>

// A position or length in twips, 15 to a pixel, as positions are stored.
struct Twips {
    int value = 0;
};

// One stored setting: its section and key exactly as stored files have them (names compare
// without regard to letter case), the text a missing key reads as, and, by its type, how its
// text converts: int (a number; flags are "0" or "1"), bool ("True" or "False"), QString (as
// written), Twips, and a time of day (none when unreadable). Read and written through
// SettingsStore::read and write.
template <typename T>
struct Setting {
    const char* section;
    const char* key;
    const char* fallback;
};

// Every stored setting but the dates' sections, which are named after their dates (DateSection).
namespace Keys {

// The clock strip.
inline constexpr Setting<Twips> clockLeft{"set", "left", "0"};
inline constexpr Setting<Twips> clockTop{"set", "top", "0"};
inline constexpr Setting<int> keptInFront{"set", "Topmost", "0"};
inline constexpr Setting<int> exitControls{"o", "RQ", "0"};
inline constexpr Setting<bool> exitControlsAsButtons{"o", "btn0", "0"};
inline constexpr Setting<int> titleBarColours{"o", "tokeiG", "0"};

// The alarms, slot 1 to 3 at index 0 to 2.
using AlarmKeys = std::array<Setting<std::optional<QTime>>, 3>;
inline constexpr AlarmKeys alarmTime{
    {{"ALM", "ALMTIM1", "0"}, {"ALM", "ALMTIM2", "0"}, {"ALM", "ALMTIM3", "0"}}};
inline constexpr std::array<Setting<QString>, 3> alarmMessage{
    {{"ALM", "MSG1", ""}, {"ALM", "MSG2", ""}, {"ALM", "MSG3", ""}}};
inline constexpr std::array<Setting<int>, 3> alarmOn{
    {{"ALM", "onoff1", "0"}, {"ALM", "onoff2", "0"}, {"ALM", "onoff3", "0"}}};
inline constexpr std::array<Setting<bool>, 3> alarmOnce{
    {{"ALM", "day1", "0"}, {"ALM", "day2", "0"}, {"ALM", "day3", "0"}}};

// What a double click on the time does.
inline constexpr Setting<int> clearRecentOnDoubleClick{"c", "saikin", "0"};
inline constexpr Setting<int> powerOnDoubleClick{"c", "Win", "0"};
inline constexpr Setting<bool> restartNotShutDown{"c", "reboot", "0"};
inline constexpr Setting<int> launchOnDoubleClick{"c", "kidou", "0"};
inline constexpr Setting<QString> launchCommand{"c", "kidouPath", ""};

// The calendar, the greeting window and the lock.
inline constexpr Setting<int> scheduleColour{"set", "SheduleColor", "0"};
inline constexpr Setting<int> dateColour{"set", "DateColor", "0"};
inline constexpr Setting<int> greetingOff{"set", "OPENCheck", "0"};
inline constexpr Setting<int> lockState{"set", "LOCK", "0"};
inline constexpr Setting<QString> password{"set", "PW", ""};

// The settings window's own place and tab.
inline constexpr Setting<int> settingsTab{"set", "Tab", "0"};
inline constexpr Setting<Twips> settingsLeft{"set", "tool1left", "0"};
inline constexpr Setting<Twips> settingsTop{"set", "tool1top", "0"};

}  // namespace Keys
