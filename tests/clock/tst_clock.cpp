#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "AppFixture.h"
#include "clock/TickScheduler.h"
#include "settings/Twips.h"
#include "utilities/AutostartEntry.h"

class TestClock : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<AppFixture> f;
    QColor textColour(const QString& name) {
        return f->control(name)->palette().color(QPalette::WindowText);
    }

private slots:
    void init() { f = std::make_unique<AppFixture>(); }
    void cleanup() {
        QVERIFY(f->platform.dialogs.scriptDone());
        f.reset();
    }

    void emptyStore();
    void storedPlaceAndWidth_data();
    void storedPlaceAndWidth();
    void exitControls_data();
    void exitControls();
    void colourModes_data();
    void colourModes();
    void topmostFromStore();
    void dateColourZeroIsMagentaInMemoryOnly();
    void cleanupRegistration_data();
    void cleanupRegistration();
    void todayViewOncePerRun_data();
    void todayViewOncePerRun();
    void calendarDateOnReload();
    void secondCopyEndsSilently();
    void offScreenPositionPulledBack_data();
    void offScreenPositionPulledBack();
    void damagedStoreReportedAndReplaced();
    void unwritableStoreStillShowsClock();
    void tickWritesDateAndTime_data();
    void tickWritesDateAndTime();
    void holdingDateShowsWeekdayAndPauses();
    void tickDelayAimsJustPastTheSecond_data();
    void tickDelayAimsJustPastTheSecond();
    void ringTakesFocusOnTheSameWindow();
    void alarmLinesCentredOnTheScreen_data();
    void alarmLinesCentredOnTheScreen();

private:
    void alarmAt7(const QString& message = {}) {
        f->seed("ALM", "ALMTIM1", "7:00:00");
        f->seed("ALM", "onoff1", "1");
        f->seed("ALM", "MSG1", message);
    }
    void tickAt7() {
        f->platform.clock.set(QDateTime(QDate(2026, 12, 7), QTime(7, 0)));
        f->clock()->Timer1_Timer();
        QVERIFY(f->clock()->isAlarmMaximised());
    }
    bool acceptsFocus() {
        return !f->clock()->windowHandle()->flags().testFlag(Qt::WindowDoesNotAcceptFocus);
    }
};

void TestClock::emptyStore() {
    QVERIFY(f->start());
    ClockWindow* clock = f->clock();
    QVERIFY(clock->isVisible());
    QCOMPARE(clock->geometry(), QRect(0, 0, 152, 16));
    QVERIFY(!clock->isTopmost());
    QVERIFY(f->control("Image1")->isVisible());
    QCOMPARE(textColour("Label1"), QColor(Qt::black));
    QVERIFY(!f->control("Rbutton")->isVisible());
    QVERIFY(!f->control("Qbutton")->isVisible());
    QVERIFY(f->control("Rbutton")->x() >= clock->width());
    for (const AlarmSlot& slot : f->app->record().alarms) QCOMPARE(slot.onoff, 0);
    QCOMPARE(f->app->todayViewOffers(), 1);
    QCOMPARE(f->text("Label1"), QString("     ZORVEK"));  // design captions until the first tick
    QCOMPARE(f->text("Label2"), QString("Inc.TIME "));
    QVERIFY(clock->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(clock->tickScheduler().isActive());
}

void TestClock::storedPlaceAndWidth_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("rq");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("seeded wide") << "1500" << "300" << "1" << QRect(100, 20, 187, 16);
    QTest::newRow("narrow") << "1500" << "300" << "0" << QRect(100, 20, 152, 16);
    QTest::newRow("rounding") << "22" << "8" << "0" << QRect(1, 1, 152, 16);
    QTest::newRow("RQ other value") << "0" << "0" << "2" << QRect(0, 0, 152, 16);
    QTest::newRow("letters") << "abc" << "x" << "yes" << QRect(0, 0, 152, 16);
}

void TestClock::storedPlaceAndWidth() {
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(QString, rq);
    QFETCH(QRect, geometry);
    f->seed("set", "left", left);
    f->seed("set", "top", top);
    f->seed("o", "RQ", rq);
    QVERIFY(f->start());
    QCOMPARE(f->clock()->geometry(), geometry);
    QCOMPARE(f->control("Image1")->width(), geometry.width());
}

void TestClock::exitControls_data() {
    QTest::addColumn<QString>("rq");
    QTest::addColumn<QString>("btn0");
    QTest::addColumn<bool>("buttonsShown");
    QTest::addColumn<bool>("inside");
    QTest::newRow("RQ 1 icon type: labels show") << "1" << "False" << false << true;
    QTest::newRow("RQ 1 button type") << "1" << "True" << true << true;
    QTest::newRow("RQ 0 button type: beyond the edge") << "0" << "True" << true << false;
    QTest::newRow("RQ 0 icon type") << "0" << "0" << false << false;
}

void TestClock::exitControls() {
    QFETCH(QString, rq);
    QFETCH(QString, btn0);
    QFETCH(bool, buttonsShown);
    QFETCH(bool, inside);
    f->seed("o", "RQ", rq);
    f->seed("o", "btn0", btn0);
    QVERIFY(f->start());
    for (const char* name : {"Rbutton", "Qbutton"}) {
        QWidget* button = f->control(name);
        QCOMPARE(button->isVisible(), buttonsShown);
        QCOMPARE(button->geometry().right() < f->clock()->width(), inside);
    }
    QCOMPARE(f->text("RLabel"), QString("R"));
    QCOMPARE(f->control<QPushButton>("Qbutton")->text(), QString("Q"));
}

void TestClock::colourModes_data() {
    QTest::addColumn<QString>("tokeiG");
    QTest::addColumn<bool>("pictureShown");
    QTest::addColumn<bool>("titleBarText");
    QTest::newRow("0: black on gradient") << "0" << true << false;
    QTest::newRow("1: title-bar colours") << "1" << false << true;
    QTest::newRow("2: nothing done") << "2" << true << true;  // design colours stay
}

void TestClock::colourModes() {
    QFETCH(QString, tokeiG);
    QFETCH(bool, pictureShown);
    QFETCH(bool, titleBarText);
    f->seed("o", "tokeiG", tokeiG);
    QVERIFY(f->start());
    QCOMPARE(f->control("Image1")->isVisible(), pictureShown);
    const QColor titleText = QApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
    const QColor buttonFace = QApplication::palette().color(QPalette::Active, QPalette::Button);
    QCOMPARE(textColour("Label1"), titleBarText ? titleText : QColor(Qt::black));
    QCOMPARE(textColour("Label2"), titleBarText ? titleText : QColor(Qt::black));
    QCOMPARE(textColour("QLabel"), titleBarText ? buttonFace : QColor(Qt::black));
    QCOMPARE(f->clock()->palette().color(QPalette::Window),
             QApplication::palette().color(QPalette::Active, QPalette::Highlight));
}

void TestClock::topmostFromStore() {
    f->seed("set", "Topmost", "1");
    QVERIFY(f->start());
    QVERIFY(f->clock()->isTopmost());
    QVERIFY(f->clock()->isVisible());
    f->seed("set", "Topmost", "0");
    f->app->reloadClock(true);
    QVERIFY(!f->clock()->isTopmost());
    QVERIFY(f->clock()->isVisible());
}

void TestClock::dateColourZeroIsMagentaInMemoryOnly() {
    f->seed("set", "DateColor", "0");
    QVERIFY(f->start());
    QCOMPARE(f->app->record().DateColor, 16711935);
    QCOMPARE(f->stored("set", "DateColor"), QString("0"));
}

void TestClock::cleanupRegistration_data() {
    QTest::addColumn<QString>("content");  // "-" means no entry at all
    QTest::addColumn<int>("registered");
    QTest::newRow("no entry") << "-" << 0;
    QTest::newRow("empty file") << "" << 0;
    QTest::newRow("empty Exec") << "[Desktop Entry]\nType=Application\nExec=\n" << 0;
    QTest::newRow("Exec in another group") << "[Other]\nExec=/x/ZKtmpdel\n" << 0;
    QTest::newRow("registered") << "[Desktop Entry]\nType=Application\nExec=/opt/zk/ZKtmpdel\n" << 1;
}

void TestClock::cleanupRegistration() {
    QFETCH(QString, content);
    QFETCH(int, registered);
    if (content != "-") {
        QFile entry(f->platform.locations.autostartFolder() + "/ZKtmpdel.desktop");
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write(content.toUtf8());
    }
    QVERIFY(f->start());
    QCOMPARE(f->app->record().tmpdelRegistered, registered);
}

void TestClock::todayViewOncePerRun_data() {
    QTest::addColumn<QString>("openCheckAtStart");
    QTest::addColumn<int>("offers");
    QTest::newRow("shown at start") << "0" << 1;
    QTest::newRow("switched off at start") << "1" << 0;
}

void TestClock::todayViewOncePerRun() {
    QFETCH(QString, openCheckAtStart);
    QFETCH(int, offers);
    f->seed("set", "OPENCheck", openCheckAtStart);
    QVERIFY(f->start());
    QCOMPARE(f->app->scheduleShown, 1);
    f->app->store().save("set", "OPENCheck", "0");
    f->app->reloadClock(true);
    f->app->reloadClock(false);
    QCOMPARE(f->app->todayViewOffers(), offers);
}

void TestClock::calendarDateOnReload() {
    f->platform.clock.set(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    QVERIFY(f->start());
    CalendarState& calendar = f->app->calendar();
    QCOMPARE(calendar.shownYear, 2026);
    QCOMPARE(calendar.shownMonth, 12);
    QCOMPARE(calendar.selectedDay, 6);
    calendar.shownYear = 2030;
    calendar.shownMonth = 2;
    calendar.selectedDay = 14;
    f->app->reloadClock(true);  // Apply: the settings window still shows February 2030
    QCOMPARE(calendar.shownYear, 2030);
    QCOMPARE(calendar.selectedDay, 14);
    f->app->reloadClock(false);  // a close: back to today
    QCOMPARE(calendar.shownYear, 2026);
    QCOMPARE(calendar.shownMonth, 12);
    QCOMPARE(calendar.selectedDay, 6);
}

void TestClock::secondCopyEndsSilently() {
    f->platform.lifecycle.otherRunning = true;
    QVERIFY(!f->start());
    QVERIFY(f->app->clock() == nullptr);
    QVERIFY(!QFile::exists(f->platform.locations.settingsFile()));
    QVERIFY(f->platform.dialogs.events().isEmpty());
}

void TestClock::offScreenPositionPulledBack_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QPoint>("shownAt");
    QTest::newRow("far right") << "99999" << "300" << QPoint(1024 - 152, 20);
    QTest::newRow("far below") << "1500" << "20000" << QPoint(100, 768 - 16);
    QTest::newRow("negative") << "-9000" << "-9000" << QPoint(0, 0);
    QTest::newRow("partly visible stays") << "15000" << "0" << QPoint(1000, 0);
    QTest::newRow("on the second screen") << "18000" << "300" << QPoint(1200, 20);
}

void TestClock::offScreenPositionPulledBack() {
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(QPoint, shownAt);
    if (QByteArray(QTest::currentDataTag()) == "on the second screen")
        f->platform.screens.all << QRect(1024, 0, 1280, 1024);
    f->seed("set", "left", left);
    f->seed("set", "top", top);
    QVERIFY(f->start());
    QCOMPARE(f->clock()->pos(), shownAt);
    QCOMPARE(f->stored("set", "left"), left);  // the store keeps the user's value
}

void TestClock::damagedStoreReportedAndReplaced() {
    const QString path = f->platform.locations.settingsFile();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile junk(path);
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, '\x7f'));
    junk.close();
    f->platform.dialogs.allowPrefix("設定ファイルを読み込めなかったため");
    QVERIFY(f->start());
    QCOMPARE(f->platform.dialogs.shown().size(), 1);
    const QString said = f->platform.dialogs.shown().first().text;
    QVERIFY(said.contains(path + ".damaged-"));
    QVERIFY(f->clock()->isVisible());
    QVERIFY(f->app->store().save("set", "top", "15"));
}

void TestClock::unwritableStoreStillShowsClock() {
    // The store's folder cannot be made: its parent is a plain file, even for root.
    const QString path = f->platform.locations.settingsFile();
    QDir().mkpath(QFileInfo(QFileInfo(path).absolutePath()).absolutePath());
    QFile blocker(QFileInfo(path).absolutePath());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(f->start());
    QVERIFY(f->clock()->isVisible());
    f->platform.dialogs.allowPrefix("設定を保存できませんでした。\r\n");
    QVERIFY(!f->app->store().save("set", "Tab", "3"));
    QVERIFY(!f->app->store().save("set", "Tab", "4"));
    QCOMPARE(f->platform.dialogs.shown().size(), 2);
    QCOMPARE(f->platform.dialogs.beeps(), 2);
    QVERIFY(f->platform.dialogs.shown().first().text.size() > QString("設定を保存できませんでした。\r\n").size());
}

void TestClock::tickWritesDateAndTime_data() {
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("no leading zeros") << QDateTime(QDate(1999, 6, 5), QTime(9, 5, 3)) << "1999/6/5" << "9:05:03";
    QTest::newRow("year end") << QDateTime(QDate(2000, 12, 31), QTime(23, 59, 59)) << "2000/12/31" << "23:59:59";
    QTest::newRow("midnight") << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0)) << "2027/1/1" << "0:00:00";
    QTest::newRow("milliseconds dropped") << QDateTime(QDate(2026, 3, 9), QTime(12, 30, 7, 999)) << "2026/3/9" << "12:30:07";
}

void TestClock::tickWritesDateAndTime() {
    QFETCH(QDateTime, now);
    QFETCH(QString, date);
    QFETCH(QString, time);
    QVERIFY(f->start());
    f->platform.clock.set(now);
    f->clock()->Timer1_Timer();
    QCOMPARE(f->text("Label1"), date);
    QCOMPARE(f->text("Label2"), time);
}

void TestClock::holdingDateShowsWeekdayAndPauses() {
    f->platform.clock.set(QDateTime(QDate(2026, 12, 9), QTime(8, 0, 0)));  // a Wednesday
    QVERIFY(f->start());
    f->clock()->Timer1_Timer();
    QLabel* date = f->control<QLabel>("Label1");
    QTest::mousePress(date, Qt::LeftButton);
    QCOMPARE(date->text(), QString("Wednesday"));
    QVERIFY(!f->clock()->tickScheduler().isActive());
    QTest::mouseRelease(date, Qt::LeftButton);
    QVERIFY(f->clock()->tickScheduler().isActive());
    QCOMPARE(date->text(), QString("Wednesday"));  // until the next tick
    f->clock()->Timer1_Timer();
    QCOMPARE(date->text(), QString("2026/12/9"));
    f->platform.clock.set(QDateTime(QDate(2026, 12, 6), QTime(8, 0, 0)));
    QTest::mousePress(date, Qt::LeftButton);
    QCOMPARE(date->text(), QString("Sunday"));
    QTest::mouseRelease(date, Qt::LeftButton);
}

void TestClock::tickDelayAimsJustPastTheSecond_data() {
    QTest::addColumn<int>("msec");
    QTest::addColumn<int>("delay");
    QTest::newRow("on the boundary") << 0 << 1002;
    QTest::newRow("just after a tick") << 2 << 1000;
    QTest::newRow("mid second") << 500 << 502;
    QTest::newRow("just before") << 999 << 3;
}

void TestClock::tickDelayAimsJustPastTheSecond() {
    QFETCH(int, msec);
    QFETCH(int, delay);
    QCOMPARE(TickScheduler::delayToNextSecond(msec), delay);
    QVERIFY((msec + delay) % 1000 > 0 && (msec + delay) % 1000 < 20);
}

void TestClock::ringTakesFocusOnTheSameWindow() {
    alarmAt7();
    QVERIFY(f->start());
    const WId id = f->clock()->winId();
    QVERIFY(!acceptsFocus());
    tickAt7();
    QVERIFY(f->clock()->isTopmost());
    QVERIFY(acceptsFocus());
    QVERIFY(QTest::qWaitForWindowActive(f->clock()));
    f->clock()->Command1_Click();
    QVERIFY(!f->clock()->isTopmost());
    QVERIFY(!acceptsFocus());
    QCOMPARE(f->clock()->winId(), id);
}

void TestClock::alarmLinesCentredOnTheScreen_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QString>("message");
    const QString sentence = QStringLiteral("会議室Ｂで定例会議があります。資料を持参すること。 ");
    QTest::newRow("800 x 600") << QRect(0, 0, 800, 600) << "起床";
    QTest::newRow("1024 x 768, long message wraps") << QRect(0, 0, 1024, 768) << sentence.repeated(8);
    QTest::newRow("a 1024 x 768 screen at scale 2") << QRect(0, 0, 512, 384) << sentence.repeated(3);
    QTest::newRow("taller than the screen") << QRect(0, 0, 640, 480) << sentence.repeated(2000);
    QTest::newRow("strip on the second screen") << QRect(1024, 0, 1280, 1024) << "";
}

void TestClock::alarmLinesCentredOnTheScreen() {
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
    for (const char* name : {"Label3(1)", "Label3(0)", "Command1"}) {
        const QRect line = f->control(name)->geometry();
        QVERIFY2(area.contains(line), name);
        QVERIFY2(qAbs(line.left() - (area.right() - line.right())) <= 1, name);
        QVERIFY2(line.top() > above, name);
        above = line.bottom();
    }
    QVERIFY(f->control("Label3(1)")->width() > 100);
    const QFontMetrics metrics = f->control("Label3(0)")->fontMetrics();
    if (metrics.horizontalAdvance(message) > screen.width())  // wrapped, not cut at the side
        QVERIFY(f->control("Label3(0)")->height() > 2 * metrics.lineSpacing());
}

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
