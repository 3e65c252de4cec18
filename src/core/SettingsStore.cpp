#include "core/SettingsStore.h"

#include <sqlite3.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <cstring>

#include "platform/FileSystem.h"

namespace {

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS settings("
    "section TEXT NOT NULL COLLATE NOCASE, key TEXT NOT NULL COLLATE NOCASE,"
    " value TEXT NOT NULL, PRIMARY KEY(section, key))";

// A store that another program keeps locked fails within about this time, never freezing
// the window for long.
constexpr int kLockWaitMs = 1000;

// A statement that finalises itself; binds every argument as text of exact length.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    bool ok() const { return stmt_ != nullptr; }
    void bind(const QList<QByteArray>& args) {
        sqlite3_reset(stmt_);
        for (int i = 0; i < args.size(); ++i)
            sqlite3_bind_text(stmt_, i + 1, args[i].constData(), int(args[i].size()),
                              SQLITE_TRANSIENT);
    }
    int step() { return sqlite3_step(stmt_); }
    bool isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
    QByteArray bytes(int column) const {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
        return QByteArray(data, sqlite3_column_bytes(stmt_, column));
    }
    QString text(int column) const { return QString::fromUtf8(bytes(column)); }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// Creates the file with owner-only permission before SQLite sees it, so it is never readable
// by others, not even for a moment.
void createPrivateFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner);
}

bool isDamage(int code) {
    code &= 0xff;
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

}  // namespace

SettingsStore::Action::Action(SettingsStore& store) : store_(store) { ++store_.actionDepth_; }

SettingsStore::Action::~Action() {
    if (--store_.actionDepth_ > 0) return;
    store_.actionFailed_ = false;
    sqlite3_busy_timeout(store_.db_, kLockWaitMs);
}

SettingsStore::SettingsStore(const QString& path) : path_(path) {
    FileSystem::makePrivateFolder(QFileInfo(path).path());
    if (!QFileInfo::exists(path)) createPrivateFile(path);
    Verdict verdict = openStore();
    if (verdict == Verdict::Damaged) verdict = replaceDamaged();
    if (verdict != Verdict::Damaged) tightenFiles();
    if (verdict != Verdict::Writable) fallBackToReading();
}

SettingsStore::~SettingsStore() {
    {
        const std::lock_guard guard(checkerMutex_);
        if (checkerDb_) sqlite3_interrupt(checkerDb_);  // the program ends: no need to finish
    }
    if (checker_.joinable()) checker_.join();
    sqlite3_close(db_);
}

// The file is kept aside and a fresh store takes its place, with every value that can still be
// read from it.
SettingsStore::Verdict SettingsStore::replaceDamaged() {
    if (!keepAside()) return Verdict::Damaged;
    createPrivateFile(path_);
    const Verdict verdict = openStore();
    if (verdict == Verdict::Writable) report_.salvaged = salvage(report_.damagedCopy);
    return verdict;
}

// Reads every page, which takes as long as the store is large: done on its own connection, off
// the thread that starts the clock.
void SettingsStore::checkInBackground() {
    if (pages_ != PageCheck::NotStarted || !report_.writable) return;
    pages_ = PageCheck::Running;
    checker_ = std::thread([this] {
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(path_).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        {
            const std::lock_guard guard(checkerMutex_);
            checkerDb_ = db;
        }
        pageVerdict_ = checkPages(db);
        {
            const std::lock_guard guard(checkerMutex_);
            checkerDb_ = nullptr;
        }
        sqlite3_close(db);
        QMetaObject::invokeMethod(
            &notifier_, [this] { settlePageCheck(); }, Qt::QueuedConnection);
    });
}

// Before the first write of the session the pages are known to be sound: checked now, or the
// background check waited for. A damaged store is replaced and reported before anything is
// written to it.
void SettingsStore::settlePageCheck() {
    if (pages_ == PageCheck::Settled || settling_) return;
    settling_ = true;
    if (pages_ == PageCheck::NotStarted) pageVerdict_ = checkPages(db_);
    if (checker_.joinable()) checker_.join();
    pages_ = PageCheck::Settled;
    if (pageVerdict_ == Verdict::Damaged) {
        if (replaceDamaged() == Verdict::Writable)
            tightenFiles();
        else
            fallBackToReading();
        if (damageFound_) damageFound_();
    }
    if (report_.writable) startWriting();
    settling_ = false;
}

bool SettingsStore::startWriting() {
    sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    return exec("PRAGMA journal_mode=WAL");
}

bool SettingsStore::openFile(int flags, const QString& uri) {
    sqlite3_close(db_);
    db_ = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(uri).constData(), &db_, flags, nullptr);
    sqlite3_busy_timeout(db_, kLockWaitMs);
    return rc == SQLITE_OK;
}

SettingsStore::Verdict SettingsStore::openStore() {
    const QFileInfo file(path_);
    if (file.exists() && !file.isFile()) return Verdict::Damaged;  // a folder stands in its place
    // Checked through a read-only connection, which never changes a file it then keeps aside:
    // a writer would merge the WAL into it on closing.
    if (!openFile(SQLITE_OPEN_READONLY, path_)) return Verdict::Unusable;
    const Verdict verdict = check();
    if (verdict != Verdict::Writable) return verdict;
    if (!openFile(SQLITE_OPEN_READWRITE, path_)) return Verdict::Unusable;
    // Closing must not merge the WAL into a file that may yet be kept aside as damaged.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    // Nothing is written to a file whose pages are not yet known to be sound: only a new file is
    // given its table and WAL journal now; another gets its WAL at the first write.
    const bool fresh = firstText("SELECT count(*) FROM sqlite_schema") == "0";
    if (fresh) pages_ = PageCheck::Settled;
    if (!(exec("PRAGMA synchronous=FULL") && (!fresh || startWriting()) && exec(kSchema)))
        return Verdict::Unusable;
    if (sqlite3_db_readonly(db_, "main") != 1) return Verdict::Writable;
    report_.problem = path_ + ": " + sqlite3_errstr(SQLITE_READONLY);
    return Verdict::Unusable;
}

// Whether the open file can serve as the store: a database, holding the settings table or
// nothing at all. Its pages are checked later (checkPages).
SettingsStore::Verdict SettingsStore::check() {
    Statement probe(db_, "SELECT count(*) FROM sqlite_schema");
    const int rc = probe.ok() ? probe.step() : sqlite3_errcode(db_);
    if (rc != SQLITE_ROW) return isDamage(rc) ? Verdict::Damaged : Verdict::Unusable;
    return schemaFits() ? Verdict::Writable : Verdict::Damaged;
}

// Damaged, or Writable when every page reads as it should; Unusable when the check could not
// run (the file locked, the check interrupted): nothing is then kept aside.
SettingsStore::Verdict SettingsStore::checkPages(sqlite3* db) {
    Statement quick(db, "PRAGMA quick_check");
    int rc = quick.ok() ? quick.step() : sqlite3_errcode(db);
    for (; rc == SQLITE_ROW; rc = quick.step())
        if (quick.text(0) != QLatin1String("ok")) return Verdict::Damaged;
    if (rc != SQLITE_DONE) return isDamage(rc) ? Verdict::Damaged : Verdict::Unusable;
    return Verdict::Writable;
}

bool SettingsStore::schemaFits() {
    const QString type =
        firstText("SELECT type FROM sqlite_schema WHERE name = 'settings' COLLATE NOCASE");
    // No settings table: a new, empty store, or some other program's file.
    if (type.isEmpty()) return firstText("SELECT count(*) FROM sqlite_schema") == "0";
    if (type != "table") return false;
    QStringList columns;
    Statement info(db_, "SELECT name || ':' || pk FROM pragma_table_info('settings')");
    while (info.step() == SQLITE_ROW) columns << info.text(0);
    if (columns != QStringList{"section:1", "key:2", "value:0"}) return false;
    for (const char* column : {"section", "key"}) {
        const char* collation = nullptr;
        if (sqlite3_table_column_metadata(db_, "main", "settings", column, nullptr, &collation,
                                          nullptr, nullptr, nullptr) != SQLITE_OK ||
            qstricmp(collation, "NOCASE") != 0)
            return false;
    }
    return true;
}

// The file is renamed, never changed or deleted. Its WAL and index move with it, since the
// WAL may hold committed rows.
bool SettingsStore::keepAside() {
    sqlite3_close(db_);
    db_ = nullptr;
    const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
    const QString copy = path_ + ".damaged-" + stamp;
    if (!FileSystem::renameNoReplace(path_, copy)) return false;
    for (const char* suffix : {"-wal", "-shm"})
        FileSystem::renameNoReplace(path_ + suffix, copy + suffix);
    report_.damagedCopy = copy;
    return true;
}

// A damaged page ends a scan, so the table is read from both ends; the rows before and after
// the damage are saved.
int SettingsStore::salvage(const QString& copy) {
    sqlite3* old = nullptr;
    sqlite3_open_v2(QFile::encodeName(copy).constData(), &old, SQLITE_OPEN_READONLY, nullptr);
    int copied = 0;
    transaction([&] {
        Statement insert(db_, "INSERT OR IGNORE INTO settings VALUES(?, ?, ?)");
        for (const char* order : {"", " ORDER BY rowid DESC"}) {
            const QByteArray sql = QByteArray("SELECT section, key, value FROM settings") + order;
            Statement rows(old, sql.constData());
            while (rows.ok() && rows.step() == SQLITE_ROW) {
                if (rows.isNull(0) || rows.isNull(1) || rows.isNull(2)) continue;
                insert.bind({rows.bytes(0), rows.bytes(1), rows.bytes(2)});
                if (insert.step() == SQLITE_DONE) copied += sqlite3_changes(db_);
            }
        }
        return true;
    });
    sqlite3_close(old);
    return copied;
}

// The store and its journal files hold the password: nobody but the owner may read them. Modes
// are only ever narrowed, so a store the user made read-only stays read-only.
void SettingsStore::tightenFiles() const {
    for (const char* suffix : {"", "-wal", "-shm"})
        FileSystem::removeGroupAndOtherAccess(path_ + suffix);
}

// Reading may still work where writing cannot; failing that, the program runs on defaults.
void SettingsStore::fallBackToReading() {
    if (report_.problem.isEmpty()) report_.problem = reason();
    const QString uri = QUrl::fromLocalFile(path_).toString() + "?immutable=1";
    if (!(QFileInfo(path_).isReadable() && openFile(SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, uri) &&
          exec("SELECT count(*) FROM settings")))
        openInMemory();
    report_.writable = false;
    exec("PRAGMA query_only=ON");
}

void SettingsStore::openInMemory() {
    openFile(SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, ":memory:");
    exec(kSchema);
}

// Why the last step failed, in the system's words when it gave any.
QString SettingsStore::reason() const {
    const int error = db_ ? sqlite3_system_errno(db_) : 0;
    const QString why = error != 0 ? QString::fromLocal8Bit(std::strerror(error))
                                   : QString::fromUtf8(sqlite3_errmsg(db_));
    return path_ + ": " + why;
}

QString SettingsStore::firstText(const char* sql) const {
    Statement statement(db_, sql);
    return statement.ok() && statement.step() == SQLITE_ROW ? statement.text(0) : QString();
}

bool SettingsStore::exec(const char* sql) {
    Statement statement(db_, sql);
    if (!statement.ok()) return false;
    int rc = statement.step();
    while (rc == SQLITE_ROW) rc = statement.step();
    return rc == SQLITE_DONE;
}

QString SettingsStore::get(const QString& section, const QString& key,
                           const QString& fallback) const {
    const std::optional<QByteArray> value = getBytes(section, key);
    return value ? QString::fromUtf8(*value) : fallback;
}

std::optional<QByteArray> SettingsStore::getBytes(const QString& section,
                                                  const QString& key) const {
    Statement statement(db_, "SELECT value FROM settings WHERE section=?1 AND key=?2");
    if (!statement.ok()) return std::nullopt;
    statement.bind({section.toUtf8(), key.toUtf8()});
    if (statement.step() != SQLITE_ROW) return std::nullopt;
    return statement.bytes(0);
}

bool SettingsStore::save(const QString& section, const QString& key, const QString& value) {
    return saveBytes(section, key, value.toUtf8());
}

bool SettingsStore::saveBytes(const QString& section, const QString& key, const QByteArray& value) {
    return changeRows(
        "INSERT INTO settings(section, key, value) VALUES(?1, ?2, ?3)"
        " ON CONFLICT(section, key) DO UPDATE SET value=excluded.value",
        {section.toUtf8(), key.toUtf8(), value}, false);
}

bool SettingsStore::deleteSection(const QString& section) {
    return changeRows("DELETE FROM settings WHERE section=?1", {section.toUtf8()}, true);
}

bool SettingsStore::deleteKey(const QString& section, const QString& key) {
    return changeRows("DELETE FROM settings WHERE section=?1 AND key=?2",
                      {section.toUtf8(), key.toUtf8()}, true);
}

bool SettingsStore::changeRows(const char* sql, const QList<QByteArray>& args, bool mustChange) {
    settlePageCheck();
    if (!report_.writable) return fail(report_.problem);
    Statement statement(db_, sql);
    if (!statement.ok()) return fail(QString::fromUtf8(sqlite3_errmsg(db_)));
    statement.bind(args);
    if (statement.step() != SQLITE_DONE) return fail(QString::fromUtf8(sqlite3_errmsg(db_)));
    if (mustChange && sqlite3_changes(db_) == 0) {
        lastError_ = QStringLiteral("nothing to delete");
        return false;
    }
    lastError_.clear();
    return true;
}

bool SettingsStore::transaction(const std::function<bool()>& steps) {
    if (transactionDepth_ > 0) return steps();
    settlePageCheck();
    if (!report_.writable) return fail(report_.problem);
    if (!exec("BEGIN IMMEDIATE")) return fail(QString::fromUtf8(sqlite3_errmsg(db_)));
    ++transactionDepth_;
    const bool done = steps();
    --transactionDepth_;
    if (done && exec("COMMIT")) return true;
    const QString reason = QString::fromUtf8(sqlite3_errmsg(db_));
    exec("ROLLBACK");
    return done ? fail(reason) : false;
}

bool SettingsStore::fail(const QString& reason) {
    lastError_ = reason;
    const bool reported = actionFailed_;
    if (actionDepth_ > 0) {
        actionFailed_ = true;
        sqlite3_busy_timeout(db_, 0);  // the rest of the action does not wait for the lock again
    }
    if (!reported && writeFailed_) writeFailed_(reason);
    return false;
}
