#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

class TestSettings : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString storePath() const { return dir_.path() + "/config/ZORVEK Inc.TIME/settings.db"; }

private slots:
    void init() { QVERIFY(dir_.isValid()); QFile::remove(storePath()); }

    void namesIgnoreLetterCase_data();
    void namesIgnoreLetterCase();
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void missingGivesDefault();
    void deletesReportMissingTargets();
    void deleteSectionRemovesOnlyThatSection();
    void filesArePrivate();
    void valuesSurviveReopen();
    void damagedFileIsKeptAside();
    void unwritableStoreReportsEverySave();
    void transactionIsAllOrNothing();
    void killedWriterLosesNoReturnedSave();
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

void TestSettings::missingGivesDefault() {
    SettingsStore store(storePath());
    QCOMPARE(store.get("set", "LOCK", "0"), QString("0"));
    QCOMPARE(store.get("nosuch", "x", ""), QString(""));
    store.save("set", "LOCK", "1");
    QCOMPARE(store.get("set", "LOCK2", "0"), QString("0"));
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

void TestSettings::filesArePrivate() {
    { SettingsStore create(storePath()); }
    QFile::setPermissions(storePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    SettingsStore store(storePath());  // an older, looser file is tightened
    store.save("set", "PW", "secret");
    struct stat info {};
    QCOMPARE(stat(QFile::encodeName(storePath()).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0600u);
    QFileInfo folder(QFileInfo(storePath()).absolutePath());
    QCOMPARE(stat(QFile::encodeName(folder.absoluteFilePath()).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0700u);
}

void TestSettings::valuesSurviveReopen() {
    {
        SettingsStore store(storePath());
        store.save("set", "left", "1500");
        store.save("c", "kidouPath", "/usr/bin/xterm");
    }
    SettingsStore store(storePath());
    QCOMPARE(store.get("set", "left", "0"), QString("1500"));
    QCOMPARE(store.get("c", "kidoupath", ""), QString("/usr/bin/xterm"));
    QVERIFY(store.openReport().writable);
    QVERIFY(store.openReport().damagedCopy.isEmpty());
}

void TestSettings::damagedFileIsKeptAside() {
    { SettingsStore create(storePath()); }
    QFile junk(storePath());
    QVERIFY(junk.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray garbage(8192, 'x');
    junk.write(garbage);
    junk.close();
    QFile::remove(storePath() + "-wal");
    QFile::remove(storePath() + "-shm");

    SettingsStore store(storePath());
    const QString copy = store.openReport().damagedCopy;
    QVERIFY(copy.startsWith(storePath() + ".damaged-"));
    QFile kept(copy);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), garbage);  // nothing of the user's file is lost
    QVERIFY(store.openReport().writable);
    QVERIFY(store.save("set", "top", "300"));
    QCOMPARE(store.get("set", "top", "0"), QString("300"));
}

void TestSettings::unwritableStoreReportsEverySave() {
    // A folder that cannot exist: its parent is a plain file (this works even as root).
    QFile blocker(dir_.path() + "/blocker");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore store(dir_.path() + "/blocker/ZORVEK Inc.TIME/settings.db");
    QStringList reasons;
    store.onWriteFailure([&](const QString& reason) { reasons << reason; });
    QVERIFY(!store.openReport().writable);
    QCOMPARE(store.get("set", "left", "0"), QString("0"));
    QVERIFY(!store.save("set", "left", "15"));
    QVERIFY(!store.save("set", "top", "15"));
    QCOMPARE(reasons.size(), 2);
    QVERIFY(!reasons.first().isEmpty());
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

void TestSettings::killedWriterLosesNoReturnedSave() {
    { SettingsStore create(storePath()); }
    int pipeFds[2];
    QCOMPARE(pipe(pipeFds), 0);
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        close(pipeFds[0]);
        SettingsStore store(storePath());
        for (int i = 0;; ++i) {
            if (!store.save(QString("s%1").arg(i % 7), QString("k%1").arg(i), QString::number(i)))
                _exit(2);
            if (write(pipeFds[1], &i, sizeof i) != sizeof i) _exit(3);
        }
    }
    close(pipeFds[1]);
    int last = -1;
    for (int value; last < 200 && read(pipeFds[0], &value, sizeof value) == sizeof value;)
        last = value;
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    close(pipeFds[0]);
    QVERIFY(WIFSIGNALED(status));
    QVERIFY(last >= 200);

    SettingsStore store(storePath());
    QVERIFY(store.openReport().damagedCopy.isEmpty());
    for (int i = 0; i <= last; ++i)
        QCOMPARE(store.get(QString("s%1").arg(i % 7), QString("k%1").arg(i), "lost"),
                 QString::number(i));
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
    AppFixture fixture;
    AppFixture* f = &fixture;
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
