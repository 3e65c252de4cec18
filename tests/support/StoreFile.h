#pragma once

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

// Runs SQL on a store file over a connection of its own and gives the first column of the rows
// it returns. What WAL mode writes stays in the WAL, as after a killed program.
inline QStringList runSql(const QString& path, const QByteArray& sql) {
    sqlite3* db = nullptr;
    QStringList rows;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_busy_timeout(db, 2000);
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite3_exec(db, sql, [](void* rows, int, char** row, char**) {
        *static_cast<QStringList*>(rows) << QString::fromUtf8(row[0]);
        return 0;
    }, &rows, nullptr);
    sqlite3_close(db);
    return rows;
}

// From now on the store refuses the writes of the given kind, as a full disk would.
inline void failWrites(const QString& path, const QByteArray& event = "INSERT",
                       const QByteArray& condition = "1") {
    runSql(path, "CREATE TRIGGER full BEFORE " + event + " ON settings WHEN " + condition +
                     " BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END");
}

// Another program's connection to the store, open while it lives, after running the SQL given.
class OtherConnection {
public:
    OtherConnection(const QString& path, const char* sql) {
        sqlite3_open(QFile::encodeName(path).constData(), &db_);
        status_ = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    }
    ~OtherConnection() { sqlite3_close(db_); }
    int status() const { return status_; }

private:
    sqlite3* db_ = nullptr;
    int status_ = 0;
};

// Records every write to the store in order, through triggers in the store file itself, so the
// program's own connection is observed without changing it.
class WriteLog {
public:
    explicit WriteLog(const QString& storePath) : path_(storePath) {
        QDir().mkpath(QFileInfo(storePath).absolutePath());
        runSql(path_,
               "CREATE TABLE IF NOT EXISTS settings(section TEXT NOT NULL COLLATE NOCASE,"
               " key TEXT NOT NULL COLLATE NOCASE, value TEXT NOT NULL, PRIMARY KEY(section, key));"
               "CREATE TABLE IF NOT EXISTS writes(n INTEGER PRIMARY KEY, what TEXT);"
               "CREATE TRIGGER IF NOT EXISTS log_insert AFTER INSERT ON settings BEGIN "
               "INSERT INTO writes(what) VALUES(new.section || '/' || new.key); END;"
               "CREATE TRIGGER IF NOT EXISTS log_update AFTER UPDATE ON settings BEGIN "
               "INSERT INTO writes(what) VALUES(new.section || '/' || new.key); END;"
               "CREATE TRIGGER IF NOT EXISTS log_delete AFTER DELETE ON settings BEGIN "
               "INSERT INTO writes(what) VALUES('-' || old.section || '/' || old.key); END");
    }

    void clear() { runSql(path_, "DELETE FROM writes"); }
    // "section/key" for every save, "-section/key" for every removed row, oldest first.
    QStringList writes() const { return runSql(path_, "SELECT what FROM writes ORDER BY n"); }

private:
    QString path_;
};
