#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/LockFileLifecycle.h"

class TestPlatformServices : public QObject {
    Q_OBJECT
private:
    QTemporaryDir home_;
    QString settingsFolder() const { return home_.path() + "/config/ZORVEK Inc.TIME"; }

private slots:
    void init() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.path() + "/config"));
        qunsetenv("XDG_RUNTIME_DIR");
    }
    void lockLivesInAPrivateFolder_data();
    void lockLivesInAPrivateFolder();
};

void TestPlatformServices::lockLivesInAPrivateFolder_data() {
    QTest::addColumn<int>("runtimeMode");  // -1: no runtime folder is set
    QTest::addColumn<bool>("inRuntime");
    QTest::newRow("private runtime folder") << 0700 << true;
    QTest::newRow("shared like /tmp") << 01777 << false;
    QTest::newRow("group may enter") << 0750 << false;
    QTest::newRow("none set") << -1 << false;
}

void TestPlatformServices::lockLivesInAPrivateFolder() {
    QFETCH(int, runtimeMode);
    QFETCH(bool, inRuntime);
    const QString runtime = home_.path() + "/run" + QString::number(runtimeMode);
    if (runtimeMode >= 0) {
        QVERIFY(QDir().mkpath(runtime));
        QCOMPARE(chmod(QFile::encodeName(runtime).constData(), runtimeMode), 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    LockFileLifecycle first, second;
    QVERIFY(!first.otherInstanceRunning());
    QVERIFY(second.otherInstanceRunning());
    const QString folder = inRuntime ? runtime : settingsFolder();
    QVERIFY(QFile::exists(folder + "/ZKTIME.lock"));
}

QTEST_GUILESS_MAIN(TestPlatformServices)
#include "tst_platform.moc"
