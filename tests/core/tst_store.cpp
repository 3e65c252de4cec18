#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "AppFixture.h"
#include "core/StoredValue.h"
#include "core/UiText.h"
#include "widgets/TabStrip.h"

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// 200 values of 1000 characters, three or four to a page; a page in the middle is overwritten.
void damageOneLeaf(const QString& path) {
    const int page = runSql(path, "CREATE TABLE settings(section TEXT NOT NULL COLLATE NOCASE,"
        " key TEXT NOT NULL COLLATE NOCASE, value TEXT NOT NULL, PRIMARY KEY(section, key));"
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 199)"
        " INSERT INTO settings SELECT 's', 'k' || i, printf('%.1000c', 'v') FROM n;"
        "SELECT pageno FROM dbstat WHERE name='settings' AND pagetype='leaf' LIMIT 1 OFFSET 30")
        .value(0).toInt();
    QFile file(path);
    QVERIFY(page > 0 && file.open(QIODevice::ReadWrite) && file.seek((page - 1) * 4096));
    file.write(QByteArray(4096, '\x55'));
}

}  // namespace

// Every sync that SQLite asks of the system passes here first.
int syncs = 0;
extern "C" int fdatasync(int fd) { return ++syncs, int(syscall(SYS_fdatasync, fd)); }
extern "C" int fsync(int fd) { return ++syncs, int(syscall(SYS_fsync, fd)); }

class TestStore : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> f;  // a fresh folder for each test, and the program over it
    QString storePath() const { return f->platform.locations.settingsFile(); }

private slots:
    void init() {
        f = std::make_unique<AppFixture>();
        QDir().mkpath(QFileInfo(storePath()).path());
    }
    void cleanup() { f.reset(); }

    // Names in any letter case are one name; the deletes report a missing target.
    void namesAndDeletes() {
        SettingsStore store(storePath());
        QVERIFY(!store.deleteKey("set", "PW") && !store.lastError().isEmpty());
        QVERIFY(store.save("Alm", "ALMTIM1", "first") && store.save("aLM", "almtim1", "second"));
        QCOMPARE(store.get("ALM", "AlmTim1", ""), QString("second"));
        store.save("2000/01/01", "1", "a");
        store.save("2000/01/02", "1", "b");
        QVERIFY(store.deleteSection("2000/01/01") && !store.deleteSection("2000/01/01"));
        QCOMPARE(store.get("2000/01/02", "1", ""), QString("b"));
    }

    void valuesRoundTrip_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("nul inside") << QString::fromUtf16(u"ab\0cd", 5);
        QTest::newRow("quotes") << QString("it's \"quoted\"; DROP TABLE settings;--");
        QTest::newRow("long") << QString(200000, QChar(u'長'));
        QTest::newRow("astral") << QString::fromUtf8("\xF0\x9F\x98\x80 emoji");
    }
    void valuesRoundTrip() {
        QFETCH(QString, value);
        {
            SettingsStore store(storePath());
            QVERIFY(store.save("ALM", "MSG1", value));
            QCOMPARE(store.get("ALM", "MSG1", "x"), value);
        }
        QCOMPARE(SettingsStore(storePath()).get("ALM", "MSG1", "x"), value);
    }

    void modesAreOnlyTightened_data() {
        QTest::addColumn<QString>("entry");  // what is checked, beside the store or instead of it
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("store readable by others") << "" << 0644 << 0600;
        QTest::newRow("read-only store") << "" << 0400 << 0400;
        QTest::newRow("WAL") << "-wal" << 0644 << 0600;
        QTest::newRow("folder open to others") << "folder" << 0755 << 0700;
        QTest::newRow("target of a link") << "link" << 0644 << 0644;
    }
    void modesAreOnlyTightened() {
        QFETCH(QString, entry);
        QFETCH(int, before);
        { SettingsStore create(storePath()); }
        // Keeps the journal files in place, as a running copy would.
        const OtherConnection other(storePath(), "SELECT count(*) FROM settings");
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
        chmod(QFile::encodeName(QFileInfo(storePath()).path()).constData(), 0700);
    }

    void transactionIsAllOrNothing() {
        SettingsStore store(storePath());
        store.save("2001/02/03", "1", "old");
        const bool done = store.transaction([&] {
            store.deleteSection("2001/02/03");
            store.save("2001/02/03", "1", "new");
            return false;  // a later step failed
        });
        QVERIFY(!done);
        QCOMPARE(store.get("2001/02/03", "1", ""), QString("old"));
    }

    // What a killed copy left in the WAL is read at the next start, not thrown away.
    void walOfKilledCopyIsRead() {
        { SettingsStore create(storePath()); }
        runSql(storePath(), "INSERT INTO settings VALUES('set', 'PW', 'kept')");
        QVERIFY(QFileInfo(storePath() + "-wal").size() > 0);
        QCOMPARE(SettingsStore(storePath()).get("set", "PW", ""), QString("kept"));
    }

    // A killed process leaves the page cache behind; only a sync proves that a write is on disk.
    void returnedWritesAreSynced() {
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

    // A damage only a full read finds is found by the check that runs once the clock is on the
    // screen, or at the latest by the first write, which then goes to the fresh store.
    void damagedStoreKeptAside_data() {
        QTest::addColumn<QString>("kind");  // how the file is made, or the SQL that makes it
        QTest::addColumn<int>("fewest");    // values saved from it
        QTest::addColumn<int>("most");
        QTest::newRow("not a database") << "junk" << 0 << 0;
        QTest::newRow("one leaf page overwritten, first write") << "leaf" << 190 << 199;
        QTest::newRow("one leaf page overwritten, checked after start") << "leaf late" << 190 << 199;
        QTest::newRow("another schema") << "CREATE TABLE settings(name, value)" << 0 << 0;
        QTest::newRow("a view named settings, rows in the WAL")
            << "PRAGMA journal_mode=WAL; CREATE TABLE t(section, key, value);"
               "INSERT INTO t VALUES('set', 'left', '1500'); CREATE VIEW settings AS SELECT * FROM t"
            << 1 << 1;
    }
    void damagedStoreKeptAside() {
        QFETCH(QString, kind);
        QFETCH(int, fewest);
        QFETCH(int, most);
        QFile junk(storePath());
        if (kind == "junk") QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write(QByteArray(99, 'x')));
        junk.close();
        if (kind.startsWith("leaf")) damageOneLeaf(storePath());
        if (kind.contains("CREATE")) runSql(storePath(), kind.toUtf8());
        const QByteArray file = contents(storePath()), wal = contents(storePath() + "-wal");
        const auto mode = QFile::permissions(storePath());
        f->platform.dialogs.allowPrefix(UiText::storeDamaged);
        QVERIFY(f->start());
        SettingsStore& store = f->app->store();
        const SettingsStore::OpenReport& report = store.openReport();
        if (kind.startsWith("leaf")) QVERIFY(report.damagedCopy.isEmpty());  // not read whole yet
        if (kind == "leaf late") {
            store.checkInBackground();
            QTRY_VERIFY(!report.damagedCopy.isEmpty());
        }
        QVERIFY(store.save("set", "top", "15"));

        QVERIFY(report.damagedCopy.startsWith(storePath() + ".damaged-"));
        QCOMPARE(contents(report.damagedCopy), file);  // kept as it was, its WAL beside it
        QCOMPARE(contents(report.damagedCopy + "-wal"), wal);
        // Found late, it has lost the group's and others' access, as every store does at start.
        const auto keptMode = kind.startsWith("leaf") ? mode & ~(QFile::ReadGroup | QFile::ReadOther) : mode;
        QCOMPARE(QFile::permissions(report.damagedCopy), keptMode);
        QVERIFY(report.salvaged >= fewest && report.salvaged <= most);
        QCOMPARE(f->platform.dialogs.shown().size(), 1);
        const QString said = f->platform.dialogs.shown().first().text;
        QVERIFY(said.contains(report.damagedCopy));
        QVERIFY(said.contains(UiText::valuesSalvaged.arg(report.salvaged)));
        QCOMPARE(f->stored("set", "top"), QString("15"));
        // Values on both sides of the damage are saved.
        QVERIFY(!kind.startsWith("leaf") || f->stored("s", "k0") + f->stored("s", "k199") == QString(2000, 'v'));
        QVERIFY(fewest != 1 || f->app->record().clockLeft == 1500);
    }

    void oneMessagePerAction_data() {
        QTest::addColumn<bool>("locked");
        QTest::newRow("unwritable") << false;
        QTest::newRow("locked by another program") << true;
    }
    void oneMessagePerAction() {
        QFETCH(bool, locked);
        if (!locked) {  // a plain file stands where its folder should be, unwritable even for root
            QVERIFY(QDir(QFileInfo(storePath()).path()).removeRecursively());
            QVERIFY(QFile(QFileInfo(storePath()).path()).open(QIODevice::WriteOnly));
        }
        f->platform.dialogs.allowPrefix(UiText::storeReadOnly + "\r\n" + storePath());
        f->platform.dialogs.allowPrefix(UiText::saveFailed + "\r\n");
        QVERIFY(f->start());
        QCOMPARE(f->platform.dialogs.shown().size(), locked ? 0 : 1);  // announced at start
        const OtherConnection other(storePath(), locked ? "BEGIN IMMEDIATE" : "");
        if (locked) QCOMPARE(other.status(), 0);
        f->app->openSettings();
        f->platform.dialogs.clear();
        QElapsedTimer timer;
        timer.start();
        f->app->settings()->applyAndClose();  // some thirty writes: Apply, then the close
        QVERIFY(!f->app->store().save("set", "LOCK", "1"));  // an action of its own
        QVERIFY(timer.elapsed() < 5000);  // each action waits about a second, once
        QCOMPARE(f->platform.dialogs.beeps(), 2);
        QCOMPARE(f->platform.dialogs.shown().size(), 2);
    }

    void numbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("asInt");
        QTest::addColumn<bool>("asBool");
        QTest::newRow("plain") << "1500" << 1500 << true;
        QTest::newRow("True") << "True" << 0 << true;
        QTest::newRow("lower true") << "true" << 0 << true;
        QTest::newRow("False") << "False" << 0 << false;
        QTest::newRow("yes is junk") << "yes" << 0 << false;
        QTest::newRow("mixed") << "12abc" << 0 << false;
        QTest::newRow("too big for an int") << "99999999999" << 0 << true;
    }
    void numbers() {
        QFETCH(QString, text);
        QTEST(StoredValue::toInt(text), "asInt");
        QTEST(StoredValue::toBool(text), "asBool");
    }

    void timeConversion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("expected");
        QTest::newRow("stored form") << "7:05:00" << QTime(7, 5);
        QTest::newRow("PM") << "7:05:00 PM" << QTime(19, 5);
        QTest::newRow("12 AM is midnight") << "12:15:00 AM" << QTime(0, 15);
        QTest::newRow("午後") << "午後 3:00:00" << QTime(15, 0);
        QTest::newRow("the default 0") << "0" << QTime();
        QTest::newRow("hour 24") << "24:00:00" << QTime();
        QTest::newRow("13 PM") << "13:00:00 PM" << QTime();
        QTest::newRow("two halves") << "午後 3:00:00 PM" << QTime();
    }
    void timeConversion() {
        QFETCH(QString, text);
        QFETCH(QTime, expected);
        QCOMPARE(StoredValue::parseTime(text).value_or(QTime()), expected);
        if (expected.isValid()) QCOMPARE(StoredValue::parseTime(StoredValue::fromTime(expected)), expected);
    }
};

QTEST_MAIN(TestStore)
#include "tst_store.moc"
