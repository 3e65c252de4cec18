#include "settings/SettingsStore.h"

#include <sqlite3.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS settings("
    "section TEXT NOT NULL COLLATE NOCASE, key TEXT NOT NULL COLLATE NOCASE,"
    " value TEXT NOT NULL, PRIMARY KEY(section, key))";

// A statement that finalises itself; binds every argument as text of exact length.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    bool ok() const { return stmt_ != nullptr; }
    void bind(const QStringList& args) {
        for (int i = 0; i < args.size(); ++i) {
            const QByteArray text = args[i].toUtf8();
            sqlite3_bind_text(stmt_, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
    }
    int step() { return sqlite3_step(stmt_); }
    QString text(int column) const {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
        return QString::fromUtf8(data, sqlite3_column_bytes(stmt_, column));
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// Creates the file with owner-only permission before SQLite sees it, so it is never readable
// by others, not even for a moment.
void createPrivateFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner);
}

}  // namespace

SettingsStore::SettingsStore(const QString& path) : path_(path) {
    const QFileInfo info(path);
    QDir().mkpath(info.absolutePath());
    QFile::setPermissions(info.absolutePath(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!info.exists()) createPrivateFile(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);  // it holds the password

    if (openFile(SQLITE_OPEN_READWRITE, path) && prepareSchema()) return;
    const int code = db_ ? sqlite3_errcode(db_) : SQLITE_CANTOPEN;
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT) {
        moveDamagedAside();
        createPrivateFile(path);
        if (openFile(SQLITE_OPEN_READWRITE, path) && prepareSchema()) return;
    }
    report_.problem = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("cannot open");
    // Reading may still work where writing cannot; failing that, the program runs on defaults.
    const QString uri = QUrl::fromLocalFile(path).toString() + "?immutable=1";
    if (!(QFileInfo(path).isReadable() && openFile(SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, uri) &&
          exec("SELECT count(*) FROM settings")))
        openInMemory();
    report_.writable = false;
    exec("PRAGMA query_only=ON");
}

SettingsStore::~SettingsStore() { sqlite3_close(db_); }

bool SettingsStore::openFile(int flags, const QString& uri) {
    sqlite3_close(db_);
    db_ = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(uri).constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) return false;
    sqlite3_busy_timeout(db_, 5000);
    return true;
}

bool SettingsStore::prepareSchema() {
    return exec("PRAGMA journal_mode=WAL") && exec("PRAGMA synchronous=FULL") && exec(kSchema) &&
           exec("SELECT count(*) FROM settings");
}

void SettingsStore::openInMemory() {
    openFile(SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, ":memory:");
    exec(kSchema);
}

void SettingsStore::moveDamagedAside() {
    sqlite3_close(db_);
    db_ = nullptr;
    const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
    const QString target = path_ + ".damaged-" + stamp;
    if (QFile::rename(path_, target)) {
        report_.damagedCopy = target;
        QFile::remove(path_ + "-wal");
        QFile::remove(path_ + "-shm");
    }
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
    Statement statement(db_, "SELECT value FROM settings WHERE section=?1 AND key=?2");
    if (!statement.ok()) return fallback;
    statement.bind({section, key});
    return statement.step() == SQLITE_ROW ? statement.text(0) : fallback;
}

bool SettingsStore::save(const QString& section, const QString& key, const QString& value) {
    return changeRows(
        "INSERT INTO settings(section, key, value) VALUES(?1, ?2, ?3)"
        " ON CONFLICT(section, key) DO UPDATE SET value=excluded.value",
        {section, key, value}, false);
}

bool SettingsStore::deleteSection(const QString& section) {
    return changeRows("DELETE FROM settings WHERE section=?1", {section}, true);
}

bool SettingsStore::deleteKey(const QString& section, const QString& key) {
    return changeRows("DELETE FROM settings WHERE section=?1 AND key=?2", {section, key}, true);
}

bool SettingsStore::changeRows(const char* sql, const QStringList& args, bool mustChange) {
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
    if (writeFailed_) writeFailed_(reason);
    return false;
}
