#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "AppFixture.h"
#include "core/AutostartEntry.h"
#include "core/UiText.h"
#include "widgets/TabStrip.h"

namespace {

const QStringList kApplyOrder = {
    "set/left",    "set/top",     "set/Topmost",   "ALM/ALMTIM1", "ALM/MSG1",   "ALM/onoff1",
    "ALM/day1",    "ALM/ALMTIM2", "ALM/MSG2",      "ALM/onoff2",  "ALM/day2",   "ALM/ALMTIM3",
    "ALM/MSG3",    "ALM/onoff3",  "ALM/day3",      "c/saikin",    "c/Win",      "c/reboot",
    "c/kidou",     "c/kidouPath", "o/tokeiG",      "o/RQ",        "o/btn0",     "set/OPENCheck"};
const QStringList kClosing = {"set/Tab", "set/tool1top", "set/tool1left"};
const QString kUnsupported = QStringLiteral(
    "サポートしてないサイズです。\r\nスライドバーで設定してください\r\n作者に連絡しサポートの要請を！");
const QString kCleanupMissing = QStringLiteral("ZKtmpdel.exeが存在しません！\r\n");

}  // namespace

class TestSettingsWindow : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<AppFixture> f;
    SettingsWindow* w = nullptr;

    template <typename T = QWidget>
    T* c(const QString& name) { return f->inSettings<T>(name); }
    // The hour, minute and message boxes of the three alarms, 0 to 8.
    QLineEdit* alarmBox(int i) {
        static const char* const boxes[] = {"alarmHour(%1)", "alarmMinute(%1)", "alarmMessage(%1)"};
        return c<QLineEdit>(QString(boxes[i % 3]).arg(i / 3));
    }
    // One digit per alarm box: 1 where it is enabled.
    QString enabledBoxes() {
        QString digits;
        for (int i = 0; i < 9; ++i) digits += alarmBox(i)->isEnabled() ? '1' : '0';
        return digits;
    }
    bool applyEnabled() { return c<QPushButton>("applyButton")->isEnabled(); }
    void open() { QVERIFY((w = f->openSettings())); }
    QStringList writes() { return f->log->writes(); }
    AutostartEntry entry(const char* name) {
        return AutostartEntry(f->platform.locations.autostartFolder(), name);
    }

private slots:
    void init() {
        f = std::make_unique<AppFixture>();
        f->platform.clock.set(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    }
    void cleanup() { f.reset(); }

    // A stored alarm is shown; a tick re-derives every row from its box, even one out of step.
    void storedAlarmAndRowEnabling() {
        f->seed("ALM", "ALMTIM3", "7:05:00");
        f->seed("ALM", "MSG3", "朝");
        f->seed("ALM", "onoff3", "1");
        f->seed("ALM", "day3", "True");
        open();
        QCOMPARE(alarmBox(6)->text() + alarmBox(7)->text() + alarmBox(8)->text(), QString("75朝"));
        QVERIFY(c<QRadioButton>("alarmOnce(2)")->isChecked());
        alarmBox(2)->setEnabled(true);  // out of step with its box, as only a fault could leave it
        c<QCheckBox>("alarmOn(1)")->click();
        QCOMPARE(enabledBoxes(), QString("000111111"));
        QVERIFY(!c<QRadioButton>("alarmDaily(0)")->isEnabled());
        c<QCheckBox>("alarmOn(1)")->click();
        QCOMPARE(enabledBoxes(), QString("000000111"));
        QVERIFY(!c<QRadioButton>("alarmOnce(1)")->isEnabled());
    }

    // Alarm 2, stored as 12:00 "昼", is given a time and a message; a time that is no time keeps
    // both as they were, and the rest of Apply goes on in its order. The clock is loaded anew from
    // the store, and the calendar keeps the date it shows.
    void alarmApplied_data() {
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("time");  // as stored afterwards
        const QString kept = "12:00:00";
        QTest::newRow("hour 24") << "24" << "0" << "x" << kept;
        QTest::newRow("very long") << QString(10000, '1') << "0" << "x" << kept;
        // Full-width digits count as their digits; messages are stored exactly.
        QTest::newRow("full-width") << "０８" << "00" << "" << "8:00:00";
        QTest::newRow("blanks kept") << "8" << "0" << "  会議　第２会議室  " << "8:00:00";
    }

    void alarmApplied() {
        QFETCH(QString, message);
        QFETCH(QString, time);
        f->seed("ALM", "ALMTIM2", "12:00:00");
        f->seed("ALM", "MSG2", "昼");
        open();
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        alarmBox(3)->setText(hour);
        alarmBox(4)->setText(minute);
        alarmBox(5)->setText(message);
        c<QRadioButton>("alarmOnce(1)")->setChecked(true);
        f->app->calendar().shownYear = 2030;
        const int loads = f->app->clockLoads();
        const bool refused = time == "12:00:00";
        if (refused) f->platform.dialogs.expect("AlarmTime2の時刻の指定が正しくありません。");
        w->apply();
        QStringList order = kApplyOrder;
        if (refused) order.removeAll("ALM/ALMTIM2"), order.removeAll("ALM/MSG2");
        QCOMPARE(writes(), order);
        QCOMPARE(f->stored("ALM", "ALMTIM2"), time);
        QCOMPARE(f->stored("ALM", "MSG2"), refused ? QString("昼") : message);
        QCOMPARE(f->stored("ALM", "day2"), QString("True"));  // the choice of an off slot still counts
        QCOMPARE(f->stored("ALM", "onoff2"), QString("0"));
        QCOMPARE(f->app->clockLoads(), loads + 1);
        QVERIFY(!applyEnabled());
        QCOMPARE(f->app->calendar().shownYear, 2030);
    }

    // An Apply that the store refuses is told once and leaves the pages as typed, with Apply
    // enabled for another try.
    void failedApplyKeepsWhatWasTyped() {
        open();
        failWrites(f->platform.locations.settingsFile(), "INSERT", "new.section = 'ALM'");
        f->platform.dialogs.allowPrefix(UiText::saveFailed);
        c<QCheckBox>("alarmOn(0)")->setChecked(true);
        w->apply();
        QCOMPARE(f->platform.dialogs.beeps(), 1);
        QVERIFY(applyEnabled() && c<QCheckBox>("alarmOn(0)")->isChecked());
        QCOMPARE(f->stored("ALM", "onoff1"), QString("<missing>"));
    }

    // Previews on the clock (place, title bar colours, exit buttons) stay only when applied.
    // Every way out but Quit keeps the tab and the window's place for the next opening.
    void closing_data() {
        QTest::addColumn<QString>("button");  // "" for the close box
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<int>("clockLoads");
        QTest::newRow("OK") << "okButton" << kApplyOrder + kClosing << 2;
        QTest::newRow("Cancel") << "cancelButton" << kClosing << 1;
        QTest::newRow("close box") << "" << kClosing << 1;
        QTest::newRow("Quit") << "quitButton" << QStringList() << 0;
    }

    void closing() {
        QFETCH(QString, button);
        QFETCH(QStringList, written);
        QFETCH(int, clockLoads);
        open();
        f->app->calendar().shownYear = 2030;
        w->tabs().setCurrentIndex(4);
        w->move(300, 150);
        c<QSlider>("leftSlider")->setValue(1500);
        c<QSlider>("topSlider")->setValue(300);
        QCOMPARE(f->clock()->pos(), QPoint(100, 20));
        c<QCheckBox>("titleBarColoursCheck")->click();
        QVERIFY(!f->onClock("gradient")->isVisible());
        c<QCheckBox>("exitControlsCheck")->click();
        QCOMPARE(f->clock()->width(), 187);
        const int loads = f->app->clockLoads();
        if (button.isEmpty()) w->close();
        else c<QPushButton>(button)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(writes(), written);
        QCOMPARE(f->app->clockLoads(), loads + clockLoads);
        QCOMPARE(f->platform.lifecycle.endRequests, int(button == "quitButton"));
        if (button == "quitButton") return;
        QVERIFY(f->app->settings() == nullptr);
        const bool applied = button == "okButton";
        QCOMPARE(f->clock()->pos(), applied ? QPoint(100, 20) : QPoint(0, 0));
        QCOMPARE(f->onClock("gradient")->isVisible(), !applied);
        QCOMPARE(f->app->calendar().shownYear, 2026);
        QCOMPARE(f->clock()->width(), applied ? 187 : 152);
        QCOMPARE(f->stored("set", "tool1left"), QString("4500"));
        QCOMPARE(f->stored("set", "tool1top"), QString("2250"));
        open();
        QCOMPARE(w->tabs().currentIndex(), 4);
        QCOMPARE(w->pos(), QPoint(300, 150));
    }

    void recommendedPosition_data() {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<bool>("rq");
        QTest::addColumn<bool>("supported");
        QTest::addColumn<int>("clockLeft");
        QTest::newRow("1024 with buttons") << 1024 << true << true << 11758;
        // The slider stops at 20000; the clock itself moves from where it stands.
        QTest::newRow("1920 with buttons, clock beyond the slider") << 1920 << true << false << 24505;
    }

    void recommendedPosition() {
        QFETCH(int, screenWidth);
        QFETCH(bool, rq);
        QFETCH(bool, supported);
        QFETCH(int, clockLeft);
        f->platform.screens.all = {QRect(0, 0, screenWidth, 1024)};
        f->seed("set", "left", clockLeft > 20000 ? "25005" : "3000");
        f->seed("set", "top", "600");
        if (rq) f->seed("o", "RQ", "1");
        open();
        if (!supported) f->platform.dialogs.expect(kUnsupported);
        c<QPushButton>("recommendedPlaceButton")->click();
        QCOMPARE(c<QSlider>("leftSlider")->value(), std::min(clockLeft, 20000 - (rq ? 500 : 0)));
        QCOMPARE(c<QSlider>("topSlider")->value(), supported ? 15 : 600);
        QCOMPARE(f->clock()->pos(), QPoint(qRound(clockLeft / 15.0), supported ? 1 : 40));
        QCOMPARE(f->platform.dialogs.beeps(), supported ? 0 : 1);
        QVERIFY(writes().isEmpty());
    }

    // The clock stands beyond both sliders' ranges, where neither slider can show its place:
    // each slider moves only its own edge.
    void slidersMoveOnlyTheirEdge() {
        f->platform.screens.all = {QRect(0, 0, 2560, 1440)};
        f->seed("set", "left", "27000");
        f->seed("set", "top", "19500");
        open();
        c<QSlider>("leftSlider")->setValue(3000);
        QCOMPARE(f->clock()->pos(), QPoint(200, 1300));
        c<QSlider>("topSlider")->setValue(3000);
        QCOMPARE(f->clock()->pos(), QPoint(200, 200));
    }

    // An alarm message over QLineEdit's default limit, and a long launch path.
    void longTextsShowTheirStartAndSurviveOk() {
        const QString message = QString(40000, QChar(u'鳴')) + "end";
        const QString path = "/opt/" + QString(300, QChar('x')) + "/tool --flag";
        f->seed("ALM", "MSG1", message);
        f->seed("c", "kidouPath", path);
        open();
        QCOMPARE(alarmBox(2)->cursorPosition(), 0);
        QCOMPARE(c<QLineEdit>("launchCommandBox")->cursorPosition(), 0);
        c<QPushButton>("okButton")->click();
        QCOMPARE(f->stored("ALM", "MSG1"), message);
        QCOMPARE(f->stored("c", "kidouPath"), path);
    }

    // Restarting and launching exclude each other; launching needs a path, which stays when unticked.
    void launchChoices() {
        open();
        c<QCheckBox>("launchCheck")->click();
        f->platform.dialogs.expect(QStringLiteral("実行させたいファイルのフルパスを指定してください。"));
        w->apply();
        QCOMPARE(f->platform.dialogs.beeps(), 1);
        QVERIFY(!c<QCheckBox>("launchCheck")->isChecked());
        QCOMPARE(f->stored("c", "kidou"), QString("0"));
        c<QCheckBox>("launchCheck")->click();
        c<QLineEdit>("launchCommandBox")->setText("/usr/bin/xterm");
        c<QCheckBox>("powerCheck")->click();
        QVERIFY(!c<QCheckBox>("launchCheck")->isChecked());
        QVERIFY(!c<QLineEdit>("launchCommandBox")->isEnabled());
        c<QCheckBox>("launchCheck")->click();
        QVERIFY(!c<QCheckBox>("powerCheck")->isChecked());
        c<QCheckBox>("launchCheck")->click();
        w->apply();
        QCOMPARE(f->stored("c", "Win"), QString("0"));
        QCOMPARE(f->stored("c", "kidouPath"), QString("/usr/bin/xterm"));
    }

    // Only Apply registers the cleanup at login; a program gone since is told at the next Apply
    // and at the next opening, and its entry goes.
    void cleanupAtLogin() {
        const QString program = f->platform.locations.programFolder() + "/ZKtmpdel";
        QVERIFY(QFile::copy("/bin/true", program));
        open();
        c<QCheckBox>("cleanupAtLoginCheck")->click();
        QVERIFY(!entry(AutostartEntry::kCleanup).exists());
        w->apply();
        QCOMPARE(entry(AutostartEntry::kCleanup).exec(), program);
        QVERIFY(QFile::remove(program));
        f->platform.dialogs.allowPrefix(kCleanupMissing);
        w->apply();
        QVERIFY(!entry(AutostartEntry::kCleanup).exists());
        QVERIFY(!c<QCheckBox>("cleanupAtLoginCheck")->isChecked());
        entry(AutostartEntry::kCleanup).write(program);
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        open();
        QCOMPARE(f->platform.dialogs.shown().size(), 2);
        QCOMPARE(f->platform.dialogs.shown().last().icon, Dialogs::Icon::Warning);
        QVERIFY(!c<QCheckBox>("cleanupAtLoginCheck")->isChecked());
        QVERIFY(!entry(AutostartEntry::kCleanup).exists() && !applyEnabled());
    }
};

QTEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"
