#pragma once

#include <QString>
#include <QTime>
#include <array>
#include <optional>

class SettingsStore;

struct AlarmSlot {
    std::optional<QTime> time;  // empty when none is stored or it is unreadable: never rings
    QString message;
    int onoff = 0;
    bool once = false;
};

// The program-wide copy of the stored settings, refilled by every load of the clock window.
struct SettingsRecord {
    int LOCK = 0;
    int OPENCheck = 0;
    double left = 0;  // twips
    double top = 0;   // twips
    int Topmost = 0;
    std::array<AlarmSlot, 3> alarms;
    int saikin = 0;
    int Win = 0;
    bool reboot = false;
    int kidou = 0;
    QString kidoupath;
    int RQ = 0;
    bool btn0 = false;
    int tokeiG = 0;
    int SheduleColor = 0;
    int DateColor = 0;
    QString PW;
    int tmpdelRegistered = 0;

    // Reads every key, in the order in which the clock's load reads them; a stored DateColor of 0
    // reads as magenta.
    void load(const SettingsStore& store);
};

inline constexpr int kMagenta = 0xFF00FF;
