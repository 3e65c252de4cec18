#include <QTemporaryDir>
#include <QTest>

#include "utilities/AutostartEntry.h"
#include "utilities/Placement.h"

class TestUtilities : public QObject {
    Q_OBJECT
private slots:
    void keepOnScreen_data();
    void keepOnScreen();
    void autostartRoundTrip_data();
    void autostartRoundTrip();
    void autostartRemove();
};

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

QTEST_GUILESS_MAIN(TestUtilities)
#include "tst_utilities.moc"
