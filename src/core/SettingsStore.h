#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>

#include "core/StoredValue.h"

struct sqlite3;

// The per-user settings store: text values under (section, key), names compared without regard
// to letter case, every value returned exactly as saved.
class SettingsStore {
public:
    // What opening found. A file that failed the check was kept aside as damagedCopy and the
    // values that could still be read from it were copied into the fresh store. When writable
    // is false, problem says why, and every write fails.
    struct OpenReport {
        QString damagedCopy;
        int salvaged = 0;
        bool writable = true;
        QString problem;
    };

    // One user action (Apply, OK, a close, a note, a lock change). Its first failing write is
    // reported; later ones are not, and no longer wait for a lock held by another program. An
    // action opened inside another one is part of it. A write outside any action is an action
    // of its own.
    class Action {
    public:
        explicit Action(SettingsStore& store);
        ~Action();
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;
        // Whether a write of this action, or of the one it is part of, has failed so far.
        bool failed() const { return store_.actionFailed_; }

    private:
        SettingsStore& store_;
    };

    explicit SettingsStore(const QString& path);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    const OpenReport& openReport() const { return report_; }

    // Opening reads only what it must; whether every page of the file is sound is checked here,
    // on a thread of its own, or at the latest before the first write. A damaged file is then
    // kept aside and salvaged as at opening (openReport says so), and the handler is called.
    void checkInBackground();
    void onDamageFound(std::function<void()> handler) { damageFound_ = std::move(handler); }

    // A setting of the key table, converted as its type says.
    template <typename T>
    T read(const Setting<T>& setting) const {
        return StoredValue::as<T>(get(setting.section, setting.key, setting.fallback),
                                  setting.fallback);
    }
    template <typename T>
    bool write(const Setting<T>& setting, const std::type_identity_t<T>& value) {
        return save(setting.section, setting.key, StoredValue::text(value));
    }

    // Any section and key: the dates' sections, and what the key table's reads are made of.
    QString get(const QString& section, const QString& key, const QString& fallback) const;
    bool save(const QString& section, const QString& key, const QString& value);
    // The stored bytes as they are, for a value written back unchanged: a value that is not
    // UTF-8 (written by hand or by an older program) would not survive a round trip as text.
    std::optional<QByteArray> getBytes(const QString& section, const QString& key) const;
    bool saveBytes(const QString& section, const QString& key, const QByteArray& value);
    // Both deletes fail when there is nothing to delete.
    bool deleteSection(const QString& section);
    bool deleteKey(const QString& section, const QString& key);

    // Runs the steps as one transaction; it is committed when they return true.
    bool transaction(const std::function<bool()>& steps);

    QString lastError() const { return lastError_; }
    // A failure to keep a setting outside the store (an autostart entry), reported as a failing
    // write of the store is: once per action.
    void reportFailure(const QString& reason) { fail(reason); }
    // Called with the reason for the first failing write of each action.
    void onWriteFailure(std::function<void(const QString&)> handler) { writeFailed_ = handler; }

private:
    enum class Verdict { Writable, Damaged, Unusable };
    enum class PageCheck { NotStarted, Running, Settled };

    bool openFile(int flags, const QString& uri);
    Verdict openStore();
    Verdict check();
    static Verdict checkPages(sqlite3* db);
    void settlePageCheck();
    bool startWriting();
    Verdict replaceDamaged();
    bool schemaFits();
    bool keepAside();
    int salvage(const QString& copy);
    void tightenFiles() const;
    void fallBackToReading();
    void openInMemory();
    QString reason() const;
    QString firstText(const char* sql) const;
    bool exec(const char* sql);
    bool changeRows(const char* sql, const QList<QByteArray>& args, bool mustChange);
    bool fail(const QString& reason);

    QString path_;
    sqlite3* db_ = nullptr;
    OpenReport report_;
    QString lastError_;
    int transactionDepth_ = 0;
    int actionDepth_ = 0;
    bool actionFailed_ = false;
    std::function<void(const QString&)> writeFailed_;

    PageCheck pages_ = PageCheck::NotStarted;
    std::atomic<Verdict> pageVerdict_ = Verdict::Writable;
    bool settling_ = false;
    std::thread checker_;
    std::mutex checkerMutex_;
    sqlite3* checkerDb_ = nullptr;  // while the check runs, so that it can be cut short
    QObject notifier_;              // the check's end is handled on the thread that made the store
    std::function<void()> damageFound_;
};
