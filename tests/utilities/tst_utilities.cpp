#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "AppFixture.h"
#include "TestFiles.h"

// The utility pages over real folders: autostart entries, temporary files, recent documents.
class TestUtilities : public QObject {
    Q_OBJECT
private slots:
    // The row's text is in both entries; "/" puts a plain file, unwritable even for root, there.
    void autostartStates_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("shownOn");
        QTest::addColumn<int>("turned");  // turned round before Apply: 1 start with session, 2 cleanup
        QTest::addColumn<bool>("kept");    // both files still hold the row's text after Apply
        const QString mine = "[Desktop Entry]\nType=Application\nName=mine\nExec=/x\n";
        QTest::newRow("on, unrelated Apply") << mine << true << 0 << true;
        QTest::newRow("Hidden") << mine + "Hidden=true\n" << false << 0 << true;
        QTest::newRow("GNOME: off") << mine + "X-GNOME-Autostart-enabled=false\n" << false << 0 << true;
        QTest::newRow("Hidden, turned on") << mine + "Hidden=true\n" << false << 3 << false;
        QTest::newRow("unwritable, both: one message") << "/" << false << 3 << false;
    }
    void autostartStates() {
        QFETCH(QString, entry);
        QFETCH(int, turned);
        AppFixture f;
        const QString folder = f.platform.locations.autostartFolder();
        const QStringList files = {folder + "/ZORVEK Inc.TIME.desktop", folder + "/ZKtmpdel.desktop"};
        QVERIFY(QFile::copy("/bin/true", f.platform.locations.programFolder() + "/ZKtmpdel"));
        if (entry == "/") QVERIFY(QDir().rmdir(folder) && QFile(folder).open(QFile::WriteOnly));
        for (const QString& name : files)
            if (QFile file(name); file.open(QIODevice::WriteOnly)) file.write(entry.toUtf8());
        f.platform.dialogs.allowPrefix("設定を保存できませんでした。\r\n" + folder + "/");
        QVERIFY(f.start());
        f.app->openSettings();
        auto button = [&f](const char* id) { return f.app->settings()->findChild<QAbstractButton*>(id); };
        QTEST(button("startWithSession(0)")->isChecked(), "shownOn");
        QTEST(button("cleanupAtLoginCheck")->isChecked(), "shownOn");
        if (turned & 1) button(button("startWithSession(0)")->isChecked() ? "startWithSession(1)" : "startWithSession(0)")->click();
        if (turned & 2) button("cleanupAtLoginCheck")->click();
        f.app->settings()->apply();
        QCOMPARE(f.platform.dialogs.shown().size(), entry == "/" ? 1 : 0);
        for (const QString& name : files) {
            QFile file(name);
            QTEST(file.open(QIODevice::ReadOnly) && file.readAll() == entry.toUtf8(), "kept");
        }
    }
    void deleteButtonDeletesWhatWasListed() {
        AppFixture f;
        const QString temp = f.platform.locations.tempFolder();
        touch(temp + "/listed.tmp");
        touchNotUtf8(temp);
        QFile held(temp + "/held.tmp");
        QVERIFY(held.open(QIODevice::WriteOnly));
        QVERIFY(f.start());
        f.app->openSettings();
        auto* list = f.app->settings()->findChild<QListWidget*>("tempFileList");
        QCOMPARE(list->item(0)->text(), QStringLiteral("bad\uFFFD\uFFFD.tmp"));
        touch(temp + "/later.tmp");
        f.app->settings()->findChild<QPushButton*>("deleteTempFilesButton")->click();
        QVERIFY(!QFile::exists(temp + "/listed.tmp"));
        QVERIFY(QFile::exists(temp + "/later.tmp"));
        QCOMPARE(f.app->settings()->findChild<QLabel*>("tempFilesPanel")->text(),
                 QStringLiteral("次のファイルは現在使用中の為 消去できません！（2個）"));  // held, later
    }
};

QTEST_MAIN(TestUtilities)
#include "tst_utilities.moc"
