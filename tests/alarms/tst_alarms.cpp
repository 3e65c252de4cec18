#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "AppFixture.h"
#include "core/UiText.h"

class TestAlarms : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> f;

    // "slot time once|daily [message]", seeded as the settings window stores it.
    void alarm(const QString& line) {
        const QStringList words = line.split(' ');
        const QString n = words[0];
        f->seed("ALM", "ALMTIM" + n, words[1]);
        f->seed("ALM", "onoff" + n, "1");
        f->seed("ALM", "day" + n, words[2] == "once" ? "True" : "False");
        f->seed("ALM", "MSG" + n, words.value(3));
    }
    // A tick at "H:mm:ss" today, or "+H:mm:ss" the next day.
    void tickAt(QString time) {
        FakeClock& clock = f->platform.clock;
        if (time.startsWith('+')) clock.set(clock.now().addDays(1));
        const QTime t = QTime::fromString(time.remove('+'), "H:mm:ss");
        clock.set(QDateTime(clock.now().date(), t));
        f->clock()->showTime();
    }

private slots:
    void init() {
        f = std::make_unique<AppFixture>();
        f->platform.clock.set(QDateTime(QDate(2026, 12, 7), QTime(6, 0)));
    }
    void cleanup() { f.reset(); }

    // Steps: "H:mm:ss N" ticks (a leading "+": the next day) and then N alarm sounds have played,
    // a ring filling the screen on top; "confirm" puts the strip back in its place and layer;
    // "add <alarm>" is an Apply that adds one; "reload" an Apply alone. A last word "shown" or
    // "armed" says whether a ring has happened that no later time ahead has re-armed.
    void scenarios_data() {
        QTest::addColumn<QString>("topmost");
        QTest::addColumn<QStringList>("alarms");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("title");  // the lines of the last ring in this window
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("switchedOff");  // the slot its ring switched off; 0: none
        QTest::newRow("daily: late by a skipped second, then once a day")
            << "0" << QStringList{"1 7:05:00 daily 起床"}
            << QStringList{"7:04:59 0", "7:05:01 1 shown", "confirm shown", "+0:00:00 1 armed",
                           "7:05:00 2", "7:05:01 2"}
            << "Alarm time 1   7:05:00" << "起床" << 0;
        QTest::newRow("due before the start: not")
            << "0" << QStringList{"1 5:50:00 once"} << QStringList{"6:00:01 0 armed"} << "" << "" << 0;
        QTest::newRow("once: switches itself off")
            << "0" << QStringList{"2 12:00:00 once 昼"}
            << QStringList{"12:00:00 1", "+11:00:00 1", "12:00:00 1"}
            << "Alarm time 2   12:00:00" << "昼" << 2;
        QTest::newRow("same time: only the lower slot rings")
            << "0" << QStringList{"1 8:00:00 daily one", "3 8:00:00 once three"}
            << QStringList{"8:00:00 1"} << "Alarm time 1   8:00:00" << "one" << 0;
        QTest::newRow("a later slot re-arms in the same tick")
            << "0" << QStringList{"1 8:00:00 once", "2 9:00:00 daily"}
            << QStringList{"8:00:00 1 armed"} << "Alarm time 1   8:00:00" << "" << 1;
        // Slot 1 comes first in a tick: at midnight it finds the ring shown, then slot 2 re-arms.
        QTest::newRow("midnight alone rings until another slot re-arms")
            << "0" << QStringList{"1 0:00:00 daily"}
            << QStringList{"+0:00:00 1", "+0:00:00 1", "add 2 12:00:00 daily", "9:00:00 1 armed",
                           "12:00:00 2", "+0:00:00 2"}
            << "Alarm time 2   12:00:00" << "" << 0;
        QTest::newRow("a ring while the screen is filled overwrites the lines")
            << "0" << QStringList{"1 8:00:00 daily first", "2 8:00:05 daily second"}
            << QStringList{"8:00:00 1 armed", "8:00:05 2", "confirm"}
            << "Alarm time 2   8:00:05" << "second" << 0;
        QTest::newRow("Topmost 1; shown outlives a reload")
            << "1" << QStringList{"1 7:05:00 daily"}
            << QStringList{"7:05:00 1", "confirm shown", "reload", "7:05:00 1 shown"}
            << "" << "" << 0;  // a reload's new window has no lines
    }
    void scenarios() {
        QFETCH(QString, topmost);
        QFETCH(QStringList, alarms);
        QFETCH(QStringList, steps);
        QFETCH(int, switchedOff);
        f->seed("set", "Topmost", topmost);
        f->seed("set", "left", "1500");  // away from the screen's corner, where a ring starts
        f->seed("set", "top", "300");
        for (const QString& line : alarms) alarm(line);
        QVERIFY(f->start());
        const QRect strip = f->clock()->geometry();
        QCOMPARE(f->clock()->isTopmost(), topmost == "1");
        for (const QString& step : steps) {
            QStringList words = step.split(' ');
            const QString what = words.takeFirst();
            if (what == "add") alarm(words.join(' '));
            if (what == "add" || what == "reload") {
                f->app->reloadClock(true);
                continue;
            }
            if (what == "confirm") {
                f->clock()->alarmScreen().confirm();
                QCOMPARE(f->clock()->geometry(), strip);
                QCOMPARE(f->clock()->isTopmost(), topmost == "1");
            } else {
                const int before = f->platform.dialogs.alarmSounds();
                tickAt(what);
                QVERIFY2(f->platform.dialogs.alarmSounds() == words.takeFirst().toInt(), qPrintable(step));
                if (f->platform.dialogs.alarmSounds() > before)
                    QVERIFY(f->clock()->alarmScreen().isRinging() && f->clock()->isTopmost());
            }
            if (!words.isEmpty()) QVERIFY2(f->app->alarms().shown() == (words[0] == "shown"), qPrintable(step));
        }
        QTEST(f->text("alarmTitle"), "title");
        QTEST(f->text("alarmMessage"), "message");
        for (const QString& line : alarms) {
            const int n = line.left(1).toInt();
            QCOMPARE(f->app->record().alarms[n - 1].on, n == switchedOff ? 0 : 1);
            QCOMPARE(f->stored("ALM", "onoff" + line.left(1)), QString(n == switchedOff ? "0" : "1"));
        }
    }

    // A time refused on Apply keeps a valid stored one in force; with none, the slot is stored off
    // and shown off, instead of ringing at midnight.
    void refusedTimeOnApply_data() {
        QTest::addColumn<QString>("storedTime");  // "": none
        QTest::addColumn<QString>("onoff");
        QTest::newRow("no stored time: off") << "" << "0";
        QTest::newRow("a stored time stays in force") << "12:00:00" << "1";
    }
    void refusedTimeOnApply() {
        QFETCH(QString, storedTime);
        QFETCH(QString, onoff);
        if (!storedTime.isEmpty()) f->seed("ALM", "ALMTIM1", storedTime);
        SettingsWindow* w = f->openSettings();
        f->inSettings<QCheckBox>("alarmOn(0)")->setChecked(true);
        f->inSettings<QLineEdit>("alarmHour(0)")->setText("25");
        f->platform.dialogs.expect("AlarmTime1の時刻の指定が正しくありません。");
        w->apply();
        QCOMPARE(f->stored("ALM", "onoff1"), onoff);
        QCOMPARE(f->inSettings<QCheckBox>("alarmOn(0)")->isChecked(), onoff == "1");
        tickAt("+0:00:00");
        tickAt("12:00:00");
        QCOMPARE(f->platform.dialogs.alarmSounds(), onoff.toInt());
    }

    // A save that fails while the alarm rings is told after the confirm, never under the ring.
    void failureWaitsForTheConfirm() {
        alarm("1 7:05:00 once");
        failWrites(f->platform.locations.settingsFile(), "UPDATE");
        f->platform.dialogs.allowPrefix(UiText::saveFailed);
        QVERIFY(f->start());
        tickAt("7:05:00");
        QCOMPARE(f->platform.dialogs.events(), QStringList{"alarm sound"});
        f->clock()->alarmScreen().confirm();
        QCOMPARE(f->platform.dialogs.events().mid(1, 1), QStringList{"beep"});
        QVERIFY(f->platform.dialogs.events().value(2).startsWith("message:" + UiText::saveFailed));
    }
};

QTEST_MAIN(TestAlarms)
#include "tst_alarms.moc"
