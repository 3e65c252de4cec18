#include <sys/stat.h>

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "AppFixture.h"
#include "settings/SettingsWindow.h"
#include "utilities/AutostartEntry.h"
#include "utilities/Placement.h"
#include "utilities/TempFileCleaner.h"

#include <QFile>

class TestUtilities : public QObject {
    Q_OBJECT
private slots:
    void keepOnScreen_data();
    void keepOnScreen();
    void autostartRoundTrip_data();
    void autostartRoundTrip();
    void autostartRemove();
    void recommendedLeft_data();
    void recommendedLeft();
    void cleanerDeletesOnlyUnusedFiles();
    void cleanerStaysInItsFolder();
    void deleteButtonDeletesWhatWasListed();
};

void TestUtilities::recommendedLeft_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("left");  // -1: none
    QTest::newRow("640") << 640 << 6498;
    QTest::newRow("800") << 800 << 8898;
    QTest::newRow("1024") << 1024 << 12258;
    QTest::newRow("1280") << 1280 << -1;
    QTest::newRow("1920") << 1920 << -1;
    QTest::newRow("0") << 0 << -1;
}

void TestUtilities::recommendedLeft() {
    QFETCH(int, width);
    QFETCH(int, left);
    QCOMPARE(Placement::recommendedLeft(width).value_or(-1), left);
}

namespace {
void touch(const QString& path, QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();
    QVERIFY(file.setPermissions(permissions));
}
}  // namespace

void TestUtilities::cleanerDeletesOnlyUnusedFiles() {
    QTemporaryDir temp, elsewhere;
    const QString t = temp.path();
    touch(t + "/a.tmp");
    touch(t + "/readonly.tmp", QFile::ReadOwner);
    touch(t + "/.hidden.tmp");
    touch(t + "/keep.txt");
    touch(elsewhere.path() + "/target.tmp");
    QVERIFY(QFile::link(elsewhere.path() + "/target.tmp", t + "/link.tmp"));
    QVERIFY(QDir().mkpath(t + "/folder.tmp"));
    touch(t + "/folder.tmp/inside.tmp");
    QCOMPARE(mkfifo(QFile::encodeName(t + "/fifo.tmp").constData(), 0600), 0);
    QFile held(t + "/held.tmp");
    QVERIFY(held.open(QIODevice::WriteOnly));  // a running program has it open

    const TempFileCleaner cleaner(t);
    const QStringList listed = cleaner.list();
    QCOMPARE(listed, (QStringList{".hidden.tmp", "a.tmp", "held.tmp", "link.tmp", "readonly.tmp"}));
    int failures = 0;
    const auto outcome = cleaner.clean(listed, [&] { ++failures; });
    QCOMPARE(outcome.left, QStringList{"held.tmp"});
    QCOMPARE(failures, 1);
    QCOMPARE(outcome.inUse, 1);
    QVERIFY(QFile::exists(elsewhere.path() + "/target.tmp"));  // the link went, not its target
    QVERIFY(QFile::exists(t + "/folder.tmp/inside.tmp"));
    QVERIFY(QFile::exists(t + "/keep.txt"));
    touch(t + "/theirs.tmp");  // kept even where the runner could delete it, as root could
    const TempFileCleaner other(t, FileSystem::currentUser() + 1);  // another user runs it
    const auto theirs = other.clean({"theirs.tmp"}, [] {});
    QCOMPARE(theirs.refused, 1);
    QCOMPARE(theirs.left, QStringList{"theirs.tmp"});
}

// The folder is swapped for another of the same name between listing and deleting.
void TestUtilities::cleanerStaysInItsFolder() {
    QTemporaryDir temp;
    const QString folder = temp.path() + "/tmp", moved = temp.path() + "/moved";
    QVERIFY(QDir().mkpath(folder));
    touch(folder + "/x.tmp");
    const TempFileCleaner cleaner(folder);
    QVERIFY(QDir().rename(folder, moved) && QDir().mkpath(folder));
    QVERIFY(QFile::link(moved, moved + ".link"));
    touch(folder + "/x.tmp");
    QCOMPARE(cleaner.clean(cleaner.list(), [] {}).left, QStringList{});
    QVERIFY(!QFile::exists(moved + "/x.tmp") && QFile::exists(folder + "/x.tmp"));
    QVERIFY(!TempFileCleaner(moved + ".link").isOpen());
}

void TestUtilities::deleteButtonDeletesWhatWasListed() {
    AppFixture f;
    const QString temp = f.platform.locations.tempFolder();
    touch(temp + "/listed.tmp");
    QVERIFY(f.start());
    f.app->openSettings();
    touch(temp + "/later.tmp");
    f.app->settings()->findChild<QPushButton*>("DeleteT")->click();
    QVERIFY(!QFile::exists(temp + "/listed.tmp"));
    QVERIFY(QFile::exists(temp + "/later.tmp"));
    QCOMPARE(f.app->settings()->findChild<QListWidget*>("File1")->count(), 0);
}

void TestUtilities::keepOnScreen_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("expected");
    const QRect strip(0, 0, 152, 16);
    QTest::newRow("inside") << strip.translated(100, 20) << strip.translated(100, 20);
    QTest::newRow("one pixel showing") << strip.translated(1023, 767) << strip.translated(1023, 767);
    QTest::newRow("right of all") << strip.translated(5000, 20) << strip.translated(1024 - 152, 20);
    QTest::newRow("above") << strip.translated(50, -16) << strip.translated(50, 0);
    QTest::newRow("left and below") << strip.translated(-500, 2000) << strip.translated(0, 768 - 16);
    QTest::newRow("second screen") << strip.translated(1500, 700) << strip.translated(1500, 700);
    QTest::newRow("gap below second screen")
        << strip.translated(1500, 1100) << strip.translated(1024 - 152, 768 - 16);
    QTest::newRow("wider than screen") << QRect(3000, 0, 2000, 16) << QRect(0, 0, 2000, 16);
}

void TestUtilities::keepOnScreen() {
    QFETCH(QRect, window);
    QFETCH(QRect, expected);
    const QRect primary(0, 0, 1024, 768);
    const QList<QRect> screens = {primary, QRect(1024, 0, 1280, 1024)};
    QCOMPARE(Placement::keepOnScreen(window, screens, primary), expected);
}

void TestUtilities::autostartRoundTrip_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("plain") << "/opt/zk/ZKtmpdel";
    QTest::newRow("blank in folder") << "/home/u/My Apps/ZKTIME";
    QTest::newRow("japanese") << "/home/u/時計/ZKTIME";
}

void TestUtilities::autostartRoundTrip() {
    QFETCH(QString, command);
    QTemporaryDir dir;
    const AutostartEntry entry(dir.path() + "/autostart", AutostartEntry::kClock);
    QVERIFY(!entry.exists());
    QCOMPARE(entry.exec(), QString());
    QVERIFY(entry.write(command));
    QVERIFY(entry.exists());
    QVERIFY(entry.filePath().endsWith("/ZORVEK Inc.TIME.desktop"));
    const QString exec = entry.exec();
    QVERIFY(!exec.isEmpty());
    QCOMPARE(exec.contains(' ') && !command.contains(' '), false);
    QVERIFY(exec == command || exec == '"' + command + '"');
}

void TestUtilities::autostartRemove() {
    QTemporaryDir dir;
    const AutostartEntry entry(dir.path(), AutostartEntry::kCleanup);
    QVERIFY(!entry.remove());
    QVERIFY(entry.write("/x/ZKtmpdel"));
    QVERIFY(entry.remove());
    QVERIFY(!entry.exists());
}

QTEST_MAIN(TestUtilities)
#include "tst_utilities.moc"
