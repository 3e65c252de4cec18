#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "AppFixture.h"
#include "core/DateSection.h"
#include "core/UiText.h"
#include "schedule/CalendarPage.h"
#include "schedule/TodayView.h"
#include "widgets/TextColour.h"

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

// One action on the 6th of the shown month, observed in the store: keys "1" to "5" and "Color",
// <missing> for none. Steps: "label" picks the schedule colour, "add" adds the text, "delete"
// deletes the row given as text, "menu" triggers the right-click menu's item given as text (-1:
// Escape). Messages in order, separated by "|"; a question ending in "?" is answered Yes.
struct DateAction {
    QStringList before;
    QString steps, text, messages;
    QStringList after;
    int month = 12;      // another month has no date selected
    int picked = 0;      // what the colour picker returns
    int cellColour = 0;  // 0: the stored colour, or the cell's own
};

}  // namespace

Q_DECLARE_METATYPE(Navigation)
Q_DECLARE_METATYPE(DateAction)

class TestSchedule : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<AppFixture> f;
    SettingsWindow* w = nullptr;

    template <typename T = QLabel>
    T* c(const QString& name) { return f->inSettings<T>(name); }
    QLabel* cell(int i) { return c(QString("dateCell(%1)").arg(i)); }
    void click(QWidget* label, Qt::MouseButton button = L) {
        QTest::mousePress(label, button);
        QTest::mouseRelease(label, button);
    }
    void open() {
        f->seed("set", "Tab", "5");
        QVERIFY((w = f->openSettings()));
    }

private slots:
    void init() {
        f = std::make_unique<AppFixture>();
        f->platform.clock.set(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    }
    void cleanup() { f.reset(); }

    // From a shown month, clicks on year, month and date labels; today (cell 8) has one note.
    void navigation_data() {
        QTest::addColumn<Navigation>("row");
        const QString none = kSelectDate, today = "2026/12/6";
        auto row = [](const char* name, const Navigation& n) { QTest::newRow(name) << n; };
        // clang-format off
        row("opening",            {2026, 12, "",             L, 2026, 12, 8, true, today});
        row("≪ left",             {2026, 12, "yearButton(0)",   L, 2025, 12, 0, false, none});
        row("≫ right",            {2026, 12, "yearButton(1)",   R, 2036, 12, 0, false, none});
        row("■ keeps the month",  {1990, 3,  "yearButton(2)",   L, 2026, 3,  0, false, none});
        row("■ back to today",    {1990, 12, "yearButton(2)",   L, 2026, 12, 8, true, today});
        row("stops at 100",       {105,  1,  "yearButton(0)",   R, 100,  1,  0, false, none});
        row("stops at 9999",      {9999, 12, "yearButton(1)",   L, 9999, 12, 0, false, none});
        row("back to this month", {2026, 1,  "monthButton(12)", L, 2026, 12, 8, true, today});
        row("today stops blink",  {2026, 12, "dateCell(10) dateCell(8)", L, 2026, 12, 8, false, today});
        row("another day blinks", {2026, 12, "dateCell(8) dateCell(10)", L, 2026, 12, 10, true, "2026/12/8"});
        row("other month's date", {2026, 11, "dateCell(10)",  L, 2026, 11, 10, false, "2026/11/10"});
        row("31 days from a Sat", {2022, 1,  "",             L, 2022, 1,  0, false, none, 7, 37});
        // clang-format on
    }

    void navigation() {
        QFETCH(Navigation, row);
        const QString longNote(60, u'会');  // wider than the list: its tooltip shows it all
        f->seed(kToday, "1", longNote);
        open();
        CalendarState& state = f->app->calendar();
        state.shownYear = row.fromYear;
        w->calendar().showMonthOf(row.fromMonth);
        for (const QString& label : row.clicks.split(' ', Qt::SkipEmptyParts))
            click(c(label), row.button);
        QCOMPARE(c("monthPanel")->text(), QString("%1年 %2月").arg(row.year).arg(row.month));
        QCOMPARE(state.selectedCell, row.selected);
        QCOMPARE(w->calendar().isBlinking(), row.blinking);
        QCOMPARE(c("selectedDateLabel")->text(), row.label1);
        QCOMPARE(c<QListWidget>("noteList")->count(), row.label1 == "2026/12/6" ? 1 : 0);
        if (row.label1 == "2026/12/6") QCOMPARE(c<QListWidget>("noteList")->item(0)->toolTip(), longNote);
        QCOMPARE(textColour(c(QString("monthButton(%1)").arg(row.month))), 0x00FF00);
        if (row.clicks.contains("dateCell")) QVERIFY(cell(row.selected)->font().bold());
        if (row.clicks.startsWith("yearButton")) QCOMPARE(textColour(c(row.clicks)), 0xC000C0);
        const bool bold = cell(8)->font().bold();
        w->calendar().blink();
        if (row.blinking) QCOMPARE(cell(8)->font().bold(), !bold);
        for (int i = 1; row.firstCell && i <= 37; ++i) {
            const bool used = i >= row.firstCell && i <= row.lastCell;
            QCOMPARE(!cell(i)->isHidden(), used);
            if (used) QCOMPARE(cell(i)->text(), QString::number(i - row.firstCell + 1));
        }
    }

    void dateActions_data() {
        QTest::addColumn<DateAction>("row");
        const QString odd = QString(10000, u'長') + QChar(0) + "\tタブ 😀";
        const QString _ = kMissing, full = "これ以上追加できません", del = "削除しますか？";
        const QString change = "スケジュールが入力されています\r\n表示色を変更しますか？";
        const QString reset = "スケジュールが入力されています\r\n表示色をデフォルトに戻しますか？";
        auto row = [](const char* name, const DateAction& a) { QTest::newRow(name) << a; };
        // clang-format off
        row("first note",    {{},                        "add", "new", "", {"new", _, _, _, _, "65535"}});
        row("sixth refused", {{"1", "2", "3", "4", "5", "255"}, "add", "6", full, {"1", "2", "3", "4", "5", "65535"}});
        row("odd long note", {{},                        "add", odd,   "", {odd, _, _, _, _, "65535"}});
        row("gap at key 3",  {{"a", "b", _, "d", _, "255"}, "add", "c", "", {"a", "b", "c", _, _, "65535"}});
        row("no date chosen", {{"二月"},                  "add", "x",   kSelectDate, {"二月", _, _, _, _, _}, 2});
        row("schedule colour", {{},                 "label add", "g",   "", {"g", _, _, _, _, "65280"}, 12, 0x00FF00});
        row("delete middle", {{"a", "b", "c", _, _, "255"}, "delete", "1", del + "?", {"a", "c", _, _, _, "255"}});
        row("delete last",   {{"a", _, _, _, _, "255"},    "delete", "0", del + "?", {_, _, _, _, _, _}});
        row("No keeps all",  {{"a", "b", _, _, _, "255"},  "delete", "0", del, {"a", "b", _, _, _, "255"}});
        row("junk colour",   {{"a", _, _, _, _, "abc"},    "delete", "0", del, {"a", _, _, _, _, "abc"}});
        row("change, no notes",   {{},                      "menu", "0", "",           {_, _, _, _, _, "16711935"}});
        row("change, notes, Yes", {{"a", _, _, _, _, "255"}, "menu", "0", change + "?", {"a", _, _, _, _, "16711935"}});
        row("change, notes, No",  {{"a", _, _, _, _, "255"}, "menu", "0", change,       {"a", _, _, _, _, "255"}});
        row("set colour",         {{},                      "menu", "1", "",           {_, _, _, _, _, "1193046"}, 12, 0x123456});
        row("set cancelled",      {{"a", _, _, _, _, "255"}, "menu", "1", kNoColour,    {"a", _, _, _, _, "255"}});
        row("default, Yes",       {{"a", _, _, _, _, "255"}, "menu", "3", reset + "?",  {"a", _, _, _, _, _}});
        row("default, No",        {{"a", _, _, _, _, "255"}, "menu", "3", reset,        {"a", _, _, _, _, "255"}});
        row("Escape",             {{"a", _, _, _, _, "255"}, "menu", "-1", "",          {"a", _, _, _, _, "255"}, 12, 0, kMagenta});
        // clang-format on
    }

    void dateActions() {
        QFETCH(DateAction, row);
        const QString key = QString("2026/%1/06").arg(row.month, 2, 10, QChar('0'));
        const QStringList keys = {"1", "2", "3", "4", "5", "Color"};
        for (int i = 0; i < row.before.size(); ++i)
            if (row.before[i] != kMissing) f->seed(key, keys[i], row.before[i]);
        open();
        w->calendar().showMonthOf(row.month);
        auto& dialogs = f->platform.dialogs;
        dialogs.colourAnswer = row.picked;
        for (QString text : row.messages.split('|', Qt::SkipEmptyParts)) {
            const bool yes = text.endsWith('?');
            if (yes) text.chop(1);
            const bool question = text.contains("ますか");
            dialogs.expect(text, yes        ? Dialogs::Answer::Yes
                                 : question ? Dialogs::Answer::No
                                            : Dialogs::Answer::Ok);
        }
        if (row.steps.contains("label")) click(c("scheduleColourLabel"));
        if (row.steps.contains("add")) {
            c<QLineEdit>("noteInput")->setText(row.text);
            c<QPushButton>("addNoteButton")->click();
        }
        if (row.steps == "delete") {
            c<QListWidget>("noteList")->setCurrentRow(row.text.toInt());
            c<QPushButton>("deleteNoteButton")->click();
            QVERIFY(!c<QPushButton>("deleteNoteButton")->isVisible());
        }
        if (row.steps == "menu") {
            QTest::mousePress(cell(8), R);
            auto* menu = w->findChild<QMenu*>("dateColourMenu");
            QVERIFY(menu->isVisible());
            QCOMPARE(textColour(cell(8)), kMagenta);  // the preview
            if (row.text != "-1") menu->actions()[row.text.toInt()]->trigger();
            menu->close();
            QTest::mouseRelease(cell(8), R);
        }
        QCOMPARE(dialogs.beeps(), int(dialogs.shown().size()));
        QStringList stored;
        for (const QString& k : keys) stored << f->stored(key, k);
        QCOMPARE(stored, row.after);
        const bool picked = row.steps == "menu" && row.picked;
        QCOMPARE(f->stored("set", "DateColor"), picked ? QString::number(row.picked) : kMissing);
        if (row.month != 12) {  // nothing was added; the typed note is kept
            QCOMPARE(c<QLineEdit>("noteInput")->text(), row.text);
            return;
        }
        QCOMPARE(c<QListWidget>("noteList")->count(),
                 5 - int(row.after.mid(0, 5).count(kMissing)));
        const int colour =
            row.cellColour ? row.cellColour : DateSection::toColour(row.after.last());
        QCOMPARE(textColour(cell(8)), colour ? colour : 0x8080FF);
        QVERIFY(cell(8)->font().bold());
    }

    // A note stored as bytes that are not UTF-8 is written back as it was when another note of
    // its date is added or deleted; a failed save leaves the list showing the store and the typed
    // note in its box.
    void notesKeepTheirBytes_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("hexAfter");  // keys 1 to 3
        QTest::newRow("add") << "add" << QStringList{"41FFFE42", "63", "62"};
        QTest::newRow("delete the other") << "delete" << QStringList{"41FFFE42", "", ""};
        QTest::newRow("failed add") << "full" << QStringList{"41FFFE42", "63", ""};
    }
    void notesKeepTheirBytes() {
        QFETCH(QString, step);
        QFETCH(QStringList, hexAfter);
        const QString path = f->platform.locations.settingsFile();
        f->seed(kToday, "2", "c");
        runSql(path, "INSERT INTO settings VALUES('2026/12/06', '1', CAST(X'41FFFE42' AS TEXT))");
        if (step == "full") failWrites(path);
        f->platform.dialogs.allowPrefix(UiText::saveFailed);
        open();
        auto* list = c<QListWidget>("noteList");
        QCOMPARE(list->item(0)->text(), QString("A\uFFFD\uFFFDB"));
        if (step == "delete") {
            f->platform.dialogs.expect("削除しますか？", Dialogs::Answer::Yes);
            list->setCurrentRow(1);
            c<QPushButton>("deleteNoteButton")->click();
        } else {
            c<QLineEdit>("noteInput")->setText("b");
            c<QPushButton>("addNoteButton")->click();
        }
        QStringList hex;
        for (const char* key : {"1", "2", "3"})
            hex << QString::fromLatin1(f->app->store().getBytes(kToday, key).value_or("").toHex().toUpper());
        QCOMPARE(hex, hexAfter);
        QCOMPARE(list->count(), 3 - hexAfter.count(QString()));
        QCOMPARE(c<QLineEdit>("noteInput")->text(), QString(step == "full" ? "b" : ""));
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
        f->seed(kToday, "2", QString(60, u'予'));
        QVERIFY(f->start());
        QPointer<TodayView> view = f->app->todayView();
        auto* list = control<QListWidget>(view, "greetingNotes");
        QCOMPARE(control<QLabel>(view, "greetingTitle")->text(), title);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->toolTip() + list->item(1)->toolTip(), QString(60, u'予'));
        QCOMPARE(list->isHidden(), lock == "1");
        control<QCheckBox>(view, "greetingDialogOffCheck")->click();
        QCOMPARE(f->stored("set", "OPENCheck"), QString("1"));  // at once, and the window stays
        for (int i = 0; i < 61; ++i) view->slideStep();
        QVERIFY(!view->isAnimating() && list->isEnabled());  // the timer stops at rest
        f->app->openSettings();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(view.isNull());
    }
};

QTEST_MAIN(TestSchedule)
#include "tst_schedule.moc"
