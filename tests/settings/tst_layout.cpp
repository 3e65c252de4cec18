#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <memory>
#include <set>

#include "settings/Fonts.h"
#include "schedule/CalendarLayout.h"
#include "settings/SettingsLayout.h"
#include "settings/Twips.h"
#include "settings/VersionPictures.h"

namespace {

// The controls below the tab control (button row and schedule input area), as a seventh "tab".
constexpr int kFrame = SettingsLayout::kTabCount;
constexpr int kHeaderTwips = 700;      // the two rows of tab captions
constexpr int kExpandedClient = 5910;  // outer height 6285 less the title bar and border

// One page as the window shows it; the frame controls on the expanded window's client area.
std::unique_ptr<QWidget> buildPage(int tab) {
    auto page = std::make_unique<QWidget>();
    page->setFont(Fonts::gothic(9));
    if (tab == kFrame) {
        page->resize(px(SettingsLayout::kWindowWidth), px(kExpandedClient));
        buildControls(page.get(), SettingsLayout::frame());
    } else {
        page->resize(px(SettingsLayout::kTabWidth), px(SettingsLayout::kTabHeight));
        buildControls(page.get(), SettingsLayout::page(tab));
    }
    return page;
}

// The named controls of a page, in creation order, leaving out Qt's own inner widgets.
QList<QWidget*> controlsOf(QWidget* page) {
    QList<QWidget*> controls;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) controls << w;
    }
    return controls;
}

QString captionOf(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(w)) return frame->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
    return {};
}

QRect rectIn(const QWidget* w, const QWidget* page) {
    return {w->mapTo(page, QPoint(0, 0)), w->size()};
}

// Whether `over` is drawn above `under`: the later-created of their branches under the lowest
// common ancestor lies on top.
bool stackedAbove(QWidget* over, QWidget* under, QWidget* page) {
    auto chain = [page](QWidget* w) {
        QList<QWidget*> c;
        for (; w && w != page; w = w->parentWidget()) c.prepend(w);
        return c;
    };
    const QList<QWidget*> a = chain(over), b = chain(under);
    int i = 0;
    while (a[i] == b[i]) ++i;
    const QObjectList& siblings = a[i]->parentWidget()->children();
    return siblings.indexOf(a[i]) > siblings.indexOf(b[i]);
}

QString indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(name).arg(i); }

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT
private:
    static void addTextColumns() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
    }
    static void row(const QString& name, const char* kind, const QString& caption,
                    const QString& tooltip = {}) {
        QTest::newRow(qPrintable(name)) << name << QString(kind) << caption << tooltip;
    }
    void checkTexts(int tab);
    static void addPageRows();

private slots:
    void tabCaptions();
    void tmpDeleteTexts_data();
    void tmpDeleteTexts() { checkTexts(0); }
    void clockDisplayTexts_data();
    void clockDisplayTexts() { checkTexts(1); }
    void versionTexts_data();
    void versionTexts() { checkTexts(2); }
    void alarmTexts_data();
    void alarmTexts() { checkTexts(3); }
    void customTexts_data();
    void customTexts() { checkTexts(4); }
    void calendarTexts_data();
    void calendarTexts() { checkTexts(5); }
    void frameTexts_data();
    void frameTexts() { checkTexts(kFrame); }

    void arrays_data();
    void arrays();
    void optionGroups_data();
    void optionGroups();
    void dateCellsFollowTheGrid();

    void noUnintendedOverlap_data() { addPageRows(); }
    void noUnintendedOverlap();
    void captionsFit_data() { addPageRows(); }
    void captionsFit();

    void dateColourMenu();
    void pictures_data();
    void pictures();
};

void TestLayout::tabCaptions() {
    const QStringList expected = {"tmp Delete(&T)",   "時計表示設定(&H)", "ﾊﾞｰｼﾞｮﾝ情報(&V)",
                                  "アラーム設定(&M)", "カスタム(&C)",     "カレンダー(&K)"};
    QCOMPARE(SettingsLayout::tabCaptions(), expected);
    QVERIFY(SettingsLayout::page(-1).empty());
    QVERIFY(SettingsLayout::page(SettingsLayout::kTabCount).empty());
}

void TestLayout::checkTexts(int tab) {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    const auto page = buildPage(tab);
    QWidget* control = page->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name + " is missing"));
    QVERIFY2(control->inherits(qPrintable(kind)),
             qPrintable(name + " is a " + control->metaObject()->className()));
    QCOMPARE(captionOf(control), caption);
    QCOMPARE(control->toolTip(), tooltip);
}

void TestLayout::tmpDeleteTexts_data() {
    addTextColumns();
    row("tmpLabel", "QLabel", "");
    row("File1", "QListWidget", "");
    row("DeleteT", "QPushButton", "tmpファイルを消去(&D)",
        "使用中のファイルは削除せず不要なものだけを削除します");
    row("ZKTD_Check", "QCheckBox", "Windowsの起動時にtmpファイルを消去する。");
}

void TestLayout::clockDisplayTexts_data() {
    addTextColumns();
    row("TIMEDATE", "QPushButton", "日付と時刻の修正");
    row("tokeiGCheck", "QCheckBox", "時計をタイトルバーと同じ色で表示");
    row("Frame7", "QGroupBox", "");
    row("button(0)", "QRadioButton", "ボタンタイプ　（シングルクリックで実行）");
    row("button(1)", "QRadioButton", "アイコンタイプ　（ダブルクリックで実行）");
    row("RQCheck", "QCheckBox", "Windowsの 再起動 及び 終了 ボタンの追加",
        "応答のないプログラムも安全に終了し再起動　又は　終了の処理を行います。");
    row("Frame8", "QGroupBox", "時計の表示位置");
    row("Frame6", "QGroupBox", "スライドバーで好みの位置へ");
    row("SliderX", "QSlider", "");
    row("SliderY", "QSlider", "");
    row("Label2", "QLabel", "横軸");
    row("Label3", "QLabel", "縦軸");
    row("set", "QPushButton", "推奨位置(&I)", "解像度に合った位置に移動");
    row("TopmostCheck", "QCheckBox", "時計を常に手前に表示");
    row("sizelabel", "QLabel", "");
}

void TestLayout::versionTexts_data() {
    addTextColumns();
    row("Label4", "QLabel", "ZORVEK Inc.TIME ");
    row("Image1", "QLabel", "");
    row("Image2", "QLabel", "");
    row("lblVersion", "QLabel", "");
    row("Frame12", "QGroupBox", "Windowsの起動時に　ZORVEK Inc.TIMEを");
    row("Option2(0)", "QRadioButton", "実行する");
    row("Option2(1)", "QRadioButton", "実行しない");
    row("Quit", "QPushButton", "ZORVEK Inc.TIMEの終了(&Q)");
}

void TestLayout::alarmTexts_data() {
    addTextColumns();
    row("Label19", "QLabel", "アラームの設定時刻は、２４時間表示で入力してください。");
    const QString once = "一度アラームがなるとアラーム設定がＯＦＦになります";
    const QString daily =
        "ソフト 及び システムの再起動を行っても設定時間に毎日アラームをならします";
    const QString onTips[3] = {"チェックを入れるとアラーム １ がＯＮになります",
                               "チェックを入れるとアラーム ２ がＯＮになります",
                               "チェックを入れるとアラーム ３ がＯＮになります"};
    const QString messageTips[3] = {"アラーム １ の実行時に表示するメッセージを入力します",
                                    "アラーム ２ の実行時に表示するメッセージを入力します",
                                    "アラーム ３ の実行時に表示するメッセージを入力します"};
    const QString onCaptions[3] = {"Alarm Time 1", "Alarm Time 2", "Alarm Time 3"};
    for (int k = 0; k < 3; ++k) {
        row(QStringLiteral("Frame%1").arg(3 + k), "QGroupBox", "");
        row(indexed("onoffCheck", k), "QCheckBox", onCaptions[k], onTips[k]);
        row(indexed("Text2", 3 * k), "QLineEdit", "");
        row(indexed("Text2", 3 * k + 1), "QLineEdit", "");
        row(indexed("Label6", k), "QLabel", " 時　　　 　分に");
        row(indexed("Label7", k), "QLabel", "メッセージ ：");
        row(indexed("Text2", 3 * k + 2), "QLineEdit", "", messageTips[k]);
        row(indexed("dayOB", 2 * k), "QRadioButton", "一度だけ実行", once);
        row(indexed("dayOB", 2 * k + 1), "QRadioButton", "毎日実行", daily);
    }
}

void TestLayout::customTexts_data() {
    addTextColumns();
    row("Label8", "QLabel",
        "時計の部分をダブルクリックで実行させたい項目にチェックを入れてください。（複数選択可能）");
    row("Frame11", "QGroupBox", "");
    row("saikinCheck", "QCheckBox", "”最近使ったファイル”の消去（ごみ箱には入りません）");
    row("saikin_button", "QPushButton", "今すぐ消去");
    row("Label20", "QLabel",
        "このボタンを押すと”最近使ったファイル”を今すぐに消去することができます。");
    row("Frame2", "QGroupBox", "");
    row("kidouCheck", "QCheckBox", "アプリケーションの起動");
    row("Label10", "QLabel", "アプリケーションのフルパスを入力 ：");
    row("Text3", "QLineEdit", "");
    row("sansyou_b", "QPushButton", "参照");
    row("Frame1", "QGroupBox", "");
    row("WinCheck", "QCheckBox", "Windowsの再起動 or 終了");
    row("boot(0)", "QRadioButton", "再起動");
    row("boot(1)", "QRadioButton", "終了");
    row("Label9", "QLabel",
        "応答のないプログラムも安全に終了し再起動　又は　終了の処理を行います。");
}

// Help-mode tooltips are set at run time; at design only HELP has one.
void TestLayout::calendarTexts_data() {
    addTextColumns();
    row("dateWIN", "QLabel", "");
    const char* headers[][2] = {{"Label15", "Sun"}, {"Label14", "Mon"}, {"Label13", "Tue"},
                                {"Label12", "Wed"}, {"Label11", "Thu"}, {"Label16", "Fri"},
                                {"Label17", "Sat"}};
    for (const auto& h : headers) row(h[0], "QLabel", h[1]);
    for (int i = 1; i <= 37; ++i) row(indexed("cmdDate", i), "QLabel", "");
    row("Label1", "QLabel", "");
    row("Frame10", "QGroupBox", "Year");
    row("cmdYear(0)", "QLabel", "≪");
    row("cmdYear(1)", "QLabel", "≫");
    row("cmdYear(2)", "QLabel", "■");
    row("Frame9", "QGroupBox", "Month");
    for (int month = 1; month <= 12; ++month)
        row(indexed("cmdMonth", month), "QLabel", QString::number(month));
    row("lstShedule", "QListWidget", "");
    row("sakujoBotton", "QPushButton", "削除(&E)");
    row("tuikaButton", "QPushButton", "追加(&T)");
    row("hei_Button", "QPushButton", "入力終了(&N)");
    row("OPENCheck1", "QCheckBox", "起動時にスケジュールを表示しない");
    row("Label22", "QLabel", "PassWord Change");
    row("LOCK_B", "QPushButton", "  LOCK");
    row("lock_ran", "QLineEdit", "");
    row("pass", "QLineEdit", "");
    row("Label21", "QLabel", "");
    row("HELP", "QPushButton", "  HELP", "ヘルプを表示");
    row("help_ran", "QLineEdit", "");
}

void TestLayout::frameTexts_data() {
    addTextColumns();
    row("OK", "QPushButton", "OK");
    row("Cancel", "QPushButton", "キャンセル");
    row("Save", "QPushButton", "適用(&A)");
    row("Label18", "QLabel", "スケジュール入力欄：");
    row("memoINtext", "QLineEdit", "");
    row("Color_Change_label", "QLabel", "Color Change");
    row("Line1", "QWidget", "");
    row("Line2", "QWidget", "");
}

void TestLayout::arrays_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("base");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("cmdDate") << 5 << "cmdDate" << 1 << 37;
    QTest::newRow("cmdMonth") << 5 << "cmdMonth" << 1 << 12;
    QTest::newRow("cmdYear") << 5 << "cmdYear" << 0 << 2;
    QTest::newRow("Text2") << 3 << "Text2" << 0 << 8;
    QTest::newRow("dayOB") << 3 << "dayOB" << 0 << 5;
    QTest::newRow("onoffCheck") << 3 << "onoffCheck" << 0 << 2;
    QTest::newRow("Label6") << 3 << "Label6" << 0 << 2;
    QTest::newRow("Label7") << 3 << "Label7" << 0 << 2;
    QTest::newRow("button") << 1 << "button" << 0 << 1;
    QTest::newRow("Option2") << 2 << "Option2" << 0 << 1;
    QTest::newRow("boot") << 4 << "boot" << 0 << 1;
}

void TestLayout::arrays() {
    QFETCH(int, tab);
    QFETCH(QString, base);
    QFETCH(int, first);
    QFETCH(int, last);
    const auto page = buildPage(tab);
    int members = 0;
    for (QWidget* w : controlsOf(page.get())) members += w->objectName().startsWith(base + "(");
    QCOMPARE(members, last - first + 1);
    for (int i = first; i <= last; ++i)
        QVERIFY2(page->findChild<QWidget*>(indexed(qPrintable(base), i)),
                 qPrintable(indexed(qPrintable(base), i)));
}

// The pages share one window, where a control is found by its name alone.
void TestLayout::optionGroups_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("exclusive");
    auto row = [](const char* what, int tab, const char* a, const char* b, bool exclusive) {
        QTest::newRow(what) << tab << QString(a) << QString(b) << exclusive;
    };
    row("alarm 1 once/daily", 3, "dayOB(0)", "dayOB(1)", true);
    row("alarm 3 once/daily", 3, "dayOB(4)", "dayOB(5)", true);
    row("alarm 1 daily, alarm 2 once", 3, "dayOB(1)", "dayOB(2)", false);
    row("alarm 2 once, alarm 3 once", 3, "dayOB(2)", "dayOB(4)", false);
    row("button types", 1, "button(0)", "button(1)", true);
    row("start with desktop", 2, "Option2(0)", "Option2(1)", true);
    row("restart or exit", 4, "boot(0)", "boot(1)", true);
}

void TestLayout::optionGroups() {
    QFETCH(int, tab);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, exclusive);
    const auto page = buildPage(tab);
    auto* a = page->findChild<QRadioButton*>(first);
    auto* b = page->findChild<QRadioButton*>(second);
    QVERIFY(a && b);
    a->setChecked(true);
    b->setChecked(true);
    QCOMPARE(a->isChecked(), !exclusive);
    QVERIFY(b->isChecked());
}

// Cell i: column (i − 1) mod 7 from left 360, row (i − 1) div 7 from top 1320, 480 × 240 apart.
void TestLayout::dateCellsFollowTheGrid() {
    const auto page = buildPage(5);
    for (int i = 1; i <= 37; ++i) {
        QWidget* cell = page->findChild<QWidget*>(indexed("cmdDate", i));
        QVERIFY(cell);
        QCOMPARE(cell->parentWidget(), page.get());
        const QRect expected(qRound((360 + 480 * ((i - 1) % 7)) / 15.0),
                             qRound((1320 + 240 * ((i - 1) / 7)) / 15.0), 25, 17);
        QCOMPARE(cell->geometry(), expected);
    }
    QCOMPARE(page->findChild<QWidget*>("cmdDate(37)")->geometry().topLeft(), QPoint(56, 168));
}

// Places other parts of the program rely on, in twips relative to the control's container.
void TestLayout::addPageRows() {
    QTest::addColumn<int>("tab");
    for (int tab = 0; tab < SettingsLayout::kTabCount; ++tab)
        QTest::newRow(qPrintable(SettingsLayout::tabCaptions()[tab])) << tab;
    QTest::newRow("below the tabs") << kFrame;
}

// Every control lies within its container; on a page, below the rows of tab captions.
void TestLayout::noUnintendedOverlap() {
    QFETCH(int, tab);
    struct Allowed {
        QString under, over;  // an empty `over` admits anything lying wholly inside `under`
        bool inside;
    };
    QList<Allowed> allowed = {
        {"tmpLabel", {}, true},
        {"sizelabel", "set", true},
        {"dateWIN", {}, true},
        {"Label21", {}, true},
        {"HELP", "help_ran", true},
        {"LOCK_B", "lock_ran", true},
        {"lstShedule", "sakujoBotton", false},
        {"Label6(0)", "Text2(0)", false},
        {"Label6(0)", "Text2(1)", false},
        {"Label6(1)", "Text2(3)", false},
        {"Label6(1)", "Text2(4)", false},
        {"Label6(2)", "Text2(6)", false},
        {"Label6(2)", "Text2(7)", false},
    };
    // Date cells are 255 twips high on a 240-twip pitch: each row's top pixel row lies on the
    // bottom of the row above.
    for (int i = 1; i + 7 <= 37; ++i)
        allowed.append({indexed("cmdDate", i), indexed("cmdDate", i + 7), false});
    const auto page = buildPage(tab);
    const QList<QWidget*> controls = controlsOf(page.get());
    int overlaps = 0;
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls[i];
            QWidget* b = controls[j];
            const QRect ra = rectIn(a, page.get()), rb = rectIn(b, page.get());
            if (!ra.intersects(rb) || a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
            const QString pair = a->objectName() + " / " + b->objectName();
            const Allowed* rule = nullptr;
            QWidget *under = nullptr, *over = nullptr;
            for (const Allowed& r : allowed) {
                for (auto [u, o] : {std::pair{a, b}, std::pair{b, a}}) {
                    if (r.under == u->objectName() &&
                        (r.over.isEmpty() || r.over == o->objectName())) {
                        rule = &r;
                        under = u;
                        over = o;
                    }
                }
            }
            QVERIFY2(rule, qPrintable("overlap: " + pair));
            QVERIFY2(stackedAbove(over, under, page.get()), qPrintable("stacked wrongly: " + pair));
            if (rule->inside)
                QVERIFY2(rectIn(under, page.get()).contains(rectIn(over, page.get())),
                         qPrintable("not wholly inside: " + pair));
            ++overlaps;
        }
    }
    if (tab == 5) QVERIFY(overlaps > 60);  // the panels do carry the grid and the console column
}

// Each caption fits its control at the control's own font; run-time captions are not checked.
void TestLayout::captionsFit() {
    QFETCH(int, tab);
    const auto page = buildPage(tab);
    for (QWidget* control : controlsOf(page.get())) {
        const QString name = control->objectName();
        const QFontMetrics fm(control->font());
        const QString caption = captionOf(control).remove('&');
        const int w = control->width(), h = control->height();
        const bool wraps = control->property("wordWrap").toBool();
        int textWidth = w;
        if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control)) {
            const bool radio = qobject_cast<QRadioButton*>(control);
            QStyle* style = control->style();
            textWidth -= style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth
                                                  : QStyle::PM_IndicatorWidth) +
                         style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing
                                                  : QStyle::PM_CheckBoxLabelSpacing);
            QVERIFY2(h >= style->pixelMetric(QStyle::PM_IndicatorHeight), qPrintable(name));
        } else if (qobject_cast<QPushButton*>(control)) {
            textWidth -= 8;
        } else if (qobject_cast<QGroupBox*>(control)) {
            textWidth -= 10;  // the title's indent and padding
        } else if (auto* edit = qobject_cast<QLineEdit*>(control); edit && !edit->isReadOnly()) {
            QVERIFY2(h >= fm.height() + 4, qPrintable(name));
        }
        if (caption.isEmpty() || qobject_cast<QLineEdit*>(control)) continue;
        if (wraps) {
            const QRect needed =
                fm.boundingRect(QRect(0, 0, textWidth, 10000), Qt::TextWordWrap, caption);
            QVERIFY2(
                needed.height() <= h + 1,
                qPrintable(QStringLiteral("%1 needs %2 px height").arg(name).arg(needed.height())));
        } else {
            QVERIFY2(fm.horizontalAdvance(caption) <= textWidth,
                     qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                    .arg(name)
                                    .arg(fm.horizontalAdvance(caption))
                                    .arg(textWidth)));
            if (qobject_cast<QLabel*>(control))
                QVERIFY2(fm.height() <= h + 1, qPrintable(name + " is too low for its font"));
        }
    }
}

void TestLayout::dateColourMenu() {
    QWidget parent;
    QMenu* menu = CalendarLayout::createDateColourMenu(&parent);
    QCOMPARE(menu->objectName(), QString("Date_Color_Menu"));
    QCOMPARE(menu->parentWidget(), &parent);
    const QList<QAction*> items = menu->actions();
    QCOMPARE(items.size(), 4);
    const char* names[] = {"Date_Color", "Date_Color_Change", "sikiri", "Date_Color_Default"};
    const QStringList texts = {"この色に変更", "色の設定", "", "表示色をデフォルトに戻す"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(items[i]->objectName(), QString(names[i]));
        QCOMPARE(items[i]->isSeparator(), i == 2);
        if (i != 2) QCOMPARE(items[i]->text(), texts[i]);
    }
    QVERIFY(!menu->isVisible());
}

void TestLayout::pictures_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("logo's place") << QSize(256, 32);
    QTest::newRow("emblem's place") << QSize(80, 80);
    QTest::newRow("tall") << QSize(20, 300);
    QTest::newRow("tiny") << QSize(3, 2);
    QTest::newRow("empty") << QSize(0, 40);
}

void TestLayout::pictures() {
    QFETCH(QSize, size);
    for (const QPixmap& picture : {VersionPictures::logo(size), VersionPictures::emblem(size)}) {
        if (size.isEmpty()) {
            QVERIFY(picture.isNull());
            continue;
        }
        QCOMPARE(picture.size(), size);
        if (size.width() < 16 || size.height() < 16) continue;
        // Something is drawn: more than one colour, and not all of it transparent.
        const QImage image = picture.toImage();
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
        QVERIFY(colours.size() > 8);
        QVERIFY(qAlpha(image.pixel(size.width() / 2, size.height() / 2)) == 255);
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
