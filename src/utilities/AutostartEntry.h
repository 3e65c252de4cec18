#pragma once

#include <QString>

// A desktop-session autostart entry (a .desktop file in the autostart folder).
class AutostartEntry {
public:
    AutostartEntry(const QString& folder, const QString& name);

    QString filePath() const { return path_; }
    bool exists() const;
    // The Exec line as written (quoting kept), or an empty string when the file or the line is
    // missing.
    QString exec() const;
    bool write(const QString& command) const;
    bool remove() const;

    static constexpr const char* kCleanup = "ZKtmpdel";
    static constexpr const char* kClock = "ZORVEK Inc.TIME";

private:
    QString path_;
};
