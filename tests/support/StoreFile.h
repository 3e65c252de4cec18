#pragma once

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

// Runs SQL on a store file over a connection of its own and gives the first column of the last
// row. What WAL mode writes stays in the WAL, as after a killed program.
inline int runSql(const QString& path, const QByteArray& sql) {
    sqlite3* db = nullptr;
    int last = 0;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_busy_timeout(db, 2000);
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite3_exec(db, sql, [](void* last, int, char** row, char**) {
        *static_cast<int*>(last) = row[0] ? atoi(row[0]) : 0;
        return 0;
    }, &last, nullptr);
    sqlite3_close(db);
    return last;
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
    QStringList writes() const {
        QStringList all;
        sqlite3* db = nullptr;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_open(QFile::encodeName(path_).constData(), &db);
        sqlite3_prepare_v2(db, "SELECT what FROM writes ORDER BY n", -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            all << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        return all;
    }

private:
    QString path_;
};
