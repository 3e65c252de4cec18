#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "TestFiles.h"
#include "TestPlatform.h"
#include "core/AutostartEntry.h"
#include "core/RecentDocuments.h"
#include "core/TempFileCleaner.h"
#include "platform/DesktopEntry.h"

namespace {

// What GTK reads from a recently-used list, after adding the URIs to it through GTK.
QString gtkItems(const QString& list, const QStringList& uris = {}) {
    QProcess gtk;
    const QString helper = ZK_TEST_DIR "/support/recent_list.py";
    gtk.start("/usr/bin/python3", QStringList{helper, list} + uris);
    gtk.waitForFinished(30000);
    if (gtk.exitCode() != 0) return "failed: " + QString::fromUtf8(gtk.readAllStandardError());
    return QString::fromUtf8(gtk.readAllStandardOutput()).trimmed();
}

}  // namespace

// The files the program cleans up or writes for the desktop, in real folders.
class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void autostartEntriesValid_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("blank") << "/home/u/My Apps";
        QTest::newRow("quotes") << "/home/u/it's \"q\"";
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
    void cleanerDeletesOnlyUnusedFiles() {
        QTemporaryDir temp, elsewhere;
        const QString t = temp.path();
        touch(t + "/a.tmp");
        touch(t + "/b.TMP");  // letter case does not matter, as on the desktops the pattern comes from
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
        QCOMPARE(listed, (QByteArrayList{".hidden.tmp", "a.tmp", "b.TMP", kNotUtf8, "held.tmp", "link.tmp", "readonly.tmp"}));
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
        // A link in the folder's place is left, with what it points to.
        QVERIFY(QDir().rename(folder, folder + ".d") && QFile::link(folder + ".d", folder));
        QCOMPARE(RecentDocuments::clear(os.locations, os.dialogs),
                 QStringList{folder + ": シンボリックリンクのため消去しません"});
        QVERIFY(QFile::exists(folder + ".d/.hidden"));
    }
    void recentList_data() {
        QTest::addColumn<QString>("before");
        QTest::newRow("GTK's own list") << "gtk";
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

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
