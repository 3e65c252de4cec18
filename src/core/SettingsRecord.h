#pragma once

#include <QString>
#include <QTime>
#include <array>
#include <optional>

class SettingsStore;

struct AlarmSlot {
    std::optional<QTime> time;  // empty when none is stored or it is unreadable: never rings
    QString message;
    int on = 0;  // exactly 1 is on
    bool once = false;
};

// The program-wide copy of the stored settings, refilled by every load of the clock window.
// Settings that change while the program runs (the lock, the password, the colours, the
// greeting's switch, an alarm's switch) are written through it, each by one function that says
// whether the store took the value. The lock and the password are kept in memory only then, so
// that nothing claims a lock or a password that the next start would not find; the others are
// kept in any case, as the clock goes on from them.
struct SettingsRecord {
    int lockState = 0;    // 1 locked at start; any value but 0 asks for the password
    int greetingOff = 0;  // 0: the greeting window shows at start
    int clockLeft = 0;    // twips
    int clockTop = 0;     // twips
    int keptInFront = 0;  // 1: the strip stays above other windows
    std::array<AlarmSlot, 3> alarms;
    int clearRecentOnDoubleClick = 0;
    int powerOnDoubleClick = 0;
    bool restartNotShutDown = false;
    int launchOnDoubleClick = 0;
    QString launchCommand;
    int exitControls = 0;  // 1: the strip is widened for R and Q
    bool exitControlsAsButtons = false;
    int titleBarColours = 0;  // 1: title-bar colours, 0: the gradient; other values change nothing
    int scheduleColour = 0;
    int dateColour = 0;
    QString password;
    bool cleanupAtLogin = false;  // not stored here: whether ZKtmpdel's autostart entry is on

    // Reads every key, in the order in which the clock's load reads them; a stored date colour
    // of 0 reads as magenta.
    void load(const SettingsStore& store);

    bool storeLockState(SettingsStore& store, int state);
    bool storePassword(SettingsStore& store, const QString& text);
    // Kept in memory whether or not they are stored.
    bool storeGreetingOff(SettingsStore& store, bool off);
    bool storeScheduleColour(SettingsStore& store, int colour);
    bool storeDateColour(SettingsStore& store, int colour);
    // slot 0 to 2.
    bool storeAlarmOn(SettingsStore& store, int slot, bool on);
};

inline constexpr int kMagenta = 0xFF00FF;
