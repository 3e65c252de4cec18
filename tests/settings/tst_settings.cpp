#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <sqlite3.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "AppFixture.h"
#include "settings/SettingsRecord.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsWindow.h"
#include "settings/StoredValue.h"
#include "settings/TabStrip.h"
#include "settings/UiText.h"

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs SQL on a file and gives the first column of the last row. What WAL mode writes stays in
// the WAL, as after a killed program.
int runSql(const QString& path, const QByteArray& sql) {
    sqlite3* db = nullptr;
    int last = 0;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite3_exec(db, sql, [](void* last, int, char** row, char**) {
        *static_cast<int*>(last) = row[0] ? atoi(row[0]) : 0;
        return 0;
    }, &last, nullptr);
    sqlite3_close(db);
    return last;
}

// 200 values of 1000 characters, three or four to a page; a page in the middle is overwritten.
void damageOneLeaf(const QString& path) {
    const int page = runSql(path, "CREATE TABLE settings(section TEXT NOT NULL COLLATE NOCASE,"
        " key TEXT NOT NULL COLLATE NOCASE, value TEXT NOT NULL, PRIMARY KEY(section, key));"
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 199)"
        " INSERT INTO settings SELECT 's', 'k' || i, printf('%.1000c', 'v') FROM n;"
        "SELECT pageno FROM dbstat WHERE name='settings' AND pagetype='leaf' LIMIT 1 OFFSET 30");
    QFile file(path);
    QVERIFY(page > 0 && file.open(QIODevice::ReadWrite) && file.seek((page - 1) * 4096));
    file.write(QByteArray(4096, '\x55'));
}

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<AppFixture> f;  // a fresh folder for each test, and the program over it
    QString storePath() const { return f->platform.locations.settingsFile(); }

private slots:
    void init() {
        f = std::make_unique<AppFixture>();
        QDir().mkpath(QFileInfo(storePath()).path());
    }
    void cleanup() { f.reset(); }

    void namesIgnoreLetterCase_data();
    void namesIgnoreLetterCase();
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void deletesReportMissingTargets();
    void deleteSectionRemovesOnlyThatSection();
    void modesAreOnlyTightened_data();
    void modesAreOnlyTightened();
    void transactionIsAllOrNothing();
    void walOfKilledCopyIsRead();
    void returnedWritesAreSynced();
    void damagedStoreKeptAside_data();
    void damagedStoreKeptAside();
    void oneMessagePerAction_data();
    void oneMessagePerAction();
    void extremePositions_data();
    void extremePositions();

    void intConversion_data();
    void intConversion();
    void boolConversion_data();
    void boolConversion();
    void timeConversion_data();
    void timeConversion();
    void hourMinute_data();
    void hourMinute();

    void recordOfEmptyStore();
    void recordReadsEveryKey();
    void recordTreatsJunkAsDefault();
};

void TestSettings::namesIgnoreLetterCase_data() {
    QTest::addColumn<QString>("savedSection");
    QTest::addColumn<QString>("savedKey");
    QTest::addColumn<QString>("readSection");
    QTest::addColumn<QString>("readKey");
    QTest::newRow("launch path") << "c" << "kidouPath" << "c" << "kidoupath";
    QTest::newRow("section case") << "SET" << "PW" << "set" << "pw";
    QTest::newRow("mixed") << "Alm" << "ALMTIM1" << "aLM" << "almtim1";
}

void TestSettings::namesIgnoreLetterCase() {
    QFETCH(QString, savedSection);
    QFETCH(QString, savedKey);
    QFETCH(QString, readSection);
    QFETCH(QString, readKey);
    SettingsStore store(storePath());
    QVERIFY(store.save(savedSection, savedKey, "first"));
    QVERIFY(store.save(readSection, readKey, "second"));  // overwrites, does not add
    QCOMPARE(store.get(savedSection, savedKey, "none"), QString("second"));
    QVERIFY(store.deleteKey(readSection, readKey));
    QCOMPARE(store.get(savedSection, savedKey, "none"), QString("none"));
}

void TestSettings::valuesRoundTrip_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("empty") << QString("");
    QTest::newRow("blanks kept") << QString("  a b  ");
    QTest::newRow("japanese") << QString("会議　１０時（第２会議室）");
    QTest::newRow("crlf") << QString("line1\r\nline2\n");
    QTest::newRow("nul inside") << QString::fromUtf16(u"ab\0cd", 5);
    QTest::newRow("quotes") << QString("it's \"quoted\"; DROP TABLE settings;--");
    QTest::newRow("long") << QString(200000, QChar(u'長'));
    QTest::newRow("astral") << QString::fromUtf8("\xF0\x9F\x98\x80 emoji");
}

void TestSettings::valuesRoundTrip() {
    QFETCH(QString, value);
    {
        SettingsStore store(storePath());
        QVERIFY(store.save("ALM", "MSG1", value));
        QCOMPARE(store.get("ALM", "MSG1", "x"), value);
    }
    SettingsStore reopened(storePath());
    QCOMPARE(reopened.get("ALM", "MSG1", "x"), value);
}

void TestSettings::deletesReportMissingTargets() {
    SettingsStore store(storePath());
    QVERIFY(!store.deleteSection("2000/01/01"));
    QVERIFY(!store.deleteKey("set", "PW"));
    QVERIFY(!store.lastError().isEmpty());
    store.save("2000/01/01", "1", "note");
    QVERIFY(!store.deleteKey("2000/01/01", "2"));
    QVERIFY(store.deleteKey("2000/01/01", "1"));
    QVERIFY(!store.deleteSection("2000/01/01"));  // its last key went with deleteKey
}

void TestSettings::deleteSectionRemovesOnlyThatSection() {
    SettingsStore store(storePath());
    store.save("2000/01/01", "1", "a");
    store.save("2000/01/01", "Color", "255");
    store.save("2000/01/02", "1", "b");
    QVERIFY(store.deleteSection("2000/01/01"));
    QCOMPARE(store.get("2000/01/01", "Color", "0"), QString("0"));
    QCOMPARE(store.get("2000/01/02", "1", ""), QString("b"));
}

void TestSettings::modesAreOnlyTightened_data() {
    QTest::addColumn<QString>("entry");  // what is checked, beside the store or instead of it
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("store readable by others") << "" << 0644 << 0600;
    QTest::newRow("read-only store") << "" << 0400 << 0400;
    QTest::newRow("WAL") << "-wal" << 0644 << 0600;
    QTest::newRow("WAL index") << "-shm" << 0666 << 0600;
    QTest::newRow("folder open to others") << "folder" << 0755 << 0700;
    QTest::newRow("read-only folder") << "folder" << 0500 << 0500;
    QTest::newRow("target of a link") << "link" << 0644 << 0644;
}

void TestSettings::modesAreOnlyTightened() {
    QFETCH(QString, entry);
    QFETCH(int, before);
    { SettingsStore create(storePath()); }
    sqlite3* other = nullptr;  // keeps the journal files in place, as a running copy would
    sqlite3_open(QFile::encodeName(storePath()).constData(), &other);
    sqlite3_exec(other, "SELECT count(*) FROM settings", nullptr, nullptr, nullptr);
    QString checked = entry == "folder" ? QFileInfo(storePath()).path() : storePath() + entry;
    if (entry == "link") {
        checked = f->platform.root() + "/elsewhere.db";
        QVERIFY(QFile::rename(storePath(), checked));
        QVERIFY(QFile::link(checked, storePath()));
    }
    QCOMPARE(chmod(QFile::encodeName(checked).constData(), before), 0);
    SettingsStore store(storePath());
    QVERIFY(store.save("set", "PW", "secret"));
    struct stat info {};
    QCOMPARE(lstat(QFile::encodeName(checked).constData(), &info), 0);
    QTEST(int(info.st_mode & 07777), "after");
    sqlite3_close(other);
    chmod(QFile::encodeName(QFileInfo(storePath()).path()).constData(), 0700);
}

void TestSettings::transactionIsAllOrNothing() {
    SettingsStore store(storePath());
    store.save("2001/02/03", "1", "old");
    const bool done = store.transaction([&] {
        store.deleteSection("2001/02/03");
        store.save("2001/02/03", "1", "new");
        return false;  // a later step failed
    });
    QVERIFY(!done);
    QCOMPARE(store.get("2001/02/03", "1", ""), QString("old"));
    QVERIFY(store.transaction([&] {
        return store.deleteSection("2001/02/03") && store.save("2001/02/03", "1", "new");
    }));
    QCOMPARE(store.get("2001/02/03", "1", ""), QString("new"));
}

// What a killed copy left in the WAL is read at the next start, not thrown away.
void TestSettings::walOfKilledCopyIsRead() {
    { SettingsStore create(storePath()); }
    runSql(storePath(), "INSERT INTO settings VALUES('set', 'PW', 'kept')");
    QVERIFY(QFileInfo(storePath() + "-wal").size() > 0);
    QCOMPARE(SettingsStore(storePath()).get("set", "PW", ""), QString("kept"));
}

// Every sync that SQLite asks of the system passes here first.
int syncs = 0;
extern "C" int fdatasync(int fd) { return ++syncs, int(syscall(SYS_fdatasync, fd)); }
extern "C" int fsync(int fd) { return ++syncs, int(syscall(SYS_fsync, fd)); }

// A killed process leaves the page cache behind; only a sync proves that a write is on disk.
void TestSettings::returnedWritesAreSynced() {
    SettingsStore store(storePath());
    const std::function<bool()> writes[] = {
        [&] { return store.save("s", "k", "1"); },
        [&] { return store.deleteKey("s", "k"); },
        [&] { return store.transaction([&] { return store.save("t", "k", "1"); }); },
    };
    for (const auto& write : writes) {
        const int before = syncs;
        QVERIFY(write());
        QVERIFY(syncs > before);
    }
}

void TestSettings::damagedStoreKeptAside_data() {
    QTest::addColumn<QString>("kind");  // how the file is made, or the SQL that makes it
    QTest::addColumn<int>("fewest");    // values saved from it
    QTest::addColumn<int>("most");
    QTest::newRow("not a database") << "junk" << 0 << 0;
    QTest::newRow("one leaf page overwritten") << "leaf" << 190 << 199;
    QTest::newRow("a folder in its place") << "folder" << 0 << 0;
    QTest::newRow("another schema") << "CREATE TABLE settings(name, value)" << 0 << 0;
    QTest::newRow("a view named settings, rows in the WAL")
        << "PRAGMA journal_mode=WAL; CREATE TABLE t(section, key, value);"
           "INSERT INTO t VALUES('set', 'left', '1500'); CREATE VIEW settings AS SELECT * FROM t"
        << 1 << 1;
}

void TestSettings::damagedStoreKeptAside() {
    QFETCH(QString, kind);
    QFETCH(int, fewest);
    QFETCH(int, most);
    QFile junk(storePath());
    if (kind == "junk") QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write(QByteArray(99, 'x')));
    junk.close();
    if (kind == "folder") QVERIFY(QDir().mkpath(storePath() + "/inside"));
    if (kind == "leaf") damageOneLeaf(storePath());
    if (kind.contains("CREATE")) runSql(storePath(), kind.toUtf8());
    const QByteArray file = contents(storePath()), wal = contents(storePath() + "-wal");
    const auto mode = QFile::permissions(storePath());
    f->platform.dialogs.allowPrefix(UiText::storeDamaged);
    QVERIFY(f->start());

    const SettingsStore::OpenReport& report = f->app->store().openReport();
    QVERIFY(report.damagedCopy.startsWith(storePath() + ".damaged-"));
    QCOMPARE(contents(report.damagedCopy), file);  // kept as it was, its WAL beside it
    QCOMPARE(contents(report.damagedCopy + "-wal"), wal);
    QCOMPARE(QFile::permissions(report.damagedCopy), mode);
    QVERIFY(report.salvaged >= fewest && report.salvaged <= most);
    QCOMPARE(f->platform.dialogs.shown().size(), 1);
    const QString said = f->platform.dialogs.shown().first().text;
    QVERIFY(said.contains(report.damagedCopy));
    QVERIFY(said.contains(UiText::valuesSalvaged.arg(report.salvaged)));
    QVERIFY(f->app->store().save("set", "top", "15"));
    // Values on both sides of the damage are saved.
    QVERIFY(kind != "leaf" || f->stored("s", "k0") + f->stored("s", "k199") == QString(2000, 'v'));
    QVERIFY(fewest != 1 || f->app->record().left == 1500);
}

void TestSettings::oneMessagePerAction_data() {
    QTest::addColumn<bool>("locked");
    QTest::newRow("unwritable") << false;
    QTest::newRow("locked by another program") << true;
}

void TestSettings::oneMessagePerAction() {
    QFETCH(bool, locked);
    if (!locked) {  // a plain file stands where its folder should be, unwritable even for root
        QVERIFY(QDir(QFileInfo(storePath()).path()).removeRecursively());
        QVERIFY(QFile(QFileInfo(storePath()).path()).open(QIODevice::WriteOnly));
    }
    f->platform.dialogs.allowPrefix(UiText::storeReadOnly + "\r\n" + storePath());
    f->platform.dialogs.allowPrefix(UiText::saveFailed + "\r\n");
    QVERIFY(f->start());
    QCOMPARE(f->platform.dialogs.shown().size(), locked ? 0 : 1);  // announced at start
    sqlite3* other = nullptr;
    sqlite3_open(QFile::encodeName(storePath()).constData(), &other);
    if (locked) QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), 0);
    f->app->openSettings();
    f->platform.dialogs.clear();
    QElapsedTimer timer;
    timer.start();
    f->app->settings()->OK_Click();  // some thirty writes: Apply, then the close
    QVERIFY(!f->app->store().save("set", "LOCK", "1"));  // an action of its own
    QVERIFY(timer.elapsed() < 5000);  // each action waits about a second, once
    QCOMPARE(f->platform.dialogs.beeps(), 2);
    QCOMPARE(f->platform.dialogs.shown().size(), 2);
    sqlite3_close(other);
}

void TestSettings::extremePositions_data() {
    QTest::addColumn<QString>("value");
    for (const char* value : {"32212254000", "-32212254000", "2147483647", "nan", "-inf", "1e999",
                              "-0", "0x7fffffff", " "})
        QTest::newRow(value) << value;
}

// Every position and the tab hold the value; the sanitizers catch any overflow on the way.
void TestSettings::extremePositions() {
    QFETCH(QString, value);
    for (const char* key : {"left", "top", "tool1left", "tool1top", "Tab"})
        f->seed("set", key, value);
    QVERIFY(f->start());
    f->app->openSettings();
    SettingsWindow* w = f->app->settings();
    const QRect screen = f->platform.screens.primaryScreen();
    QVERIFY(screen.intersects(f->clock()->geometry()) && screen.intersects(w->geometry()));
    QCOMPARE(w->tabs().currentIndex(), 0);
    w->close();
    for (const char* key : {"tool1left", "tool1top", "Tab"})
        QVERIFY(QRegularExpression("^-?\\d+$").match(f->stored("set", key)).hasMatch());
}

void TestSettings::intConversion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << "1500" << 1500;
    QTest::newRow("negative") << "-300" << -300;
    QTest::newRow("blanks") << " 12 " << 12;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("mixed") << "12abc" << 0;
    QTest::newRow("too big") << "99999999999" << 0;
}

void TestSettings::intConversion() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(StoredValue::toInt(text), expected);
}

void TestSettings::boolConversion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("True") << "True" << true;
    QTest::newRow("False") << "False" << false;
    QTest::newRow("lower true") << "true" << true;
    QTest::newRow("default 0") << "0" << false;
    QTest::newRow("minus one") << "-1" << true;
    QTest::newRow("yes is junk") << "yes" << false;
    QTest::newRow("empty") << "" << false;
}

void TestSettings::boolConversion() {
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(StoredValue::toBool(text), expected);
}

void TestSettings::timeConversion_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QTime>("expected");
    QTest::newRow("stored form") << "7:05:00" << QTime(7, 5);
    QTest::newRow("padded") << "07:05:00" << QTime(7, 5);
    QTest::newRow("no seconds") << "23:30" << QTime(23, 30);
    QTest::newRow("PM") << "7:05:00 PM" << QTime(19, 5);
    QTest::newRow("12 AM is midnight") << "12:15:00 AM" << QTime(0, 15);
    QTest::newRow("12 PM is noon") << "12:15:00 PM" << QTime(12, 15);
    QTest::newRow("午後") << "午後 3:00:00" << QTime(15, 0);
    QTest::newRow("午前") << "午前9:30:00" << QTime(9, 30);
    QTest::newRow("default 0") << "0" << QTime(0, 0);
    QTest::newRow("abc") << "abc" << QTime(0, 0);
    QTest::newRow("hour 24") << "24:00:00" << QTime(0, 0);
    QTest::newRow("13 PM") << "13:00:00 PM" << QTime(0, 0);
    QTest::newRow("two halves") << "午後 3:00:00 PM" << QTime(0, 0);
}

void TestSettings::timeConversion() {
    QFETCH(QString, text);
    QFETCH(QTime, expected);
    QCOMPARE(StoredValue::toTime(text), expected);
    if (expected != QTime(0, 0)) QCOMPARE(StoredValue::toTime(StoredValue::fromTime(expected)), expected);
}

void TestSettings::hourMinute_data() {
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minute");
    QTest::addColumn<QString>("stored");  // empty: refused
    QTest::newRow("7 5") << "7" << "5" << "7:05:00";
    QTest::newRow("leading zeros") << "007" << "05" << "7:05:00";
    QTest::newRow("bounds") << "23" << "59" << "23:59:00";
    QTest::newRow("midnight") << "0" << "0" << "0:00:00";
    QTest::newRow("full-width") << "１２" << "３０" << "12:30:00";
    QTest::newRow("hour 24") << "24" << "0" << "";
    QTest::newRow("minute 60") << "1" << "60" << "";
    QTest::newRow("empty hour") << "" << "5" << "";
    QTest::newRow("empty minute") << "5" << "" << "";
    QTest::newRow("letters") << "ab" << "5" << "";
    QTest::newRow("blank") << " 7" << "5" << "";
    QTest::newRow("fraction") << "7.5" << "0" << "";
    QTest::newRow("sign") << "+7" << "0" << "";
    QTest::newRow("huge") << QString(10000, '9') << "0" << "";
}

void TestSettings::hourMinute() {
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    QFETCH(QString, stored);
    const auto time = StoredValue::parseHourMinute(hour, minute);
    QCOMPARE(time.has_value(), !stored.isEmpty());
    if (time) QCOMPARE(StoredValue::fromTime(*time), stored);
}

void TestSettings::recordOfEmptyStore() {
    SettingsStore store(storePath());
    SettingsRecord record;
    record.load(store);
    QCOMPARE(record.left, 0.0);
    QCOMPARE(record.Topmost, 0);
    for (const AlarmSlot& slot : record.alarms) {
        QCOMPARE(slot.onoff, 0);
        QCOMPARE(slot.once, false);
        QCOMPARE(slot.time, std::optional(QTime(0, 0)));
        QVERIFY(slot.message.isEmpty());
    }
    QCOMPARE(record.btn0, false);
    QCOMPARE(record.DateColor, 0xFF00FF);
    QVERIFY(record.PW.isEmpty());
    QCOMPARE(store.get("set", "DateColor", "unset"), QString("unset"));  // not written back
}

void TestSettings::recordReadsEveryKey() {
    SettingsStore store(storePath());
    const QList<QStringList> rows = {
        {"set", "LOCK", "1"},        {"set", "OPENCheck", "1"},   {"set", "left", "1500"},
        {"set", "top", "300"},       {"set", "Topmost", "1"},     {"ALM", "ALMTIM2", "12:00:00"},
        {"ALM", "MSG2", "昼休み"},   {"ALM", "onoff2", "1"},      {"ALM", "day2", "True"},
        {"c", "saikin", "1"},        {"c", "Win", "1"},           {"c", "reboot", "True"},
        {"c", "kidou", "1"},         {"c", "kidouPath", "/bin/x"}, {"o", "RQ", "1"},
        {"o", "btn0", "True"},       {"o", "tokeiG", "1"},        {"set", "SheduleColor", "65535"},
        {"set", "DateColor", "255"}, {"set", "PW", "Pass"},
    };
    for (const QStringList& row : rows) store.save(row[0], row[1], row[2]);
    SettingsRecord r;
    r.load(store);
    QCOMPARE(r.LOCK, 1);
    QCOMPARE(r.OPENCheck, 1);
    QCOMPARE(r.left, 1500.0);
    QCOMPARE(r.top, 300.0);
    QCOMPARE(r.Topmost, 1);
    QCOMPARE(r.alarms[1].time, std::optional(QTime(12, 0)));
    QCOMPARE(r.alarms[1].message, QString("昼休み"));
    QCOMPARE(r.alarms[1].onoff, 1);
    QCOMPARE(r.alarms[1].once, true);
    QCOMPARE(r.alarms[0].onoff, 0);
    QCOMPARE(r.saikin + r.Win + r.kidou + r.RQ + r.tokeiG, 5);
    QVERIFY(r.reboot && r.btn0);
    QCOMPARE(r.kidoupath, QString("/bin/x"));
    QCOMPARE(r.SheduleColor, 65535);
    QCOMPARE(r.DateColor, 255);
    QCOMPARE(r.PW, QString("Pass"));
}

void TestSettings::recordTreatsJunkAsDefault() {
    SettingsStore store(storePath());
    store.save("set", "left", "letters");
    store.save("ALM", "ALMTIM1", "abc");
    store.save("ALM", "day1", "yes");
    store.save("ALM", "onoff1", "on");
    store.save("set", "DateColor", "0");
    SettingsRecord r;
    r.load(store);
    QCOMPARE(r.left, 0.0);
    QCOMPARE(r.alarms[0].time, std::optional(QTime(0, 0)));
    QCOMPARE(r.alarms[0].once, false);
    QCOMPARE(r.alarms[0].onoff, 0);
    QCOMPARE(r.DateColor, 0xFF00FF);
    QCOMPARE(store.get("set", "DateColor", ""), QString("0"));
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
