#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "AppFixture.h"
#include "clock/TickScheduler.h"
#include "core/Twips.h"
#include "core/AutostartEntry.h"

class TestClock : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<AppFixture> f;
    QColor textColour(const QString& name) {
        return f->onClock(name)->palette().color(QPalette::WindowText);
    }

private slots:
    void init() { f = std::make_unique<AppFixture>(); }
    void cleanup() { f.reset(); }

    // The exit controls show, as buttons or as labels, only on the wide strip, also while an alarm
    // fills the screen and the strip's edge no longer hides them; on a narrow strip they are not
    // made at all. Colour mode 2 changes nothing.
    void stripLooks_data() {
        QTest::addColumn<QString>("rq");
        QTest::addColumn<QString>("btn0");
        QTest::addColumn<QString>("colourMode");
        QTest::addColumn<QString>("shown");  // "Button", "Label" or none
        QTest::addColumn<bool>("titleBarColours");
        QTest::newRow("labels, black on the gradient") << "1" << "False" << "0" << "Label" << false;
        QTest::newRow("buttons, title-bar colours") << "1" << "True" << "1" << "Button" << true;
        QTest::newRow("narrow, mode 2") << "0" << "True" << "2" << "" << true;
    }
    void stripLooks() {
        QFETCH(QString, rq);
        QFETCH(QString, btn0);
        QFETCH(QString, colourMode);
        QFETCH(QString, shown);
        QFETCH(bool, titleBarColours);
        f->seed("o", "RQ", rq);
        f->seed("o", "btn0", btn0);
        f->seed("o", "tokeiG", colourMode);
        alarmAt7();
        QVERIFY(f->start());
        QVERIFY(!f->onClock("confirmAlarm"));  // made at the first ring
        const QPalette palette = QApplication::palette();
        QCOMPARE(f->onClock("gradient")->isVisible(), colourMode != "1");
        QCOMPARE(textColour("time"), titleBarColours ? palette.color(QPalette::HighlightedText)
                                                     : QColor(Qt::black));
        if (rq == "1")
            QCOMPARE(textColour("shutDownLabel"),
                     titleBarColours ? palette.color(QPalette::Button) : QColor(Qt::black));
        for (bool ringing : {false, true}) {
            if (ringing) tickAt7();
            for (const QString kind : {"Button", "Label"})
                for (const QString which : {"restart", "shutDown"})
                    QCOMPARE(f->shown(which + kind), shown == kind);
        }
        QCOMPARE(f->onClock("shutDownButton") != nullptr, rq == "1");
    }

    void todayViewOncePerRun_data() {
        QTest::addColumn<QString>("openCheckAtStart");
        QTest::addColumn<int>("offers");
        QTest::newRow("shown at start") << "0" << 1;
        QTest::newRow("switched off at start") << "1" << 0;
    }
    void todayViewOncePerRun() {
        QFETCH(QString, openCheckAtStart);
        f->seed("set", "OPENCheck", openCheckAtStart);
        QVERIFY(f->start());
        f->app->store().save("set", "OPENCheck", "0");
        f->app->reloadClock(true);
        f->app->reloadClock(false);
        QTEST(f->app->todayViewOffers(), "offers");
    }

    void secondCopyEndsSilently() {
        f->platform.lifecycle.otherRunning = true;
        QVERIFY(!f->start());
        QVERIFY(f->app->clock() == nullptr);
        QVERIFY(!QFile::exists(f->platform.locations.settingsFile()));
        QVERIFY(f->platform.dialogs.events().isEmpty());
    }

    void tickWritesDateAndTime_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("no leading zeros") << QDateTime(QDate(1999, 6, 5), QTime(9, 5, 3)) << "1999/6/5" << "9:05:03";
    }
    // The design captions show until the first tick.
    void tickWritesDateAndTime() {
        QFETCH(QDateTime, now);
        QVERIFY(f->start());
        QVERIFY(f->clock()->tickScheduler().isActive());
        QCOMPARE(f->text("date") + f->text("time"), QString("     ZORVEKInc.TIME "));
        f->platform.clock.set(now);
        f->clock()->showTime();
        QTEST(f->text("date"), "date");
        QTEST(f->text("time"), "time");
    }

    void holdingDateShowsWeekdayAndPauses() {
        f->platform.clock.set(QDateTime(QDate(2026, 12, 9), QTime(8, 0, 0)));  // a Wednesday
        QVERIFY(f->start());
        f->clock()->showTime();
        QLabel* date = f->onClock<QLabel>("date");
        QTest::mousePress(date, Qt::LeftButton);
        QCOMPARE(date->text(), QString("Wednesday"));
        QVERIFY(!f->clock()->tickScheduler().isActive());
        QTest::mouseRelease(date, Qt::LeftButton);
        QVERIFY(f->clock()->tickScheduler().isActive());
        QCOMPARE(date->text(), QString("Wednesday"));  // until the next tick
        f->clock()->showTime();
        QCOMPARE(date->text(), QString("2026/12/9"));
    }

    void rightClickHidesForTenSeconds_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("laterMs");  // when the hide timer looks, from the click at x.700 s
        QTest::addColumn<bool>("shown");
        QTest::newRow("9.2 s: still hidden") << Qt::RightButton << 9200 << false;
        QTest::newRow("9.3 s: ten whole seconds") << Qt::RightButton << 9300 << true;
        QTest::newRow("clock set back") << Qt::RightButton << -60000 << true;
    }
    // A second click or a release during the hide neither restarts the wait nor the tick.
    void rightClickHidesForTenSeconds() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, laterMs);
        QFETCH(bool, shown);
        const QDateTime click(QDate(2026, 12, 9), QTime(8, 0, 0, 700));
        f->platform.clock.set(click);
        QVERIFY(f->start());
        const QPoint place = f->clock()->pos();
        QLabel* date = f->onClock<QLabel>("date");
        QTest::mousePress(date, button);
        QVERIFY(f->clock()->isHidden());
        f->platform.clock.set(click.addMSecs(5000));
        QTest::mouseRelease(date, button);
        QTest::mouseClick(date, button);
        QTest::mouseDClick(date, button);
        QVERIFY(!f->clock()->tickScheduler().isActive());
        QVERIFY(!f->app->settings());  // only a left double click opens it
        f->platform.clock.set(click.addMSecs(laterMs));
        f->clock()->mouse().endHideWhenOver();
        QCOMPARE(f->clock()->isVisible(), shown);
        QCOMPARE(f->clock()->tickScheduler().isActive(), shown);
        QCOMPARE(f->clock()->pos(), place);
    }

    void timeDoubleClick_data() {
        QTest::addColumn<QStringList>("stored");  // saikin, Win, reboot, kidou
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<int>("launchResult");
        QTest::addColumn<QStringList>("seen");  // in order: clearing, requests, end, launches, dialogs
        const QString refused =
            "message:シャットダウンまたは再起動を要求できませんでした。\r\nAccess denied";
        const QString noPath = "message:実行させたいファイルのフルパスを指定してください。";
        const QString notFound =
            "message:ディレクトリ 又は、ファイル名が違うか ファイルが存在しません。";
        const QString check = "message:実行させたいファイルのフルパスを確認してください。";
        const QStringList launchOnly = {"0", "0", "False", "1"};
        const QString started = "start /opt/My Tools/run --x";
        QTest::newRow("all zero: nothing") << QStringList{"0", "0", "True", "0"} << "" << 0
                                           << QStringList{};
        QTest::newRow("clear, then shut down, then end")
            << QStringList{"1", "1", "False", "0"} << "" << 0
            << QStringList{"cleared", "cleared before poweroff", "end"};
        QTest::newRow("restart and launch both stored: no launch")
            << QStringList{"0", "1", "True", "1"} << "" << 0 << QStringList{"reboot", "end"};
        QTest::newRow("refused: told, no end, no launch")
            << QStringList{"0", "1", "False", "1"} << "Access denied" << 0
            << QStringList{"poweroff", "beep", refused};
        QTest::newRow("launch") << launchOnly << "" << 0 << QStringList{started};
        QTest::newRow("launch: empty path") << launchOnly << "" << 5
                                            << QStringList{started, "beep", noPath};
        QTest::newRow("launch: not found") << launchOnly << "" << 53
                                           << QStringList{started, "beep", notFound, check};
    }
    void timeDoubleClick() {
        QFETCH(QStringList, stored);
        QFETCH(QString, refusal);
        QFETCH(int, launchResult);
        QFETCH(QStringList, seen);
        const QStringList keys = {"saikin", "Win", "reboot", "kidou"};
        for (int i = 0; i < keys.size(); ++i) f->seed("c", keys[i], stored[i]);
        f->seed("c", "kidouPath", "/opt/My Tools/run --x");
        const QString recent = f->platform.locations.recentDocumentsFolder();
        QVERIFY(QDir().mkpath(recent));
        QFile(recent + "/a.desktop").open(QIODevice::WriteOnly);
        FakePower& power = f->platform.power;
        if (!refusal.isEmpty()) power.failure = refusal;
        QStringList happened;
        power.onRequest = [&] {
            happened << (QDir(recent).isEmpty() ? "cleared before " : "") + power.requests.last();
        };
        f->platform.launcher.startResult = Launcher::Result(launchResult);
        f->platform.dialogs.allowPrefix("");
        QVERIFY(f->start());
        QTest::mouseDClick(f->onClock("time"), Qt::LeftButton);
        if (QDir(recent).isEmpty()) happened.prepend("cleared");
        if (f->platform.lifecycle.endRequests == 1) happened << "end";
        for (const QString& line : f->platform.launcher.started) happened << "start " + line;
        QCOMPARE(happened + f->platform.dialogs.events(), seen);
    }

    // From the millisecond within the second: on the boundary, just after a tick, mid-second, just
    // before the next.
    void tickDelayAimsJustPastTheSecond() {
        for (const auto& [msec, delay] : {std::pair{0, 1002}, {2, 1000}, {500, 502}, {999, 3}})
            QCOMPARE(TickScheduler::delayToNextSecond(msec), delay);
    }

private:
    void alarmAt7() {
        f->seed("ALM", "ALMTIM1", "7:00:00");
        f->seed("ALM", "onoff1", "1");
    }
    void tickAt7() {
        f->platform.clock.set(QDateTime(QDate(2026, 12, 7), QTime(7, 0)));
        f->clock()->showTime();
        QVERIFY(f->clock()->alarmScreen().isRinging());
        // 確認(K) has the focus, for a screen reader; a blank typed for another program just as
        // the alarm came does not press it.
        QTest::keyClick(f->onClock("confirmAlarm"), Qt::Key_Space);
        QVERIFY(f->clock()->alarmScreen().isRinging());
    }
};

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
