#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "AppFixture.h"
#include "schedule/CalendarPage.h"
#include "schedule/DateSection.h"
#include "schedule/TextColour.h"
#include "schedule/TodayAnimation.h"
#include "schedule/TodayView.h"
#include "settings/SettingsWindow.h"

namespace {

const QString kToday = QStringLiteral("2026/12/06");  // a Sunday: cell 8
const QString kMissing = QStringLiteral("<missing>");
const QString kSelectDate = QStringLiteral("日付を指定してください");
const QString kNoColour =
    QStringLiteral("黒を指定　又は、キャンセルが選択されたので色の変更を中止しました。");
constexpr auto L = Qt::LeftButton;
constexpr auto R = Qt::RightButton;

struct Navigation {
    int fromYear, fromMonth;
    QString clicks;  // object names, in order
    Qt::MouseButton button;
    int year, month, selected;
    bool blinking;
    QString label1;
    int firstCell = 0, lastCell = 0;  // where the days stand, when the row checks them
};

// Keys "1" to "5" and "Color" of the 6th of the shown month; <missing> for none.
struct Notes {
    QStringList before;
    int deleteRow;  // -1: add the text
    QString text;   // for a delete, the answer: "yes" or "no"
    QStringList after;
    QString message = {};    // on adding
    int month = 12;          // another month has no date selected
    int scheduleColour = 0;  // chosen through "Color Change" first
};

struct ColourMenu {
    bool withNotes;
    QString colour;
    int item;  // action index in the menu; -1: Escape
    int picked;
    QString question;  // empty: none; a trailing "?" is answered Yes
    QString colourAfter;
    int cellColour;
};

}  // namespace

Q_DECLARE_METATYPE(Navigation)
Q_DECLARE_METATYPE(Notes)
Q_DECLARE_METATYPE(ColourMenu)

class TestSchedule : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<AppFixture> f;
    SettingsWindow* w = nullptr;

    template <typename T = QLabel>
    T* c(const QString& name) {
        return control<T>(w, name);
    }
    QLabel* cell(int i) { return c(QString("cmdDate(%1)").arg(i)); }
    void click(QWidget* label, Qt::MouseButton button = L) {
        QTest::mousePress(label, button);
        QTest::mouseRelease(label, button);
    }
    // Keys "1" to "5" and "Color" as stored.
    QStringList storedSection(const QString& key) {
        QStringList values;
        for (const char* k : {"1", "2", "3", "4", "5", "Color"}) values << f->stored(key, k);
        return values;
    }
    void open() {
        f->seed("set", "Tab", "5");
        QVERIFY(f->start());
        f->app->openSettings();
        w = f->app->settings();
    }

private slots:
    void init() {
        f = std::make_unique<AppFixture>();
        f->platform.clock.set(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    }
    void cleanup() {
        QVERIFY(f->platform.dialogs.scriptDone());
        w = nullptr;
        f.reset();
    }

    // From a shown month, clicks on year, month and date labels; today (cell 8) has one note.
    void navigation_data() {
        QTest::addColumn<Navigation>("row");
        const QString none = kSelectDate, today = "2026/12/6";
        auto row = [](const char* name, const Navigation& n) { QTest::newRow(name) << n; };
        // clang-format off
        row("opening",            {2026, 12, "",             L, 2026, 12, 8, true, today});
        row("≪ left",             {2026, 12, "cmdYear(0)",   L, 2025, 12, 0, false, none});
        row("≪ middle",           {2026, 12, "cmdYear(0)",   Qt::MiddleButton, 2025, 12, 0, false, none});
        row("≪ right",            {2026, 12, "cmdYear(0)",   R, 2016, 12, 0, false, none});
        row("≫ right",            {2026, 12, "cmdYear(1)",   R, 2036, 12, 0, false, none});
        row("■ keeps the month",  {1990, 3,  "cmdYear(2)",   L, 2026, 3,  0, false, none});
        row("■ back to today",    {1990, 12, "cmdYear(2)",   L, 2026, 12, 8, true, today});
        row("stops at 100",       {105,  1,  "cmdYear(0)",   R, 100,  1,  0, false, none});
        row("stops at 9999",      {9999, 12, "cmdYear(1)",   L, 9999, 12, 0, false, none});
        row("another month",      {2026, 12, "cmdMonth(11)", L, 2026, 11, 0, false, none});
        row("back to this month", {2026, 1,  "cmdMonth(12)", L, 2026, 12, 8, true, today});
        row("today stops blink",  {2026, 12, "cmdDate(10) cmdDate(8)", L, 2026, 12, 8, false, today});
        row("another day blinks", {2026, 12, "cmdDate(8) cmdDate(10)", L, 2026, 12, 10, true, "2026/12/8"});
        row("other month's date", {2026, 11, "cmdDate(10)",  L, 2026, 11, 10, false, "2026/11/10"});
        row("31 days from a Sat", {2022, 1,  "",             L, 2022, 1,  0, false, none, 7, 37});
        row("Feb from a Sunday",  {2015, 2,  "",             L, 2015, 2,  0, false, none, 1, 28});
        row("leap 2000",          {2000, 2,  "",             L, 2000, 2,  0, false, none, 3, 31});
        row("1900 not leap",      {1900, 2,  "",             L, 1900, 2,  0, false, none, 5, 32});
        row("2100 not leap",      {2100, 2,  "",             L, 2100, 2,  0, false, none, 2, 29});
        // clang-format on
    }

    void navigation() {
        QFETCH(Navigation, row);
        f->seed(kToday, "1", "会議");
        open();
        CalendarState& state = f->app->calendar();
        state.shownYear = row.fromYear;
        w->calendar().cmdMonth_Click(row.fromMonth);
        for (const QString& label : row.clicks.split(' ', Qt::SkipEmptyParts))
            click(c(label), row.button);
        QCOMPARE(c("dateWIN")->text(), QString("%1年 %2月").arg(row.year).arg(row.month));
        QCOMPARE(state.shownYear, row.year);
        QCOMPARE(state.shownMonth, row.month);
        QCOMPARE(state.selectedCell, row.selected);
        QCOMPARE(w->calendar().isBlinking(), row.blinking);
        QCOMPARE(c("Label1")->text(), row.label1);
        QCOMPARE(c<QListWidget>("lstShedule")->count(), row.label1 == "2026/12/6" ? 1 : 0);
        QCOMPARE(textColour(c(QString("cmdMonth(%1)").arg(row.month))), 0x00FF00);
        if (row.clicks.contains("cmdDate")) QVERIFY(cell(row.selected)->font().bold());
        if (row.clicks.startsWith("cmdYear")) QCOMPARE(textColour(c(row.clicks)), 0xC000C0);
        const bool bold = cell(8)->font().bold();
        w->calendar().Timer1_Timer();
        if (row.blinking) QCOMPARE(cell(8)->font().bold(), !bold);
        for (int i = 1; row.firstCell && i <= 37; ++i) {
            const bool used = i >= row.firstCell && i <= row.lastCell;
            QCOMPARE(!cell(i)->isHidden(), used);
            if (used) QCOMPARE(cell(i)->text(), QString::number(i - row.firstCell + 1));
        }
    }

    // One add or delete on today's date, observed in the store: keys "1" to "5" and "Color".
    void notes_data() {
        QTest::addColumn<Notes>("row");
        const QString odd = QString(10000, u'長') + QChar(0) + "\tタブ 😀";
        const QString _ = kMissing, full = "これ以上追加できません";
        auto row = [](const char* name, const Notes& n) { QTest::newRow(name) << n; };
        // clang-format off
        row("first note",    {{},                        -1, "new", {"new", _, _, _, _, "65535"}});
        row("fifth note",    {{"1", "2", "3", "4"},      -1, "5",   {"1", "2", "3", "4", "5", "65535"}});
        row("sixth refused", {{"1", "2", "3", "4", "5", "255"}, -1, "6", {"1", "2", "3", "4", "5", "65535"}, full});
        row("add recolours", {{"a", _, _, _, _, "255"},   -1, "b",   {"a", "b", _, _, _, "65535"}});
        row("odd long note", {{},                        -1, odd,   {odd, _, _, _, _, "65535"}});
        row("gap at key 3",  {{"a", "b", _, "d", _, "255"}, -1, "c", {"a", "b", "c", _, _, "65535"}});
        row("no date chosen", {{"二月"},                  -1, "x",   {"二月", _, _, _, _, _}, kSelectDate, 2});
        row("schedule colour", {{},                       -1, "g",   {"g", _, _, _, _, "65280"}, "", 12, 0x00FF00});
        row("delete middle", {{"a", "b", "c", _, _, "255"}, 1, "yes", {"a", "c", _, _, _, "255"}});
        row("delete last",   {{"a", _, _, _, _, "255"},    0, "yes", {_, _, _, _, _, _}});
        row("No keeps all",  {{"a", "b", _, _, _, "255"},  0, "no",  {"a", "b", _, _, _, "255"}});
        row("junk colour",   {{"a", _, _, _, _, "abc"},    0, "no",  {"a", _, _, _, _, "abc"}});
        row("negative",      {{"a", _, _, _, _, "-5"},     0, "no",  {"a", _, _, _, _, "-5"}});
        row("over 0xFFFFFF", {{"a", _, _, _, _, "16777216"}, 0, "no", {"a", _, _, _, _, "16777216"}});
        // clang-format on
    }

    void notes() {
        QFETCH(Notes, row);
        const QString key = QString("2026/%1/06").arg(row.month, 2, 10, QChar('0'));
        const QStringList keys = {"1", "2", "3", "4", "5", "Color"};
        for (int i = 0; i < row.before.size(); ++i)
            if (row.before[i] != kMissing) f->seed(key, keys[i], row.before[i]);
        open();
        w->calendar().cmdMonth_Click(row.month);
        auto& dialogs = f->platform.dialogs;
        dialogs.colourAnswer = row.scheduleColour;
        if (row.scheduleColour) click(c("Color_Change_label"));
        if (row.deleteRow < 0) {
            c<QLineEdit>("memoINtext")->setText(row.text);
            if (!row.message.isEmpty()) dialogs.expect(row.message);
            c<QPushButton>("tuikaButton")->click();
        } else {
            c<QListWidget>("lstShedule")->setCurrentRow(row.deleteRow);
            QVERIFY(c<QPushButton>("sakujoBotton")->isVisible());
            const bool yes = row.text == "yes";
            dialogs.expect("削除しますか？", yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
            c<QPushButton>("sakujoBotton")->click();
            QCOMPARE(dialogs.shown().last().buttons, Dialogs::Buttons::YesNo);
            QVERIFY(!c<QPushButton>("sakujoBotton")->isVisible());
        }
        QCOMPARE(dialogs.beeps(), int(dialogs.shown().size()));
        QCOMPARE(storedSection(key), row.after);
        if (row.month != 12) {  // nothing was added; the typed note is kept
            QCOMPARE(c<QLineEdit>("memoINtext")->text(), row.text);
            return;
        }
        QCOMPARE(c<QListWidget>("lstShedule")->count(),
                 5 - int(row.after.mid(0, 5).count(kMissing)));
        const int colour = DateSection::toColour(row.after.last());
        QCOMPARE(textColour(cell(8)), colour ? colour : 0x8080FF);
        QVERIFY(cell(8)->font().bold());
    }

    // The right-click menu of 9 December (cell 11), each path with its questions.
    void colourMenu_data() {
        QTest::addColumn<ColourMenu>("row");
        const QString change = "スケジュールが入力されています\r\n表示色を変更しますか？";
        const QString reset = "スケジュールが入力されています\r\n表示色をデフォルトに戻しますか？";
        const QString _ = kMissing;
        auto row = [](const char* name, const ColourMenu& m) { QTest::newRow(name) << m; };
        // clang-format off
        row("change, no notes",   {false, "",    0, 0, "",           "16711935", kMagenta});
        row("change, notes, Yes", {true,  "255", 0, 0, change + "?", "16711935", kMagenta});
        row("change, notes, No",  {true,  "255", 0, 0, change,       "255",      255});
        row("set colour",         {false, "",    1, 0x123456, "",    "1193046",  0x123456});
        row("set cancelled",      {true,  "255", 1, 0, kNoColour,    "255",      255});
        row("default, no notes",  {false, "255", 3, 0, "",           _,          0xFFFFFF});
        row("default, Yes",       {true,  "255", 3, 0, reset + "?",  _,          0xFFFFFF});
        row("default, No",        {true,  "255", 3, 0, reset,        "255",      255});
        row("default, no colour", {true,  "",    3, 0, "",           _,          0xFFFFFF});
        row("Escape",             {true,  "255", -1, 0, "",          "255",      kMagenta});
        // clang-format on
    }

    void colourMenu() {
        QFETCH(ColourMenu, row);
        const QString key = "2026/12/09";
        if (row.withNotes) f->seed(key, "1", "a");
        if (!row.colour.isEmpty()) f->seed(key, "Color", row.colour);
        open();
        auto& dialogs = f->platform.dialogs;
        dialogs.colourAnswer = row.picked;
        QString question = row.question;
        const bool yes = question.endsWith('?');
        if (yes) question.chop(1);
        if (!question.isEmpty())
            dialogs.expect(question, yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        QTest::mousePress(cell(11), R);
        auto* menu = w->findChild<QMenu*>("Date_Color_Menu");
        QVERIFY(menu->isVisible());
        QCOMPARE(textColour(cell(11)), kMagenta);  // the preview
        if (row.item >= 0) menu->actions()[row.item]->trigger();
        menu->close();
        QTest::mouseRelease(cell(11), R);
        QCOMPARE(f->stored(key, "Color"), row.colourAfter);
        QCOMPARE(f->stored(key, "1"), row.withNotes ? QString("a") : kMissing);
        QCOMPARE(textColour(cell(11)), row.cellColour);
        QCOMPARE(f->stored("set", "DateColor"),
                 row.picked ? QString::number(row.picked) : kMissing);
        if (question.isEmpty()) return;
        const FakeDialogs::Shown& shown = dialogs.shown().last();
        const bool ok = question == kNoColour;
        QCOMPARE(shown.buttons, ok ? Dialogs::Buttons::Ok : Dialogs::Buttons::YesNo);
        QCOMPARE(shown.icon, ok ? Dialogs::Icon::None : Dialogs::Icon::Question);
        QCOMPARE(dialogs.beeps(), 1);
    }

    // A writer killed at any moment of a rewrite leaves one whole version of the section.
    void crashDuringRewriteKeepsOldOrNew() {
        const QString path = f->platform.locations.settingsFile();
        const QStringList versions[] = {{"a", "b", "c"}, {"x", "y"}};
        {
            SettingsStore store(path);
            DateSection::SaveDateNotes(store, kToday, versions[0], "255");
        }
        for (int round = 0; round < 5; ++round) {
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                SettingsStore store(path);
                for (int i = 0;; ++i)
                    DateSection::SaveDateNotes(store, kToday, versions[i % 2], "255");
            }
            QTest::qSleep(50 + 37 * round);
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            SettingsStore store(path);
            const QStringList notes = DateSection::LoadDateNotes(store, kToday);
            QVERIFY2(notes == versions[0] || notes == versions[1], qPrintable(notes.join(',')));
            QCOMPARE(store.get(kToday, QString::number(notes.size() + 1), kMissing), kMissing);
            QCOMPARE(store.get(kToday, "Color", ""), QString("255"));
        }
    }

    void todayView_data() {
        QTest::addColumn<QString>("lock");
        QTest::addColumn<QString>("title");
        QTest::newRow("unlocked") << "0"
                                  << "2026年 12月6日 今日の予定です！";
        QTest::newRow("locked") << "1"
                                << "LOCKされているためスケジュールを表示できません";
    }

    void todayView() {
        QFETCH(QString, lock);
        QFETCH(QString, title);
        f->seed("set", "LOCK", lock);
        for (const char* n : {"1", "2", "4", "5"}) f->seed(kToday, n, n);  // a gap at "3"
        QVERIFY(f->start());
        QPointer<TodayView> view = f->app->todayView();
        auto* list = control<QListWidget>(view, "ListView1");
        QCOMPARE(control<QLabel>(view, "Label1")->text(), title);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->isHidden(), lock == "1");
        control<QCheckBox>(view, "OPENCheck2")->click();
        QCOMPARE(f->stored("set", "OPENCheck"), QString("1"));  // at once, and the window stays
        for (int i = 0; i < 61; ++i) view->Timer1_Timer();
        QVERIFY(!view->isAnimating() && list->isEnabled());  // the timer stops at rest
        f->app->openSettings();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(view.isNull());
    }

    // Hovering over the list and the input box: their tips follow the help switch and the list.
    void hoverTips_data() {
        QTest::addColumn<int>("helpClicks");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("listTip");
        // clang-format off
        QTest::newRow("off") << 0 << "会議" << "";
        QTest::newRow("on, notes") << 1 << "会議" << "削除：項目を選択し Click";
        QTest::newRow("on, none") << 1 << "" << "スケジュールの表示：日付をClick  入力：日付をDBLClick";
        QTest::newRow("on, then off") << 2 << "会議" << "";
        // clang-format on
    }

    void hoverTips() {
        QFETCH(int, helpClicks);
        QFETCH(QString, note);
        if (!note.isEmpty()) f->seed(kToday, "1", note);
        open();
        for (int i = 0; i < helpClicks; ++i) c<QPushButton>("HELP")->click();
        auto* list = c<QListWidget>("lstShedule");
        auto* input = c<QLineEdit>("memoINtext");
        for (QWidget* hovered : {list->viewport(), static_cast<QWidget*>(input)}) {
            QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(hovered, &move);
        }
        QTEST(list->toolTip(), "listTip");
        const QString inputTip = kToday + "のスケジュールを入力し追加ボタンを押す";
        QCOMPARE(input->toolTip(), helpClicks == 1 ? inputTip : "");
    }

    // In twips: the image, the check box, the list's left, the title's top, the button's left.
    void todayViewAnimation() {
        TodayAnimation animation;
        QList<QList<int>> frames;
        for (TodayAnimation::Frame f{}; !f.atRest && frames.size() < 100;) {
            f = animation.step();
            frames << QList<int>{f.image.x(), f.image.y(), f.check.x(), f.check.y(),
                                 f.listLeft,  f.titleTop,  f.buttonLeft};
        }
        QCOMPARE(frames.size(), 61);
        QCOMPARE(frames[0], (QList<int>{-1320, -950, 6500, -847, 6366, 6340, -336}));
        QCOMPARE(frames[1], (QList<int>{-1186, -847, 6366, -746, 6233, 6206, -203}));
        QCOMPARE(frames[60], (QList<int>{4950, 1690, 230, 1673, 156, 70, 5874}));
    }
};

QTEST_MAIN(TestSchedule)
#include "tst_schedule.moc"
