#include <QPushButton>
#include <QTest>

#include "AppFixture.h"
#include "alarms/AlarmRules.h"

using Verdict = AlarmRules::Verdict;
Q_DECLARE_METATYPE(Verdict)

class TestAlarms : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<AppFixture> f;
    FakeClock& clock() { return f->platform.clock; }
    FakeDialogs& dialogs() { return f->platform.dialogs; }

    void alarm(int n, const QString& time, bool once, const QString& message = {}) {
        const QString k = QString::number(n);
        f->seed("ALM", "ALMTIM" + k, time);
        f->seed("ALM", "onoff" + k, "1");
        f->seed("ALM", "day" + k, once ? "True" : "False");
        f->seed("ALM", "MSG" + k, message);
    }
    void tickAt(int h, int m, int s) {
        clock().set(h, m, s);
        f->clock()->Timer1_Timer();
    }
    void nextDay() { clock().set(clock().now().addDays(1)); }
    QString title() { return f->text("Label3(1)"); }

private slots:
    void init() {
        f = std::make_unique<AppFixture>();
        clock().set(QDateTime(QDate(2026, 12, 7), QTime(6, 0)));
    }
    void cleanup() {
        QVERIFY(dialogs().scriptDone());
        f.reset();
    }

    void rules_data();
    void rules();
    void dailyAlarmRingsOncePerDay();
    void onceAlarmSwitchesItselfOff();
    void sameTimeOnlyLowerSlotRings();
    void midnightAloneRingsUntilAnotherSlotRearms();
    void laterSlotRearmsInTheSameTick();
    void ringWhileMaximisedOverwritesLines();
    void skippedSecondDoesNotRing();
    void layerOnRingAndConfirm_data();
    void layerOnRingAndConfirm();
    void enterConfirms();
    void emptyMessageStillShowsTitle();
    void alarmShownSurvivesReload();
};

void TestAlarms::rules_data() {
    QTest::addColumn<int>("onoff");
    QTest::addColumn<QTime>("due");
    QTest::addColumn<QTime>("now");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<Verdict>("verdict");
    const QTime seven(7, 5);
    QTest::newRow("off") << 0 << seven << seven << false << Verdict::Ignore;
    QTest::newRow("on value 2 is off") << 2 << seven << seven << false << Verdict::Ignore;
    QTest::newRow("due") << 1 << seven << seven << false << Verdict::Ring;
    QTest::newRow("due, milliseconds in") << 1 << seven << QTime(7, 5, 0, 870) << false << Verdict::Ring;
    QTest::newRow("due but shown") << 1 << seven << seven << true << Verdict::Keep;
    QTest::newRow("one second later") << 1 << seven << QTime(7, 5, 1) << false << Verdict::Keep;
    QTest::newRow("ahead re-arms") << 1 << seven << QTime(7, 4, 59) << true << Verdict::Rearm;
    QTest::newRow("midnight never ahead") << 1 << QTime(0, 0) << QTime(0, 0, 1) << true << Verdict::Keep;
}

void TestAlarms::rules() {
    QFETCH(int, onoff);
    QFETCH(QTime, due);
    QFETCH(QTime, now);
    QFETCH(bool, shown);
    QFETCH(Verdict, verdict);
    AlarmSlot slot;
    slot.onoff = onoff;
    slot.time = due;
    QCOMPARE(AlarmRules::check(slot, now, shown), verdict);
    QCOMPARE(AlarmRules::title(2, QTime(7, 5)), QString("Alarm time 3   7:05:00"));
}

void TestAlarms::dailyAlarmRingsOncePerDay() {
    alarm(1, "7:05:00", false, "起床");
    QVERIFY(f->start());
    tickAt(7, 4, 59);
    QCOMPARE(dialogs().beeps(), 0);
    tickAt(7, 5, 0);
    QCOMPARE(dialogs().beeps(), 1);
    QVERIFY(f->clock()->isAlarmMaximised());
    QCOMPARE(f->clock()->geometry(), QRect(0, 0, 1024, 768));
    QCOMPARE(title(), QString("Alarm time 1   7:05:00"));
    QCOMPARE(f->text("Label3(0)"), QString("起床"));
    QVERIFY(f->control("Label3(1)")->isVisible());
    QVERIFY(f->app->alarmShown);
    tickAt(7, 5, 1);
    QCOMPARE(dialogs().beeps(), 1);
    f->control<QPushButton>("Command1")->click();
    QCOMPARE(f->clock()->geometry(), QRect(0, 0, 152, 16));
    QCOMPARE(title(), QString("Alarm time 1   7:05:00"));  // the lines stay, outside the strip
    nextDay();
    tickAt(0, 0, 0);
    QVERIFY(!f->app->alarmShown);
    tickAt(7, 5, 0);
    QCOMPARE(dialogs().beeps(), 2);
    QCOMPARE(f->stored("ALM", "onoff1"), QString("1"));
}

void TestAlarms::onceAlarmSwitchesItselfOff() {
    alarm(2, "12:00:00", true, "昼");
    QVERIFY(f->start());
    tickAt(12, 0, 0);
    QCOMPARE(dialogs().beeps(), 1);
    QCOMPARE(title(), QString("Alarm time 2   12:00:00"));
    QCOMPARE(f->app->record().alarms[1].onoff, 0);
    QCOMPARE(f->stored("ALM", "onoff2"), QString("0"));
    QCOMPARE(f->stored("ALM", "day2"), QString("True"));
    nextDay();
    tickAt(11, 0, 0);
    tickAt(12, 0, 0);
    QCOMPARE(dialogs().beeps(), 1);
}

void TestAlarms::sameTimeOnlyLowerSlotRings() {
    alarm(1, "8:00:00", false, "one");
    alarm(3, "8:00:00", true, "three");
    QVERIFY(f->start());
    tickAt(8, 0, 0);
    QCOMPARE(dialogs().beeps(), 1);
    QCOMPARE(title(), QString("Alarm time 1   8:00:00"));
    QCOMPARE(f->app->record().alarms[2].onoff, 1);
    QCOMPARE(f->stored("ALM", "onoff3"), QString("1"));
}

void TestAlarms::midnightAloneRingsUntilAnotherSlotRearms() {
    alarm(1, "0:00:00", false);
    QVERIFY(f->start());
    nextDay();
    tickAt(0, 0, 0);
    QCOMPARE(dialogs().beeps(), 1);
    nextDay();
    tickAt(0, 0, 0);
    QCOMPARE(dialogs().beeps(), 1);  // nothing can re-arm it
    alarm(2, "12:00:00", false);
    f->app->reloadClock(true);
    tickAt(9, 0, 0);  // slot 2 lies ahead: re-armed
    QVERIFY(!f->app->alarmShown);
    tickAt(12, 0, 0);
    QCOMPARE(dialogs().beeps(), 2);
    nextDay();
    tickAt(0, 0, 0);  // slot 2 lies ahead again, but slot 1 comes first in the tick
    QCOMPARE(dialogs().beeps(), 2);
}

void TestAlarms::laterSlotRearmsInTheSameTick() {
    alarm(1, "8:00:00", true);
    alarm(2, "9:00:00", false);
    QVERIFY(f->start());
    tickAt(8, 0, 0);
    QCOMPARE(dialogs().beeps(), 1);
    QVERIFY(!f->app->alarmShown);
}

void TestAlarms::ringWhileMaximisedOverwritesLines() {
    alarm(1, "8:00:00", false, "first");
    alarm(2, "8:00:05", false, "second");
    QVERIFY(f->start());
    tickAt(8, 0, 0);
    QVERIFY(!f->app->alarmShown);  // slot 2 still ahead
    tickAt(8, 0, 5);
    QCOMPARE(dialogs().beeps(), 2);
    QCOMPARE(title(), QString("Alarm time 2   8:00:05"));
    QCOMPARE(f->text("Label3(0)"), QString("second"));
    QVERIFY(f->clock()->isAlarmMaximised());
    f->clock()->Command1_Click();
    QCOMPARE(f->clock()->geometry(), QRect(0, 0, 152, 16));
}

void TestAlarms::skippedSecondDoesNotRing() {
    alarm(1, "7:05:00", false);
    QVERIFY(f->start());
    tickAt(7, 4, 59);
    tickAt(7, 5, 1);
    QCOMPARE(dialogs().beeps(), 0);
}

void TestAlarms::layerOnRingAndConfirm_data() {
    QTest::addColumn<QString>("topmost");
    QTest::addColumn<bool>("beforeRing");
    QTest::addColumn<bool>("whileRinging");
    QTest::addColumn<bool>("afterConfirm");
    QTest::newRow("Topmost 0") << "0" << false << true << false;
    QTest::newRow("Topmost 1") << "1" << true << true << true;
}

void TestAlarms::layerOnRingAndConfirm() {
    QFETCH(QString, topmost);
    QFETCH(bool, beforeRing);
    QFETCH(bool, whileRinging);
    QFETCH(bool, afterConfirm);
    f->seed("set", "Topmost", topmost);
    alarm(1, "7:05:00", false);
    QVERIFY(f->start());
    QCOMPARE(f->clock()->isTopmost(), beforeRing);
    tickAt(7, 5, 0);
    QCOMPARE(f->clock()->isTopmost(), whileRinging);
    QVERIFY(f->clock()->isVisible());
    f->clock()->Command1_Click();
    QCOMPARE(f->clock()->isTopmost(), afterConfirm);
    QVERIFY(f->clock()->isVisible());
    QVERIFY(f->app->alarmShown);  // confirming does not re-arm
}

void TestAlarms::enterConfirms() {
    alarm(1, "7:05:00", false);
    QVERIFY(f->start());
    tickAt(7, 5, 0);
    QVERIFY(QTest::qWaitForWindowActive(f->clock()));
    QTest::keyClick(f->clock(), Qt::Key_Return);  // typed for another program: ignored
    QVERIFY(f->clock()->isAlarmMaximised());
    QTest::qWait(ClockWindow::kEnterIgnoredMs + 100);
    QTest::keyClick(f->clock(), Qt::Key_Return);
    QVERIFY(!f->clock()->isAlarmMaximised());
}

void TestAlarms::emptyMessageStillShowsTitle() {
    alarm(3, "21:30:00", false, "");
    QVERIFY(f->start());
    tickAt(21, 30, 0);
    QCOMPARE(f->text("Label3(0)"), QString());
    QCOMPARE(title(), QString("Alarm time 3   21:30:00"));
    QVERIFY(f->control("Label3(1)")->width() > 100);
}

void TestAlarms::alarmShownSurvivesReload() {
    alarm(1, "7:05:00", false);
    QVERIFY(f->start());
    tickAt(7, 5, 0);
    f->app->reloadClock(true);
    QVERIFY(!f->clock()->isAlarmMaximised());  // a new window is back at strip size
    QVERIFY(f->app->alarmShown);
    clock().set(7, 5, 0);
    f->clock()->Timer1_Timer();
    QCOMPARE(dialogs().beeps(), 1);
}

QTEST_MAIN(TestAlarms)
#include "tst_alarms.moc"
