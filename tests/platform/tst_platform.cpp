#include <sys/stat.h>

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include "platform/LockFileLifecycle.h"
#include "platform/ProcessLauncher.h"

// The launcher resolves lines in a real folder, and its starts are recorded instead of run. The
// one-copy lock is tried in real folders of the modes a session may have.
class TestPlatform : public QObject {
    Q_OBJECT
private:
    QTemporaryDir home_;
    QString settingsFolder() const { return home_.path() + "/config/ZORVEK Inc.TIME"; }
    QString tools() const { return home_.path() + "/My Tools"; }

private slots:
    // A program on PATH, a file that is none, and a working folder not to look for programs in.
    void initTestCase() {
        QVERIFY(QDir().mkpath(tools()) && QFile(home_.path() + "/text").open(QIODevice::WriteOnly));
        QVERIFY(QFile::copy("/bin/true", tools() + "/run me"));
        qputenv("PATH", QFile::encodeName(tools() + ":" + qEnvironmentVariable("PATH")));
        QDir::setCurrent(home_.path());
    }
    void init() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.path() + "/config"));
        qunsetenv("XDG_RUNTIME_DIR");
    }
    void launch_data() {
        QTest::addColumn<QString>("line");  // or a desktop entry's text; %1 is the test's folder
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("arguments");  // what "run me" got, one a line, when started
        const QString run = "%1/My Tools/run me";
        QTest::newRow("blanks in the path") << run << 0 << "\n";
        QTest::newRow("quoted, with arguments")
            << "'" + run + "' a\\ b \"c \\\"d\\\"\" 'e\\f' ''" << 0 << "a b\nc \"d\"\ne\\f\n\n";
        QTest::newRow("nothing expanded") << "\"" + run + "\" $(touch %1/evil) `touch` $HOME *" << 0
                                          << "$(touch\n%1/evil)\n`touch`\n$HOME\n*\n";
        const QString app =
            "[Desktop Entry]\nType=Application\nExec=\"" + run + "\" %U --flag 100%%\n";
        QTest::newRow("desktop entry") << app << 0 << "--flag\n100%\n";
        QTest::newRow("entry: a link") << QString(app).replace("Application", "Link") << 53 << "";
        QTest::newRow("entry: hidden") << app + "Hidden=true\n" << 53 << "";
        QTest::newRow("entry: TryExec missing") << app + "TryExec=zk-not-installed\n" << 53 << "";
        QTest::newRow("entry over 1 MiB") << app + "#" + QString(2 << 20, 'x') << 53 << "";
        QTest::newRow("empty") << "" << 5 << "";
        QTest::newRow("NUL") << run + QChar(0) + "x" << 5 << "";
        QTest::newRow("missing file") << "%1/My Tools/gone" << 53 << "";
        QTest::newRow("not executable") << "%1/text" << 53 << "";
    }
    void launch() {
        QFETCH(QString, line);
        QFETCH(QString, arguments);
        line.replace("%1", home_.path());
        if (line.startsWith("[Desktop Entry]")) {
            QFile entry(home_.path() + "/app.desktop");
            QVERIFY(entry.open(QIODevice::WriteOnly) && entry.write(line.toUtf8()) > 0);
            line = entry.fileName();
        }
        QString got;
        ProcessLauncher launcher([&](const QString& program, const QStringList& arguments) {
            got = arguments.join('\n') + '\n';
            return program == tools() + "/run me";  // anything else fails to start
        });
        QTEST(int(launcher.start(line)), "result");
        QCOMPARE(got, arguments.replace("%1", home_.path()));
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
