#include <sys/stat.h>

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include "platform/LockFileLifecycle.h"
#include "platform/ProcessLauncher.h"

// The real launcher starts a real script that writes the arguments it was given, one per line.
// The one-copy lock is tried in real folders of the modes a session may have.
class TestPlatform : public QObject {
    Q_OBJECT
private:
    QTemporaryDir home_;
    QString settingsFolder() const { return home_.path() + "/config/ZORVEK Inc.TIME"; }

private slots:
    void init() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.path() + "/config"));
        qunsetenv("XDG_RUNTIME_DIR");
    }
    void launch_data() {
        QTest::addColumn<QString>("line");  // %1 is the test's folder
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("arguments");  // what the script got, when started
        const QString run = "%1/My Tools/run me";
        QTest::newRow("blanks in the path") << run << 0 << "\n";  // printf with no words
        QTest::newRow("quoted, with arguments")
            << "'" + run + "' a\\ b \"c \\\"d\\\"\" 'e\\f' ''" << 0 << "a b\nc \"d\"\ne\\f\n\n";
        QTest::newRow("operators are plain words")
            << "\"" + run + "\" ; touch %1/evil && rm -rf ~ | x" << 0
            << ";\ntouch\n%1/evil\n&&\nrm\n-rf\n~\n|\nx\n";
        QTest::newRow("nothing expanded") << "\"" + run + "\" $(touch %1/evil) `touch` $HOME *" << 0
                                          << "$(touch\n%1/evil)\n`touch`\n$HOME\n*\n";
        QTest::newRow("desktop entry") << "%1/app.desktop" << 0 << "--flag\n100%\n";
        QTest::newRow("desktop entry without Exec") << "%1/none.desktop" << 53 << "";
        QTest::newRow("empty") << "" << 5 << "";
        QTest::newRow("quote left open") << "'" + run << 5 << "";
        QTest::newRow("NUL") << run + QChar(0) + "x" << 5 << "";
        QTest::newRow("missing file") << "%1/My Tools/gone" << 53 << "";
        QTest::newRow("a folder") << "%1" << 53 << "";
        QTest::newRow("shell words only") << "; rm -rf ~" << 53 << "";
        QTest::newRow("10,000 characters") << "/" + QString(9999, 'a') << 53 << "";
    }
    void launch() {
        QFETCH(QString, line);
        QFETCH(int, result);
        QFETCH(QString, arguments);
        QTemporaryDir dir;
        QDir().mkpath(dir.path() + "/My Tools");
        QFile script(dir.path() + "/My Tools/run me");
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/got.part\"\n"
                     "mv \"$(dirname \"$0\")/got.part\" \"$(dirname \"$0\")/got\"\n");
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        script.close();
        QFile entry(dir.path() + "/app.desktop");
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=x\n"
                    "Exec=\"" + dir.path().toUtf8() + "/My Tools/run me\" %U --flag 100%%\n");
        entry.close();
        QFile(dir.path() + "/none.desktop").open(QIODevice::WriteOnly);

        ProcessLauncher launcher;
        QCOMPARE(int(launcher.start(line.replace("%1", dir.path()))), result);
        if (result != Launcher::Started) return;  // refused before anything was started
        QFile got(dir.path() + "/My Tools/got");
        QTRY_VERIFY(got.exists());
        QVERIFY(got.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(got.readAll()), QString(arguments).replace("%1", dir.path()));
        QVERIFY(!QFile::exists(dir.path() + "/evil"));
    }

    // Copies started with and without a runtime folder see each other's lock; a lock whose owner
    // died is taken over.
    void lockLivesBesideTheStore_data() {
        QTest::addColumn<int>("runtimeMode");  // -1: no runtime folder is set
        QTest::addColumn<bool>("stale");
        QTest::newRow("private runtime folder") << 0700 << false;
        QTest::newRow("shared like /tmp") << 01777 << false;
        QTest::newRow("none set") << -1 << false;
        QTest::newRow("a dead copy's lock") << 0700 << true;
    }
    void lockLivesBesideTheStore() {
        QFETCH(int, runtimeMode);
        QFETCH(bool, stale);
        const QString runtime = home_.path() + "/run" + QString::number(runtimeMode);
        QVERIFY(QDir().mkpath(settingsFolder()));
        if (stale) {  // pid 2^22 + 1 is above any Linux pid
            QFile old(settingsFolder() + "/ZKTIME.lock");
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("4194305\nZKTIME\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        }
        LockFileLifecycle withoutRuntime, withRuntime;
        QVERIFY(!withoutRuntime.otherInstanceRunning());
        if (runtimeMode >= 0) {
            QVERIFY(QDir().mkpath(runtime));
            QCOMPARE(chmod(QFile::encodeName(runtime).constData(), runtimeMode), 0);
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        }
        QVERIFY(withRuntime.otherInstanceRunning());
        QVERIFY(QFile::exists(settingsFolder() + "/ZKTIME.lock"));
    }

};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
