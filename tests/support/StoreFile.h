#pragma once

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

// Records every write to the store in order, through triggers in the store file itself, so the
// program's own connection is observed without changing it.
class WriteLog {
public:
    explicit WriteLog(const QString& storePath) {
        QDir().mkpath(QFileInfo(storePath).absolutePath());
        sqlite3_open(QFile::encodeName(storePath).constData(), &db_);
        sqlite3_busy_timeout(db_, 2000);
        exec("CREATE TABLE IF NOT EXISTS settings(section TEXT NOT NULL COLLATE NOCASE,"
             " key TEXT NOT NULL COLLATE NOCASE, value TEXT NOT NULL, PRIMARY KEY(section, key))");
        exec("CREATE TABLE IF NOT EXISTS writes(n INTEGER PRIMARY KEY, what TEXT)");
        exec("CREATE TRIGGER IF NOT EXISTS log_insert AFTER INSERT ON settings BEGIN "
             "INSERT INTO writes(what) VALUES(new.section || '/' || new.key); END");
        exec("CREATE TRIGGER IF NOT EXISTS log_update AFTER UPDATE ON settings BEGIN "
             "INSERT INTO writes(what) VALUES(new.section || '/' || new.key); END");
        exec("CREATE TRIGGER IF NOT EXISTS log_delete AFTER DELETE ON settings BEGIN "
             "INSERT INTO writes(what) VALUES('-' || old.section || '/' || old.key); END");
    }
    ~WriteLog() { sqlite3_close(db_); }

    void clear() { exec("DELETE FROM writes"); }
    // "section/key" for every save, "-section/key" for every removed row, oldest first.
    QStringList writes() const {
        QStringList all;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db_, "SELECT what FROM writes ORDER BY n", -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            all << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        return all;
    }

private:
    void exec(const char* sql) { sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }
    sqlite3* db_ = nullptr;
};
