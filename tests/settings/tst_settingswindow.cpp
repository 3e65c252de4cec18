#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "AppFixture.h"
#include "WriteLog.h"
#include "settings/SettingsWindow.h"
#include "settings/TabStrip.h"
#include "settings/VersionPage.h"
#include "utilities/AutostartEntry.h"

namespace {

const QStringList kApplyOrder = {
    "set/left",    "set/top",     "set/Topmost",   "ALM/ALMTIM1", "ALM/MSG1",   "ALM/onoff1",
    "ALM/day1",    "ALM/ALMTIM2", "ALM/MSG2",      "ALM/onoff2",  "ALM/day2",   "ALM/ALMTIM3",
    "ALM/MSG3",    "ALM/onoff3",  "ALM/day3",      "c/saikin",    "c/Win",      "c/reboot",
    "c/kidou",     "c/kidouPath", "o/tokeiG",      "o/RQ",        "o/btn0",     "set/OPENCheck"};
const QString kBadTime = QStringLiteral("AlarmTime%1の時刻の指定が正しくありません。");
const QString kCleanupMissing = QStringLiteral(
    "ZKtmpdel.exeが存在しません！\r\nZKtmpdel.exeはZORVEK Inc.TIME(ZKTIME.exe)と同じフォルダに置く必要があります。"
    "\r\n移動させたか　もしくは削除した可能性があります。\r\n\r\n「Windowsの起動時にtmpファイルを消去する」機能を使用する場合は"
    "\r\nZKtmpdel.exeを元のフォルダに戻すか　ZORVEK Inc.TIMEのマニュアルに従って再インストールをしてください。\r\n\r\n"
    "「Windowsの起動時にtmpファイルを消去する」機能を使用しない場合は、このままでも結構です。");

}  // namespace

class TestSettingsWindow : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<AppFixture> f;
    std::unique_ptr<WriteLog> log;
    SettingsWindow* w = nullptr;

    template <typename T = QWidget>
    T* c(const QString& name) {
        T* found = w->findChild<T*>(name);
        if (!found) qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit* text2(int i) { return c<QLineEdit>(QString("Text2(%1)").arg(i)); }
    bool applyEnabled() { return c<QPushButton>("Save")->isEnabled(); }
    void open() {
        log = std::make_unique<WriteLog>(f->platform.locations.settingsFile());
        QVERIFY(f->start());
        f->app->openSettings();
        w = f->app->settings();
        QVERIFY(w);
        log->clear();
    }
    void closeWindow() {
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QStringList writes() { return log->writes(); }

private slots:
    void init() {
        f = std::make_unique<AppFixture>();
        f->platform.clock.set(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    }
    void cleanup() {
        QVERIFY(f->platform.dialogs.scriptDone());
        w = nullptr;
        f.reset();
        log.reset();
    }

    void firstOpenOnEmptyStore();
    void storedTabAndPosition();
    void applyWritesInOrder();
    void invalidAlarmKeepsItsTimeAndMessage();
    void invalidAlarms_data();
    void invalidAlarms();
    void alarmTextsStoredExactly_data();
    void alarmTextsStoredExactly();
    void okWritesEverythingAndReloadsTwice();
    void cancelWritesOnlyTabAndPosition();
    void closeBoxBehavesAsCancel();
    void quitWritesNothing();
    void applyKeepsCalendarDate();
    void tabClickCollapses();
    void applyEnabledByPageHandlers_data();
    void applyEnabledByPageHandlers();
    void rowEnablingRederivesAllRows();
    void populateShowsStoredAlarm();
    void recommendedPosition_data();
    void recommendedPosition();
    void sizeText();
    void slidersMoveOnlyTheirEdge_data();
    void slidersMoveOnlyTheirEdge();
    void slidersMoveClockAndCancelUndoes();
    void longTextsShowTheirStartAndSurviveOk_data();
    void longTextsShowTheirStartAndSurviveOk();
    void titleBarColoursPreviewAndUndo();
    void exitButtonPreview();
    void dateTimePanel_data();
    void dateTimePanel();
    void versionText();
    void launchWithoutPathRefused();
    void winAndLaunchExcludeEachOther();
    void startupEntryFollowsChoice();
    void missingCleanupProgramReportedOnOpen();
    void bootCleanupRegisteredOnApply();
    void tempFileCount();
};

void TestSettingsWindow::firstOpenOnEmptyStore() {
    open();
    QCOMPARE(w->tabs().currentIndex(), 0);
    QCOMPARE(w->pos(), QPoint(0, 0));
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(text2(3 * k)->text(), QString("0"));
        QCOMPARE(text2(3 * k + 1)->text(), QString("0"));
        QVERIFY(!text2(3 * k)->isEnabled());
        QVERIFY(!c<QRadioButton>(QString("dayOB(%1)").arg(2 * k))->isEnabled());
        QVERIFY(!c<QCheckBox>(QString("onoffCheck(%1)").arg(k))->isChecked());
        QVERIFY(c<QRadioButton>(QString("dayOB(%1)").arg(2 * k + 1))->isChecked());  // daily
    }
    QVERIFY(!applyEnabled());
    QVERIFY(c<QRadioButton>("Option2(1)")->isChecked());  // no autostart entry yet
    QVERIFY(!c<QRadioButton>("button(0)")->isEnabled());
    QVERIFY(!c<QLineEdit>("Text3")->isEnabled());
    QVERIFY(writes().isEmpty());
}

void TestSettingsWindow::storedTabAndPosition() {
    f->seed("set", "Tab", "3");
    f->seed("set", "tool1left", "1500");
    f->seed("set", "tool1top", "300");
    open();
    QCOMPARE(w->tabs().currentIndex(), 3);
    QCOMPARE(w->tabs().tabText(3), QString("アラーム設定(&M)"));
    QCOMPARE(w->pos(), QPoint(100, 20));
}

void TestSettingsWindow::applyWritesInOrder() {
    open();
    c<QCheckBox>("onoffCheck(0)")->setChecked(true);
    text2(0)->setText("7");
    text2(1)->setText("5");
    text2(2)->setText("起床");
    QVERIFY(applyEnabled());
    ClockWindow* before = f->clock();
    w->Save_Click();
    QCOMPARE(writes(), kApplyOrder);
    QVERIFY(!applyEnabled());
    QVERIFY(f->clock() != before);
    QCOMPARE(f->stored("ALM", "ALMTIM1"), QString("7:05:00"));
    QCOMPARE(f->stored("ALM", "MSG1"), QString("起床"));
    QCOMPARE(f->stored("ALM", "onoff1"), QString("1"));
    QCOMPARE(f->stored("ALM", "day1"), QString("False"));
    QCOMPARE(f->app->record().alarms[0].time, std::optional(QTime(7, 5)));  // reloaded
    QCOMPARE(f->stored("o", "btn0"), QString("False"));
    QCOMPARE(f->stored("c", "reboot"), QString("False"));
}

void TestSettingsWindow::invalidAlarmKeepsItsTimeAndMessage() {
    f->seed("ALM", "ALMTIM2", "12:00:00");
    f->seed("ALM", "MSG2", "昼");
    open();
    text2(3)->setText("24");
    c<QRadioButton>("dayOB(2)")->setChecked(true);
    f->platform.dialogs.expect(kBadTime.arg(2));
    w->Save_Click();
    QStringList expected = kApplyOrder;
    expected.removeAll("ALM/ALMTIM2");
    expected.removeAll("ALM/MSG2");
    QCOMPARE(writes(), expected);
    QCOMPARE(f->stored("ALM", "ALMTIM2"), QString("12:00:00"));
    QCOMPARE(f->stored("ALM", "MSG2"), QString("昼"));
    QCOMPARE(f->stored("ALM", "day2"), QString("True"));  // the choice of an off slot still counts
    QCOMPARE(f->stored("ALM", "onoff2"), QString("0"));
}

void TestSettingsWindow::invalidAlarms_data() {
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minute");
    QTest::newRow("hour 24") << "24" << "0";
    QTest::newRow("minute 60") << "1" << "60";
    QTest::newRow("empty hour") << "" << "5";
    QTest::newRow("empty minute") << "5" << "";
    QTest::newRow("letters") << "ab" << "cd";
    QTest::newRow("blanks") << " " << " ";
    QTest::newRow("fraction") << "7.5" << "0";
    QTest::newRow("very long") << QString(10000, '1') << "0";
}

void TestSettingsWindow::invalidAlarms() {
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    open();
    for (int k : {0, 2}) {
        text2(3 * k)->setText(hour);
        text2(3 * k + 1)->setText(minute);
    }
    f->platform.dialogs.expect(kBadTime.arg(1));
    f->platform.dialogs.expect(kBadTime.arg(3));
    w->Save_Click();
    const QStringList done = writes();
    QVERIFY(!done.contains("ALM/ALMTIM1") && !done.contains("ALM/ALMTIM3"));
    QVERIFY(done.contains("ALM/ALMTIM2") && done.contains("ALM/onoff3"));
    QCOMPARE(done.last(), QString("set/OPENCheck"));  // the rest of Apply went on
    QCOMPARE(f->stored("ALM", "ALMTIM1"), QString("<missing>"));
}

void TestSettingsWindow::alarmTextsStoredExactly_data() {
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "";
    QTest::newRow("japanese with blanks") << "  会議　第２会議室  ";
    QTest::newRow("quotes and semicolons") << "it's \"x\"; DROP TABLE settings; --";
    QTest::newRow("10000 characters") << QString(10000, QChar(u'鳴'));
}

void TestSettingsWindow::alarmTextsStoredExactly() {
    QFETCH(QString, message);
    open();
    text2(5)->setText(message);
    text2(3)->setText("０８");  // full-width digits count as their digits
    text2(4)->setText("00");
    w->Save_Click();
    QCOMPARE(f->stored("ALM", "MSG2"), message);
    QCOMPARE(f->stored("ALM", "ALMTIM2"), QString("8:00:00"));
    QCOMPARE(f->app->record().alarms[1].message, message);
}

void TestSettingsWindow::okWritesEverythingAndReloadsTwice() {
    open();
    QVERIFY(!applyEnabled());
    const int loads = f->app->clockLoads();
    c<QPushButton>("OK")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(f->app->clockLoads(), loads + 2);
    const QStringList closing = {"set/Tab", "set/tool1top", "set/tool1left"};
    QCOMPARE(writes(), kApplyOrder + closing);
    QVERIFY(f->app->settings() == nullptr);
}

void TestSettingsWindow::cancelWritesOnlyTabAndPosition() {
    open();
    c<QCheckBox>("onoffCheck(1)")->setChecked(true);
    c<QCheckBox>("RQCheck")->setChecked(true);
    const int loads = f->app->clockLoads();
    c<QPushButton>("Cancel")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(writes(), (QStringList{"set/Tab", "set/tool1top", "set/tool1left"}));
    QCOMPARE(f->app->clockLoads(), loads + 1);
    QCOMPARE(f->clock()->width(), 152);  // the preview is gone
}

void TestSettingsWindow::closeBoxBehavesAsCancel() {
    open();
    w->tabs().setCurrentIndex(4);
    w->move(300, 150);
    closeWindow();
    QCOMPARE(writes(), (QStringList{"set/Tab", "set/tool1top", "set/tool1left"}));
    QCOMPARE(f->stored("set", "Tab"), QString("4"));
    QCOMPARE(f->stored("set", "tool1left"), QString("4500"));
    QCOMPARE(f->stored("set", "tool1top"), QString("2250"));
    f->app->openSettings();  // a fresh load: back where it was left
    w = f->app->settings();
    QCOMPARE(w->tabs().currentIndex(), 4);
    QCOMPARE(w->pos(), QPoint(300, 150));
}

void TestSettingsWindow::quitWritesNothing() {
    open();
    c<QCheckBox>("onoffCheck(0)")->setChecked(true);
    w->tabs().setCurrentIndex(2);
    c<QPushButton>("Quit")->click();
    QCOMPARE(f->platform.lifecycle.endRequests, 1);
    QVERIFY(writes().isEmpty());
}

void TestSettingsWindow::applyKeepsCalendarDate() {
    open();
    CalendarState& calendar = f->app->calendar();
    calendar.shownYear = 2030;
    calendar.shownMonth = 2;
    w->Save_Click();
    QCOMPARE(calendar.shownYear, 2030);
    closeWindow();
    QCOMPARE(calendar.shownYear, 2026);
    QCOMPARE(calendar.shownMonth, 12);
}

void TestSettingsWindow::tabClickCollapses() {
    open();
    const int collapsed = w->height();
    w->setFixedHeight(collapsed + 47);  // the schedule input area opened
    c<QPushButton>("tuikaButton")->setEnabled(true);
    c<QPushButton>("hei_Button")->setEnabled(true);
    w->tabs().setCurrentIndex(5);
    QCOMPARE(w->height(), collapsed);
    QVERIFY(!c<QPushButton>("tuikaButton")->isEnabled());
    QVERIFY(!c<QPushButton>("hei_Button")->isEnabled());
}

void TestSettingsWindow::applyEnabledByPageHandlers_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enables");
    for (const char* name : {"onoffCheck(2)", "OPENCheck1", "RQCheck", "WinCheck", "saikinCheck",
                             "kidouCheck", "tokeiGCheck", "TopmostCheck", "ZKTD_Check"})
        QTest::newRow(name) << name << true;
    for (const char* name : {"dayOB(1)", "button(0)", "boot(0)", "Option2(0)"})
        QTest::newRow(name) << name << true;
    QTest::newRow("Text2(4)") << "Text2(4)" << true;
    QTest::newRow("SliderY") << "SliderY" << true;
    QTest::newRow("set") << "set" << true;
    QTest::newRow("sansyou_b") << "sansyou_b" << true;
    QTest::newRow("Text3 alone") << "Text3" << false;
}

void TestSettingsWindow::applyEnabledByPageHandlers() {
    QFETCH(QString, name);
    QFETCH(bool, enables);
    QFile::copy("/bin/true", f->platform.locations.programFolder() + "/ZKtmpdel");
    open();
    for (const char* enable : {"RQCheck", "WinCheck", "kidouCheck"}) c<QCheckBox>(enable)->setEnabled(true);
    for (QWidget* control : w->findChildren<QWidget*>()) control->setEnabled(true);
    w->findChild<QPushButton*>("Save")->setEnabled(false);
    QWidget* target = c(name);
    if (auto* box = qobject_cast<QCheckBox*>(target)) box->click();
    else if (auto* option = qobject_cast<QRadioButton*>(target)) {
        // Select the other option of the pair first, so that the click is a change.
        const int index = name.section('(', 1).chopped(1).toInt();
        c<QRadioButton>(name.section('(', 0, 0) + QString("(%1)").arg(index ^ 1))->setChecked(true);
        c<QPushButton>("Save")->setEnabled(false);
        option->click();
    } else if (auto* text = qobject_cast<QLineEdit*>(target)) QTest::keyClicks(text, "9");
    else if (auto* slider = qobject_cast<QSlider*>(target)) slider->setValue(slider->value() + 100);
    else if (auto* button = qobject_cast<QPushButton*>(target)) {
        f->platform.dialogs.allowPrefix("サポートしてないサイズです。");
        button->click();
    }
    QCOMPARE(applyEnabled(), enables);
}

void TestSettingsWindow::rowEnablingRederivesAllRows() {
    f->seed("ALM", "onoff1", "1");
    open();
    QVERIFY(text2(0)->isEnabled());
    QVERIFY(!text2(6)->isEnabled());
    text2(8)->setEnabled(true);  // out of step with its box, as only a fault could leave it
    c<QCheckBox>("onoffCheck(1)")->click();
    for (int i = 0; i < 3; ++i) QVERIFY(text2(i)->isEnabled());
    for (int i = 3; i < 6; ++i) QVERIFY(text2(i)->isEnabled());
    for (int i = 6; i < 9; ++i) QVERIFY(!text2(i)->isEnabled());
    QVERIFY(!c<QRadioButton>("dayOB(5)")->isEnabled());
    c<QCheckBox>("onoffCheck(1)")->click();
    QVERIFY(!text2(4)->isEnabled());
    QVERIFY(!c<QRadioButton>("dayOB(2)")->isEnabled());
}

void TestSettingsWindow::populateShowsStoredAlarm() {
    f->seed("ALM", "ALMTIM3", "7:05:00");
    f->seed("ALM", "MSG3", "朝");
    f->seed("ALM", "onoff3", "1");
    f->seed("ALM", "day3", "True");
    open();
    QCOMPARE(text2(6)->text(), QString("7"));
    QCOMPARE(text2(7)->text(), QString("5"));
    QCOMPARE(text2(8)->text(), QString("朝"));
    QVERIFY(c<QCheckBox>("onoffCheck(2)")->isChecked());
    QVERIFY(c<QRadioButton>("dayOB(4)")->isChecked());
    QVERIFY(text2(6)->isEnabled());
}

void TestSettingsWindow::recommendedPosition_data() {
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<bool>("rq");
    QTest::addColumn<int>("left");  // -1: unsupported, message
    QTest::addColumn<int>("clockLeft");
    QTest::newRow("640") << 640 << false << 6498 << 6498;
    QTest::newRow("800") << 800 << false << 8898 << 8898;
    QTest::newRow("800 with buttons") << 800 << true << 8398 << 8398;
    QTest::newRow("1024") << 1024 << false << 12258 << 12258;
    QTest::newRow("1024 with buttons") << 1024 << true << 11758 << 11758;
    QTest::newRow("1280") << 1280 << false << -1 << 3000;
    QTest::newRow("1280 with buttons") << 1280 << true << -1 << 2500;
    // The slider stops at 20000; the clock itself moves from where it stands.
    QTest::newRow("1920 with buttons, clock beyond the slider") << 1920 << true << -1 << 24505;
}

void TestSettingsWindow::recommendedPosition() {
    QFETCH(int, screenWidth);
    QFETCH(bool, rq);
    QFETCH(int, left);
    QFETCH(int, clockLeft);
    f->platform.screens.all = {QRect(0, 0, screenWidth, 1024)};
    f->seed("set", "left", clockLeft > 20000 ? "25005" : "3000");
    f->seed("set", "top", "600");
    if (rq) f->seed("o", "RQ", "1");
    open();
    auto* x = c<QSlider>("SliderX");
    auto* y = c<QSlider>("SliderY");
    if (left < 0)
        f->platform.dialogs.expect(QStringLiteral("サポートしてないサイズです。\r\nスライドバーで設定してください\r\n作者に連絡しサポートの要請を！"));
    c<QPushButton>("set")->click();
    QCOMPARE(x->value(), std::min(clockLeft, 20000 - (rq ? 500 : 0)));
    QCOMPARE(y->value(), left >= 0 ? 15 : 600);
    QCOMPARE(f->clock()->pos(), QPoint(qRound(clockLeft / 15.0), left >= 0 ? 1 : 40));
    QCOMPARE(f->platform.dialogs.beeps(), left < 0 ? 1 : 0);
    if (rq) {  // repeated presses stay inside the slider's range
        for (int i = 0; i < 30; ++i) {
            if (left < 0)
                f->platform.dialogs.expect(QStringLiteral("サポートしてないサイズです。\r\nスライドバーで設定してください\r\n作者に連絡しサポートの要請を！"));
            c<QPushButton>("set")->click();
        }
        QVERIFY(x->value() >= 0);
    }
    QVERIFY(writes().isEmpty());
}

void TestSettingsWindow::sizeText() {
    open();
    QCOMPARE(c<QLabel>("sizelabel")->text(), QStringLiteral(" このシステムの画面サイズは 1024×768です。"));
}

void TestSettingsWindow::slidersMoveOnlyTheirEdge_data() {
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QPoint>("moved");
    // The clock stands beyond both sliders' ranges, where neither slider can show its place.
    QTest::newRow("SliderX") << "SliderX" << QPoint(200, 1300);
    QTest::newRow("SliderY") << "SliderY" << QPoint(1800, 200);
}

void TestSettingsWindow::slidersMoveOnlyTheirEdge() {
    QFETCH(QString, slider);
    QFETCH(QPoint, moved);
    f->platform.screens.all = {QRect(0, 0, 2560, 1440)};
    f->seed("set", "left", "27000");
    f->seed("set", "top", "19500");
    open();
    c<QSlider>(slider)->setValue(3000);
    QCOMPARE(f->clock()->pos(), moved);
}

void TestSettingsWindow::longTextsShowTheirStartAndSurviveOk_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("alarm message over QLineEdit's default limit")
        << "ALM" << "MSG1" << "Text2(2)" << QString(40000, QChar(u'鳴')) + "end";
    QTest::newRow("launch path") << "c" << "kidouPath" << "Text3"
                                 << "/opt/" + QString(300, QChar('x')) + "/tool --flag";
}

void TestSettingsWindow::longTextsShowTheirStartAndSurviveOk() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, box);
    QFETCH(QString, text);
    f->seed(section, key, text);
    open();
    QCOMPARE(c<QLineEdit>(box)->cursorPosition(), 0);
    c<QPushButton>("OK")->click();
    QCOMPARE(f->stored(section, key), text);
}

void TestSettingsWindow::slidersMoveClockAndCancelUndoes() {
    open();
    c<QSlider>("SliderX")->setValue(1500);
    c<QSlider>("SliderY")->setValue(300);
    QCOMPARE(f->clock()->pos(), QPoint(100, 20));
    c<QPushButton>("Cancel")->click();
    QCOMPARE(f->clock()->pos(), QPoint(0, 0));
    QCOMPARE(f->stored("set", "left"), QString("<missing>"));
}

void TestSettingsWindow::titleBarColoursPreviewAndUndo() {
    open();
    c<QCheckBox>("tokeiGCheck")->click();
    QVERIFY(!f->control("Image1")->isVisible());
    c<QPushButton>("Cancel")->click();
    QVERIFY(f->control("Image1")->isVisible());
    QCOMPARE(f->stored("o", "tokeiG"), QString("<missing>"));
}

void TestSettingsWindow::exitButtonPreview() {
    open();
    c<QCheckBox>("RQCheck")->click();
    QCOMPARE(f->clock()->width(), 187);
    QVERIFY(c<QRadioButton>("button(0)")->isEnabled());
    c<QRadioButton>("button(0)")->click();
    QVERIFY(f->control("Rbutton")->isVisible());
    QVERIFY(f->control("Qbutton")->isVisible());
    c<QRadioButton>("button(1)")->click();
    QVERIFY(!f->control("Qbutton")->isVisible());
    c<QCheckBox>("RQCheck")->click();
    QCOMPARE(f->clock()->width(), 152);
    QVERIFY(!c<QRadioButton>("button(0)")->isEnabled());
    w->Save_Click();
    QCOMPARE(f->stored("o", "RQ"), QString("0"));
}

void TestSettingsWindow::dateTimePanel_data() {
    QTest::addColumn<bool>("installed");
    QTest::newRow("installed") << true;
    QTest::newRow("none installed") << false;
}

void TestSettingsWindow::dateTimePanel() {
    QFETCH(bool, installed);
    f->platform.launcher.panelAvailable = installed;
    open();
    if (!installed) f->platform.dialogs.expect(QStringLiteral("日付と時刻を設定するプログラムが見つかりません。"));
    c<QPushButton>("TIMEDATE")->click();
    QCOMPARE(f->platform.launcher.panelRequests, 1);
    QVERIFY(!applyEnabled());
    QVERIFY(writes().isEmpty());
}

void TestSettingsWindow::versionText() {
    open();
    QCOMPARE(c<QLabel>("lblVersion")->text(),
             QString("Ver %1.%2.%3").arg(ZK_VERSION_MAJOR).arg(ZK_VERSION_MINOR).arg(ZK_VERSION_PATCH));
    QVERIFY(c<QLabel>("lblVersion")->text().startsWith("Ver 1."));
}

void TestSettingsWindow::launchWithoutPathRefused() {
    open();
    c<QCheckBox>("kidouCheck")->click();
    QVERIFY(c<QLineEdit>("Text3")->isEnabled());
    f->platform.dialogs.expect(QStringLiteral("実行させたいファイルのフルパスを指定してください。"));
    w->Save_Click();
    QCOMPARE(f->platform.dialogs.beeps(), 1);
    QVERIFY(!c<QCheckBox>("kidouCheck")->isChecked());
    QCOMPARE(f->stored("c", "kidou"), QString("0"));
    QCOMPARE(f->stored("c", "kidouPath"), QString(""));
}

void TestSettingsWindow::winAndLaunchExcludeEachOther() {
    f->seed("c", "kidou", "1");
    f->seed("c", "kidouPath", "/usr/bin/xterm");
    open();
    QVERIFY(c<QLineEdit>("Text3")->isEnabled());
    c<QCheckBox>("WinCheck")->click();
    QVERIFY(!c<QCheckBox>("kidouCheck")->isChecked());
    QVERIFY(!c<QLineEdit>("Text3")->isEnabled());
    QVERIFY(c<QRadioButton>("boot(0)")->isEnabled());
    c<QCheckBox>("kidouCheck")->click();
    QVERIFY(!c<QCheckBox>("WinCheck")->isChecked());
    QVERIFY(!c<QRadioButton>("boot(0)")->isEnabled());
    c<QCheckBox>("kidouCheck")->click();  // unticking keeps the path
    w->Save_Click();
    QCOMPARE(f->stored("c", "Win"), QString("0"));
    QCOMPARE(f->stored("c", "kidou"), QString("0"));
    QCOMPARE(f->stored("c", "kidouPath"), QString("/usr/bin/xterm"));
}

void TestSettingsWindow::startupEntryFollowsChoice() {
    open();
    const AutostartEntry entry(f->platform.locations.autostartFolder(), AutostartEntry::kClock);
    c<QRadioButton>("Option2(0)")->click();
    w->Save_Click();
    QCOMPARE(entry.exec(), f->platform.locations.programFolder() + "/ZKTIME");
    QVERIFY(QFile::remove(entry.filePath()));  // removed by hand: Apply makes it again
    w->Save_Click();
    QVERIFY(entry.exists());
    c<QRadioButton>("Option2(1)")->click();
    QFile::setPermissions(entry.filePath(), QFile::ReadOwner);
    w->Save_Click();
    QVERIFY(!entry.exists());
    w->Save_Click();  // nothing to remove: no message
}

void TestSettingsWindow::missingCleanupProgramReportedOnOpen() {
    AutostartEntry(f->platform.locations.autostartFolder(), AutostartEntry::kCleanup).write("/gone/ZKtmpdel");
    f->platform.dialogs.expect(kCleanupMissing);
    open();
    QCOMPARE(f->platform.dialogs.shown().first().icon, Dialogs::Icon::Warning);
    QCOMPARE(f->platform.dialogs.beeps(), 1);
    QVERIFY(!c<QCheckBox>("ZKTD_Check")->isChecked());
    QVERIFY(!AutostartEntry(f->platform.locations.autostartFolder(), AutostartEntry::kCleanup).exists());
    QVERIFY(!applyEnabled());
}

void TestSettingsWindow::bootCleanupRegisteredOnApply() {
    const QString program = f->platform.locations.programFolder() + "/ZKtmpdel";
    QVERIFY(QFile::copy("/bin/true", program));
    open();
    const AutostartEntry entry(f->platform.locations.autostartFolder(), AutostartEntry::kCleanup);
    c<QCheckBox>("ZKTD_Check")->click();
    QVERIFY(!entry.exists());  // only Apply registers
    w->Save_Click();
    QCOMPARE(entry.exec(), program);
    QVERIFY(f->app->record().tmpdelRegistered == 1);
    QVERIFY(QFile::remove(program));  // gone before the next Apply
    f->platform.dialogs.expect(kCleanupMissing);
    w->Save_Click();
    QVERIFY(!entry.exists());
    QVERIFY(!c<QCheckBox>("ZKTD_Check")->isChecked());
}

void TestSettingsWindow::tempFileCount() {
    for (const char* name : {"a.tmp", "b.tmp", "c.TMP", "d.txt"}) {
        QFile file(f->platform.locations.tempFolder() + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QDir().mkpath(f->platform.locations.tempFolder() + "/folder.tmp");
    open();
    // Letter case does not matter, as on the desktops the pattern comes from; folders never count.
    QCOMPARE(c<QLabel>("tmpLabel")->text(), QStringLiteral("不要なファイル(*.tmp)を 3個 検出しました"));
    QCOMPARE(c<QListWidget>("File1")->count(), 3);
}

QTEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"
