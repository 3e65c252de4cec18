#pragma once

#include <QString>
#include <functional>

struct sqlite3;

// The per-user settings store: text values under (section, key), names compared without regard
// to letter case, every value returned exactly as saved.
class SettingsStore {
public:
    // What opening found; damagedCopy names a file that could not be read as a store and was
    // moved aside; writable is false when the store could only be opened for reading.
    struct OpenReport {
        QString damagedCopy;
        bool writable = true;
        QString problem;
    };

    explicit SettingsStore(const QString& path);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    const OpenReport& openReport() const { return report_; }

    QString get(const QString& section, const QString& key, const QString& fallback) const;
    bool save(const QString& section, const QString& key, const QString& value);
    // Both deletes fail when there is nothing to delete.
    bool deleteSection(const QString& section);
    bool deleteKey(const QString& section, const QString& key);

    // Runs the steps as one transaction; it is committed when they return true.
    bool transaction(const std::function<bool()>& steps);

    QString lastError() const { return lastError_; }
    // Called with the reason whenever a write fails.
    void onWriteFailure(std::function<void(const QString&)> handler) { writeFailed_ = handler; }

private:
    bool openFile(int flags, const QString& uri);
    bool prepareSchema();
    void openInMemory();
    void moveDamagedAside();
    bool exec(const char* sql);
    bool changeRows(const char* sql, const QStringList& args, bool mustChange);
    bool fail(const QString& reason);

    QString path_;
    sqlite3* db_ = nullptr;
    OpenReport report_;
    QString lastError_;
    int transactionDepth_ = 0;
    std::function<void(const QString&)> writeFailed_;
};
