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
        return f->control(name)->palette().color(QPalette::WindowText);
    }

private slots:
    void init() { f = std::make_unique<AppFixture>(); }
    void cleanup() { f.reset(); }

    // The design captions show until the first tick.
    void startsTicking() {
        QVERIFY(f->start());
        QVERIFY(f->clock()->tickScheduler().isActive());
        QCOMPARE(f->text("date"), QString("     ZORVEK"));
        QCOMPARE(f->text("time"), QString("Inc.TIME "));
    }

    // A strip wholly off every screen shows on the primary one; the store keeps the user's value.
    void storedPlaceAndWidth_data() {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("rq");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("RQ 1: wide") << "1500" << "300" << "1" << QRect(100, 20, 187, 16);
        QTest::newRow("rounding") << "22" << "8" << "0" << QRect(1, 1, 152, 16);
        QTest::newRow("RQ other value") << "0" << "0" << "2" << QRect(0, 0, 152, 16);
        QTest::newRow("letters") << "abc" << "x" << "yes" << QRect(0, 0, 152, 16);
        QTest::newRow("off every screen") << "99999" << "300" << "0" << QRect(1024 - 152, 20, 152, 16);
        QTest::newRow("on the second screen") << "18000" << "300" << "0" << QRect(1200, 20, 152, 16);
    }
    void storedPlaceAndWidth() {
        QFETCH(QString, left);
        QFETCH(QString, top);
        QFETCH(QString, rq);
        QFETCH(QRect, geometry);
        f->platform.screens.all << QRect(1024, 0, 1280, 1024);
        f->seed("set", "left", left);
        f->seed("set", "top", top);
        f->seed("o", "RQ", rq);
        QVERIFY(f->start());
        QCOMPARE(f->clock()->geometry(), geometry);
        QCOMPARE(f->control("gradient")->width(), geometry.width());
        QCOMPARE(f->stored("set", "left"), left);
    }

    void exitControls_data() {
        QTest::addColumn<QString>("rq");
        QTest::addColumn<QString>("btn0");
        QTest::addColumn<bool>("buttonsShown");
        QTest::addColumn<bool>("labelsShown");
        QTest::newRow("RQ 1 icon type: labels show") << "1" << "False" << false << true;
        QTest::newRow("RQ 1 button type") << "1" << "True" << true << false;
        QTest::newRow("RQ 0 button type: none") << "0" << "True" << false << false;
        QTest::newRow("RQ 0 icon type: none") << "0" << "0" << false << false;
    }
    // Also while an alarm fills the screen, where a narrow strip's edge no longer hides them. With
    // RQ 0 they do nothing either, however they are clicked.
    void exitControls() {
        QFETCH(QString, rq);
        QFETCH(QString, btn0);
        QFETCH(bool, buttonsShown);
        QFETCH(bool, labelsShown);
        f->seed("o", "RQ", rq);
        f->seed("o", "btn0", btn0);
        f->seed("ALM", "onoff1", "1");
        f->seed("ALM", "ALMTIM1", "9:05:04");
        QVERIFY(f->start());
        for (bool ringing : {false, true}) {
            if (ringing) f->platform.clock.advance(1);
            f->clock()->showTime();
            QCOMPARE(f->clock()->alarmScreen().isRinging(), ringing);
            for (const char* name : {"restartButton", "shutDownButton"}) QCOMPARE(f->shown(name), buttonsShown);
            for (const char* name : {"restartLabel", "shutDownLabel"}) QCOMPARE(f->shown(name), labelsShown);
        }
        // With RQ 0 they are not made at all, so they can do nothing, however they are clicked.
        QCOMPARE(f->control("shutDownButton") != nullptr, rq != "0");
        if (rq == "1") QCOMPARE(f->control("shutDownButton")->font().pointSizeF(), 9.75);
    }

    void colourModes_data() {
        QTest::addColumn<QString>("tokeiG");
        QTest::addColumn<bool>("pictureShown");
        QTest::addColumn<bool>("titleBarText");
        QTest::newRow("0: black on gradient") << "0" << true << false;
        QTest::newRow("1: title-bar colours") << "1" << false << true;
        QTest::newRow("2: nothing done") << "2" << true << true;  // design colours stay
    }
    void colourModes() {
        QFETCH(QString, tokeiG);
        QFETCH(bool, pictureShown);
        QFETCH(bool, titleBarText);
        f->seed("o", "tokeiG", tokeiG);
        f->seed("o", "RQ", "1");
        QVERIFY(f->start());
        QCOMPARE(f->control("gradient")->isVisible(), pictureShown);
        const QColor titleText = QApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
        const QColor buttonFace = QApplication::palette().color(QPalette::Active, QPalette::Button);
        QCOMPARE(textColour("date"), titleBarText ? titleText : QColor(Qt::black));
        QCOMPARE(textColour("time"), titleBarText ? titleText : QColor(Qt::black));
        QCOMPARE(textColour("shutDownLabel"), titleBarText ? buttonFace : QColor(Qt::black));
        QCOMPARE(f->clock()->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Active, QPalette::Highlight));
    }

    void cleanupRegistration_data() {
        QTest::addColumn<QString>("content");  // "-" means no entry at all
        QTest::addColumn<bool>("registered");
        QTest::newRow("no entry") << "-" << false;
        QTest::newRow("empty file") << "" << false;
        QTest::newRow("empty Exec") << "[Desktop Entry]\nType=Application\nExec=\n" << false;
        QTest::newRow("Exec in another group") << "[Other]\nExec=/x/ZKtmpdel\n" << false;
        QTest::newRow("registered") << "[Desktop Entry]\nType=Application\nExec=/opt/zk/ZKtmpdel\n" << true;
    }
    void cleanupRegistration() {
        QFETCH(QString, content);
        if (content != "-") {
            QFile entry(f->platform.locations.autostartFolder() + "/ZKtmpdel.desktop");
            QVERIFY(entry.open(QIODevice::WriteOnly));
            entry.write(content.toUtf8());
        }
        QVERIFY(f->start());
        QTEST(f->app->record().cleanupAtLogin, "registered");
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
        QTest::newRow("midnight") << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0)) << "2027/1/1" << "0:00:00";
        QTest::newRow("milliseconds dropped") << QDateTime(QDate(2026, 3, 9), QTime(12, 30, 7, 999)) << "2026/3/9" << "12:30:07";
    }
    void tickWritesDateAndTime() {
        QFETCH(QDateTime, now);
        QVERIFY(f->start());
        f->platform.clock.set(now);
        f->clock()->showTime();
        QTEST(f->text("date"), "date");
        QTEST(f->text("time"), "time");
    }

    void holdingDateShowsWeekdayAndPauses() {
        f->platform.clock.set(QDateTime(QDate(2026, 12, 9), QTime(8, 0, 0)));  // a Wednesday
        QVERIFY(f->start());
        f->clock()->showTime();
        QLabel* date = f->control<QLabel>("date");
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
        QTest::newRow("middle button") << Qt::MiddleButton << 9300 << true;
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
        QLabel* date = f->control<QLabel>("date");
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
        QTest::newRow("clear only") << QStringList{"1", "0", "False", "0"} << "" << 0
                                    << QStringList{"cleared"};
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
        QTest::newRow("launch: other failure") << launchOnly << "" << -1
                                               << QStringList{started, "beep"};
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
        QTest::mouseDClick(f->control("time"), Qt::LeftButton);
        if (QDir(recent).isEmpty()) happened.prepend("cleared");
        if (f->platform.lifecycle.endRequests == 1) happened << "end";
        for (const QString& line : f->platform.launcher.started) happened << "start " + line;
        QCOMPARE(happened + f->platform.dialogs.events(), seen);
    }

    void tickDelayAimsJustPastTheSecond_data() {
        QTest::addColumn<int>("msec");
        QTest::addColumn<int>("delay");
        QTest::newRow("on the boundary") << 0 << 1002;
        QTest::newRow("just after a tick") << 2 << 1000;
        QTest::newRow("mid second") << 500 << 502;
        QTest::newRow("just before") << 999 << 3;
    }
    void tickDelayAimsJustPastTheSecond() {
        QFETCH(int, msec);
        QTEST(TickScheduler::delayToNextSecond(msec), "delay");
    }

    void ringTakesFocusOnTheSameWindow() {
        alarmAt7();
        QVERIFY(f->start());
        const WId id = f->clock()->winId();
        QVERIFY(!acceptsFocus());
        QVERIFY(!f->control("confirmAlarm"));  // made at the first ring
        tickAt7();
        QCOMPARE(f->control("alarmTitle")->font().pointSizeF(), 21.75);
        QCOMPARE(f->control<QPushButton>("confirmAlarm")->text(), QString("確認(&K)"));
        QVERIFY(acceptsFocus());
        QVERIFY(QTest::qWaitForWindowActive(f->clock()));
        f->clock()->alarmScreen().confirm();
        QVERIFY(!acceptsFocus());
        QCOMPARE(f->clock()->winId(), id);
    }

    void alarmLinesCentredOnTheScreen_data() {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QString>("message");
        const QString sentence = QStringLiteral("会議室Ｂで定例会議があります。資料を持参すること。 ");
        QTest::newRow("800 x 600") << QRect(0, 0, 800, 600) << "起床";
        QTest::newRow("1024 x 768, long message wraps") << QRect(0, 0, 1024, 768) << sentence.repeated(8);
        QTest::newRow("a 1024 x 768 screen at scale 2") << QRect(0, 0, 512, 384) << sentence.repeated(3);
        QTest::newRow("taller than the screen") << QRect(0, 0, 640, 480) << sentence.repeated(2000);
        QTest::newRow("strip on the second screen") << QRect(1024, 0, 1280, 1024) << "";
    }
    void alarmLinesCentredOnTheScreen() {
        QFETCH(QRect, screen);
        QFETCH(QString, message);
        f->platform.screens.all = {QRect(0, 0, screen.width(), screen.height())};
        if (screen.x() > 0) {
            f->platform.screens.all = {QRect(0, 0, 1024, 768), screen};
            f->seed("set", "left", QString::number((screen.x() + 10) * 15));
        }
        alarmAt7(message);
        QVERIFY(f->start());
        tickAt7();
        QCOMPARE(f->clock()->geometry(), screen);
        const QRect area(QPoint(0, 0), screen.size());
        int above = -1;
        for (const char* name : {"alarmTitle", "alarmMessage", "confirmAlarm"}) {
            const QRect line = f->control(name)->geometry();
            QVERIFY2(area.contains(line), name);
            QVERIFY2(qAbs(line.left() - (area.right() - line.right())) <= 1, name);
            QVERIFY2(line.top() > above, name);
            above = line.bottom();
        }
        QVERIFY(f->control("alarmTitle")->width() > 100);
        const QFontMetrics metrics = f->control("alarmMessage")->fontMetrics();
        if (metrics.horizontalAdvance(message) > screen.width())  // wrapped, not cut at the side
            QVERIFY(f->control("alarmMessage")->height() > 2 * metrics.lineSpacing());
    }

private:
    void alarmAt7(const QString& message = {}) {
        f->seed("ALM", "ALMTIM1", "7:00:00");
        f->seed("ALM", "onoff1", "1");
        f->seed("ALM", "MSG1", message);
    }
    void tickAt7() {
        f->platform.clock.set(QDateTime(QDate(2026, 12, 7), QTime(7, 0)));
        f->clock()->showTime();
        QVERIFY(f->clock()->alarmScreen().isRinging());
    }
    bool acceptsFocus() {
        return !f->clock()->windowHandle()->flags().testFlag(Qt::WindowDoesNotAcceptFocus);
    }
};

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
