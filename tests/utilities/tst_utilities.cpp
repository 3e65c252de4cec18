#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "AppFixture.h"
#include "platform/DesktopEntry.h"
#include "settings/SettingsWindow.h"
#include "core/AutostartEntry.h"
#include "core/Placement.h"
#include "core/RecentDocuments.h"
#include "core/TempFileCleaner.h"

namespace {
void touch(const QString& path, QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
    file.close();
    QVERIFY(file.setPermissions(permissions));
}

const QByteArray kNotUtf8 = "bad\377\376.tmp";
void touchNotUtf8(const QString& folder) {
    QCOMPARE(::close(::open(QFile::encodeName(folder) + '/' + kNotUtf8, O_CREAT | O_WRONLY, 0600)), 0);
}

// What GTK reads from a recently-used list, after adding the URIs to it through GTK.
QString gtkItems(const QString& list, const QStringList& uris = {}) {
    QProcess gtk;
    const QString helper = ZK_TEST_DIR "/utilities/recent_list.py";
    gtk.start("/usr/bin/python3", QStringList{helper, list} + uris);
    gtk.waitForFinished(30000);
    if (gtk.exitCode() != 0) return "failed: " + QString::fromUtf8(gtk.readAllStandardError());
    return QString::fromUtf8(gtk.readAllStandardOutput()).trimmed();
}
}  // namespace

class TestUtilities : public QObject {
    Q_OBJECT
private slots:
    // The strip stays where any of it shows; the settings window, frame included, comes wholly
    // onto the screen that holds most of it.
    void keepOnScreen_data() {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<QRect>("whole");
        const QRect strip(0, 0, 152, 16);
        QTest::newRow("inside") << strip.translated(100, 20) << strip.translated(100, 20) << strip.translated(100, 20);
        QTest::newRow("one pixel showing") << strip.translated(1023, 767) << strip.translated(1023, 767)
                                           << strip.translated(1024, 767);
        QTest::newRow("right of all") << strip.translated(5000, 20) << strip.translated(1024 - 152, 20)
                                      << strip.translated(1024 - 152, 20);
        QTest::newRow("left and below") << strip.translated(-500, 2000) << strip.translated(0, 768 - 16)
                                        << strip.translated(0, 768 - 16);
        QTest::newRow("across two screens, mostly the second") << strip.translated(1000, 700)
            << strip.translated(1000, 700) << strip.translated(1024, 700);
        QTest::newRow("gap below second screen") << strip.translated(1500, 1100)
            << strip.translated(1024 - 152, 768 - 16) << strip.translated(1024 - 152, 768 - 16);
        QTest::newRow("below the primary") << strip.translated(100, 760) << strip.translated(100, 760)
                                           << strip.translated(100, 768 - 16);
        QTest::newRow("wider than screen") << QRect(3000, 0, 2000, 16) << QRect(0, 0, 2000, 16)
                                           << QRect(0, 0, 2000, 16);
    }
    void keepOnScreen() {
        QFETCH(QRect, window);
        const QRect primary(0, 0, 1024, 768);
        const QList<QRect> screens = {primary, QRect(1024, 0, 1280, 1024)};
        QTEST(Placement::keepOnScreen(window, screens, primary), "expected");
        QTEST(Placement::wholeOnScreen(window, screens, primary), "whole");
    }

    // 1024 is checked through the settings window's button.
    void recommendedLeft() {
        QCOMPARE(Placement::recommendedLeft(640).value_or(-1), 6498);
        QCOMPARE(Placement::recommendedLeft(800).value_or(-1), 8898);
        QCOMPARE(Placement::recommendedLeft(1280).value_or(-1), -1);
    }

    void autostartEntriesValid_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << "/opt/zk";
        QTest::newRow("blank") << "/home/u/My Apps";
        QTest::newRow("japanese") << "/home/u/時計";
        QTest::newRow("quotes") << "/home/u/it's \"q\"";
        QTest::newRow("dollar and back-quote") << "/home/u/$HOME `id`";
        QTest::newRow("backslash") << "/home/u/back\\slash";
        QTest::newRow("percent") << "/home/u/100% %U";
    }
    // Desktops run the entry only if it is valid, and must get the program's path back exactly.
    void autostartEntriesValid() {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        for (const char* name : {AutostartEntry::kClock, AutostartEntry::kCleanup}) {
            const AutostartEntry entry(dir.path(), name);
            const QString program = folder + (name == AutostartEntry::kClock ? "/ZKTIME" : "/ZKtmpdel");
            QCOMPARE(entry.write(program), QString());
            QProcess validate;
            validate.setProcessChannelMode(QProcess::MergedChannels);
            validate.start("desktop-file-validate", {entry.filePath()});
            QVERIFY(validate.waitForFinished());
            const QString said = QString::fromUtf8(validate.readAll());
            QVERIFY2(validate.exitCode() == 0 && !said.contains("error"), qPrintable(said));
            QCOMPARE(DesktopEntry::execArguments(*DesktopEntry::read(entry.filePath())),
                     QStringList{program});
        }
    }

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
        QTest::newRow("unwritable, session") << "/" << false << 1 << false;
        QTest::newRow("unwritable, cleanup") << "/" << false << 2 << false;
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

    void cleanerDeletesOnlyUnusedFiles() {
        QTemporaryDir temp, elsewhere;
        const QString t = temp.path();
        touch(t + "/a.tmp");
        touch(t + "/readonly.tmp", QFile::ReadOwner);
        touch(t + "/.hidden.tmp");
        touch(t + "/keep.txt");
        touchNotUtf8(t);
        touch(elsewhere.path() + "/target.tmp");
        QVERIFY(QFile::link(elsewhere.path() + "/target.tmp", t + "/link.tmp"));
        QVERIFY(QDir().mkpath(t + "/folder.tmp"));
        touch(t + "/folder.tmp/inside.tmp");
        QCOMPARE(mkfifo(QFile::encodeName(t + "/fifo.tmp").constData(), 0600), 0);
        QFile held(t + "/held.tmp");
        QVERIFY(held.open(QIODevice::WriteOnly));  // a running program has it open

        const TempFileCleaner cleaner(t);
        const QByteArrayList listed = cleaner.list();
        QCOMPARE(listed, (QByteArrayList{".hidden.tmp", "a.tmp", kNotUtf8, "held.tmp", "link.tmp", "readonly.tmp"}));
        int failures = 0;
        const auto outcome = cleaner.clean(listed, [&] { ++failures; });
        QCOMPARE(outcome.left, QByteArrayList{"held.tmp"});
        QCOMPARE(cleaner.list(), QByteArrayList{"held.tmp"});
        QCOMPARE(failures, 1);
        QCOMPARE(outcome.inUse, 1);
        QVERIFY(QFile::exists(elsewhere.path() + "/target.tmp"));  // the link went, not its target
        QVERIFY(QFile::exists(t + "/folder.tmp/inside.tmp"));
        QVERIFY(QFile::exists(t + "/keep.txt"));
        touch(t + "/theirs.tmp");  // kept even where the runner could delete it, as root could
        const TempFileCleaner other(t, FileSystem::currentUser() + 1);  // another user runs it
        const auto theirs = other.clean({"theirs.tmp"}, [] {});
        QCOMPARE(theirs.refused, 1);
        QCOMPARE(theirs.left, QByteArrayList{"theirs.tmp"});
    }

    // The folder is swapped for another of the same name between listing and deleting.
    void cleanerStaysInItsFolder() {
        QTemporaryDir temp;
        const QString folder = temp.path() + "/tmp", moved = temp.path() + "/moved";
        QVERIFY(QDir().mkpath(folder));
        touch(folder + "/x.tmp");
        const TempFileCleaner cleaner(folder);
        QVERIFY(QDir().rename(folder, moved) && QDir().mkpath(folder));
        QVERIFY(QFile::link(moved, moved + ".link"));
        touch(folder + "/x.tmp");
        QCOMPARE(cleaner.clean(cleaner.list(), [] {}).left, QByteArrayList{});
        QVERIFY(!QFile::exists(moved + "/x.tmp") && QFile::exists(folder + "/x.tmp"));
        QVERIFY(!TempFileCleaner(moved + ".link").isOpen());
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

    void recentFolder() {
        TestPlatform os;
        const QString folder = os.locations.recentDocumentsFolder();
        RecentDocuments::clear(os.locations, os.dialogs);  // no folder and no list: nothing to do
        QVERIFY(!QFile::exists(os.locations.recentlyUsedFile()));
        QVERIFY(QDir().mkpath(folder + "/sub"));
        for (const char* name : {"/a.desktop", "/b.desktop", "/.hidden", "/sub/inside"})
            touch(folder + name);
        touch(os.root() + "/target");
        QVERIFY(QFile::link(os.root() + "/target", folder + "/link"));
        QVERIFY(QFile::link(os.root() + "/gone", folder + "/dangling"));
        QVERIFY(QFile::link(os.root() + "/tmp", folder + "/folder-link"));
        auto held = std::make_unique<QFile>(folder + "/held");
        QVERIFY(held->open(QIODevice::WriteOnly));
        QCOMPARE(RecentDocuments::clear(os.locations, os.dialogs),
                 QStringList{folder + ": 使用中のファイルは消去できません"});
        const auto everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
        QCOMPARE(QDir(folder).entryList(everything, QDir::Name),
                 (QStringList{".hidden", "held", "sub"}));
        QVERIFY(QFile::exists(os.root() + "/target"));
        QVERIFY(QFile::exists(folder + "/sub/inside"));
        QCOMPARE(os.dialogs.beeps(), 1);
        held.reset();
        RecentDocuments::clear(os.locations, os.dialogs);
        RecentDocuments::clear(os.locations, os.dialogs);  // a second press finds nothing
        QCOMPARE(QDir(folder).entryList(everything, QDir::Name), (QStringList{".hidden", "sub"}));
        QCOMPARE(os.dialogs.beeps(), 1);
    }

    void recentFolderLinkTold() {
        AppFixture f;
        const QString folder = f.platform.locations.recentDocumentsFolder(), elsewhere = folder + ".d";
        QVERIFY(QDir().mkpath(elsewhere) && QFile::link(elsewhere, folder));
        touch(elsewhere + "/a.desktop");
        const QString told = "最近使ったファイルを消去できませんでした。\r\n" + folder + ": シンボリックリンクのため消去しません";
        f.platform.dialogs.expect(told);
        QVERIFY(f.start());
        f.app->openSettings();
        f.app->settings()->findChild<QPushButton*>("clearRecentNowButton")->click();
        QCOMPARE(f.platform.dialogs.events(), (QStringList{"beep", "message:" + told}));
        QVERIFY(QFile::exists(elsewhere + "/a.desktop"));
    }

    void recentList_data() {
        QTest::addColumn<QString>("before");
        QTest::newRow("GTK's own list") << "gtk";
        QTest::newRow("garbage") << "garbage";
        QTest::newRow("10 MB") << "huge";
        QTest::newRow("link to another file") << "link";
        QTest::newRow("missing") << "missing";
        QTest::newRow("another user's, mode 000, in my folder") << "theirs";
        QTest::newRow("in another user's folder") << "their folder";
    }
    void recentList() {
        QFETCH(QString, before);
        TestPlatform os;
        const bool asNobody = before.startsWith("their");
        if (asNobody && ::geteuid() != 0) QSKIP("another user's files can be made only by root");
        const QString list = os.locations.recentlyUsedFile(), other = os.root() + "/other";
        QVERIFY(QDir().mkpath(QFileInfo(list).path()));
        QFile file(before == "link" ? other : list);
        if (before == "gtk") QCOMPARE(gtkItems(list, {"file:///etc/hosts", "file:///etc/passwd"}), "2");
        if (before != "gtk" && before != "missing") {
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QByteArray garbage("\0\xff<xbel><bo", 11);
            file.write(before == "huge" ? QByteArray(10 << 20, '<') : garbage);
            file.close();
        }
        if (before == "link") QVERIFY(QFile::link(other, list));
        if (asNobody) {  // the list is root's and unreadable; the folder is nobody's in one row
            QVERIFY(::chmod(QFile::encodeName(os.root()), 0755) == 0 && ::chmod(QFile::encodeName(list), 0) == 0);
            QCOMPARE(::chown(QFile::encodeName(QFileInfo(list).path()), before == "theirs" ? 65534 : 0, 0), 0);
            QCOMPARE(::seteuid(65534), 0);
        }
        const QStringList failures = RecentDocuments::clear(os.locations, os.dialogs);
        if (asNobody) QCOMPARE(::seteuid(0), 0);
        const QString told = before == "their folder" ? list + ": Permission denied" : "";
        QCOMPARE(failures.join(""), told);
        QCOMPARE(os.dialogs.beeps(), failures.size());
        QCOMPARE(QFileInfo::exists(list), before != "missing");
        if (before == "missing" || !told.isEmpty()) return;
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(list).constData(), &info) == 0 && (info.st_mode & 07777) == 0600);
        QCOMPARE(gtkItems(list), "0");
        QVERIFY(!QFileInfo(list).isSymLink());
        QCOMPARE(QFileInfo(other).size(), before == "link" ? 11 : 0);
    }
};

QTEST_MAIN(TestUtilities)
#include "tst_utilities.moc"
