#pragma once

#include <QString>

// A desktop-session autostart entry (a .desktop file in the autostart folder).
class AutostartEntry {
public:
    AutostartEntry(const QString& folder, const QString& name);

    QString filePath() const { return path_; }
    bool exists() const;
    // The entry can be read and the desktop has not switched it off (Hidden=true, or
    // X-GNOME-Autostart-enabled=false as GNOME's settings write it).
    bool enabled() const;
    // The Exec line as written (quoting kept), or an empty string when the file or the line is
    // missing.
    QString exec() const;
    // Each returns why it failed, or an empty string. Nothing to remove is no failure.
    QString write(const QString& command) const;
    QString remove() const;

    static constexpr const char* kCleanup = "ZKtmpdel";
    static constexpr const char* kClock = "ZORVEK Inc.TIME";

private:
    QString failure(const QString& reason) const;

    QString path_;
};
