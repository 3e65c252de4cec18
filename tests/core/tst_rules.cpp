#include <QTest>

#include "core/AlarmRules.h"
#include "core/MonthLayout.h"
#include "core/Placement.h"

using Verdict = AlarmRules::Verdict;
Q_DECLARE_METATYPE(Verdict)

// The rules that need no window: when an alarm rings, where a window may stand, where a key moves
// the calendar's date.
class TestRules : public QObject {
    Q_OBJECT
private slots:
    // Times on 2026-12-07 unless a "+" says the next day.
    static QDateTime at(QString time) {
        const int days = time.startsWith('+') ? 1 : 0;
        return QDateTime(QDate(2026, 12, 7 + days), QTime::fromString(time.remove('+'), "H:mm:ss.zzz"));
    }
    void rules_data() {
        QTest::addColumn<int>("onoff");
        QTest::addColumn<QTime>("due");  // invalid: no valid time stored
        QTest::addColumn<QString>("checkedUpTo");
        QTest::addColumn<QString>("now");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<Verdict>("verdict");
        const QTime seven(7, 5);
        QTest::newRow("off") << 0 << seven << "7:04:59.000" << "7:05:00.000" << false << Verdict::Ignore;
        QTest::newRow("on value 2 is off") << 2 << seven << "7:04:59.000" << "7:05:00.000" << false << Verdict::Ignore;
        QTest::newRow("no time: never midnight") << 1 << QTime() << "23:59:59.000" << "+0:00:00.000" << false << Verdict::Ignore;
        QTest::newRow("due") << 1 << seven << "7:04:59.002" << "7:05:00.870" << false << Verdict::Ring;
        QTest::newRow("due but shown") << 1 << seven << "7:04:59.000" << "7:05:00.000" << true << Verdict::Keep;
        QTest::newRow("one second after") << 1 << seven << "7:05:00.000" << "7:05:01.000" << false << Verdict::Keep;
        QTest::newRow("ahead re-arms") << 1 << seven << "7:04:58.000" << "7:04:59.000" << true << Verdict::Rearm;
        QTest::newRow("midnight never ahead") << 1 << QTime(0, 0) << "0:00:00.000" << "0:00:01.000" << true << Verdict::Keep;
        QTest::newRow("a skipped second rings late") << 1 << seven << "7:04:59.000" << "7:05:01.000" << false << Verdict::Ring;
        QTest::newRow("29 minutes late") << 1 << seven << "7:00:00.000" << "7:34:00.000" << false << Verdict::Ring;
        QTest::newRow("31 minutes late: not") << 1 << seven << "7:00:00.000" << "7:36:00.000" << false << Verdict::Keep;
        QTest::newRow("late over midnight") << 1 << QTime(23, 59, 50) << "23:59:40.000" << "+0:00:10.000" << false << Verdict::Ring;
        QTest::newRow("started after it: not") << 1 << seven << "7:05:00.300" << "7:05:01.000" << false << Verdict::Keep;
        QTest::newRow("set back onto it") << 1 << seven << "8:00:00.000" << "7:05:00.000" << false << Verdict::Ring;
        QTest::newRow("set back over it") << 1 << seven << "8:00:00.000" << "7:04:00.000" << true << Verdict::Rearm;
    }
    void rules() {
        QFETCH(int, onoff);
        QFETCH(QTime, due);
        QFETCH(QString, checkedUpTo);
        QFETCH(QString, now);
        QFETCH(bool, shown);
        AlarmSlot slot;
        slot.on = onoff;
        if (due.isValid()) slot.time = due;
        QTEST(AlarmRules::check(slot, at(checkedUpTo), at(now), shown), "verdict");
        QCOMPARE(AlarmRules::title(2, QTime(7, 5)), QString("Alarm time 3   7:05:00"));
    }

    // From 2026-01-31, a Saturday; today is 2026-12-07.
    void dateKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");  // invalid: the key does not move it
        const QDate from(2026, 1, 31);
        QTest::newRow("right into the next month") << int(Qt::Key_Right) << false << from << QDate(2026, 2, 1);
        QTest::newRow("Page Down to a shorter month") << int(Qt::Key_PageDown) << false << from << QDate(2026, 2, 28);
        QTest::newRow("Ctrl+Page Up a year") << int(Qt::Key_PageUp) << true << from << QDate(2025, 1, 31);
        QTest::newRow("Home is today") << int(Qt::Key_Home) << false << from << QDate(2026, 12, 7);
        QTest::newRow("not before the year 100") << int(Qt::Key_Left) << false << QDate(100, 1, 1) << QDate();
        QTest::newRow("another key") << int(Qt::Key_A) << false << from << QDate();
    }
    void dateKeys() {
        QFETCH(int, key);
        QFETCH(bool, ctrl);
        QFETCH(QDate, from);
        const auto to = MonthLayout::dateAfterKey(from, QDate(2026, 12, 7), key,
                                                  ctrl ? Qt::ControlModifier : Qt::NoModifier);
        QTEST(to.value_or(QDate()), "to");
        QCOMPARE(MonthLayout::spokenDate(QDate(2026, 12, 7), true, 2, true),
                 QString("2026年12月7日 月曜日 今日 予定 2件 色付き"));
    }

    // The strip stays where any of it shows; the settings window, frame included, comes wholly
    // onto the screen that holds most of it.
    void keepOnScreen_data() {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<QRect>("whole");
        const QRect strip(0, 0, 152, 16);
        QTest::newRow("one pixel showing") << strip.translated(1023, 767) << strip.translated(1023, 767)
                                           << strip.translated(1024, 767);
        QTest::newRow("right of all") << strip.translated(5000, 20) << strip.translated(1024 - 152, 20)
                                      << strip.translated(1024 - 152, 20);
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
};

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
