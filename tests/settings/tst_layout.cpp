#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <memory>
#include <set>

#include "schedule/CalendarLayout.h"
#include "widgets/Fonts.h"
#include "settings/SettingsLayout.h"
#include "core/Twips.h"
#include "widgets/VersionPictures.h"

namespace {

// The controls below the tab control (button row and schedule input area), as a seventh "tab".
constexpr int kFrame = SettingsLayout::kTabCount;
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

void addPageRows() {
    QTest::addColumn<int>("tab");
    for (int tab = 0; tab < SettingsLayout::kTabCount; ++tab)
        QTest::newRow(qPrintable(SettingsLayout::tabCaptions()[tab])) << tab;
    QTest::newRow("below the tabs") << kFrame;
}

}  // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void tabCaptions() {
        QCOMPARE(SettingsLayout::tabCaptions(),
                 (QStringList{"tmp Delete(&T)", "時計表示設定(&H)", "ﾊﾞｰｼﾞｮﾝ情報(&V)",
                              "アラーム設定(&M)", "カスタム(&C)", "カレンダー(&K)"}));
        QVERIFY(SettingsLayout::page(-1).empty());
        QVERIFY(SettingsLayout::page(SettingsLayout::kTabCount).empty());
    }

    // Captions whose blanks, full-width letters or quotes an edit could lose, and the kinds of
    // controls that no page looks up.
    void texts_data();
    void texts() {
        QFETCH(int, tab);
        QFETCH(QString, name);
        QFETCH(QString, kind);
        const auto page = buildPage(tab);
        QWidget* control = page->findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name + " is missing"));
        QVERIFY2(control->inherits(qPrintable(kind)),
                 qPrintable(name + " is a " + control->metaObject()->className()));
        QTEST(captionOf(control), "caption");
        QTEST(control->toolTip(), "tooltip");
    }

    // Cells 1, 8 and 37 of the month grid: 480 x 240 twips apart from 360, 1320.
    void dateCells() {
        const auto page = buildPage(5);
        const QRect cells[] = {page->findChild<QWidget*>("dateCell(1)")->geometry(),
                               page->findChild<QWidget*>("dateCell(9)")->geometry(),
                               page->findChild<QWidget*>("dateCell(37)")->geometry()};
        QCOMPARE(cells[0], QRect(24, 88, 25, 17));
        QCOMPARE(cells[1], QRect(56, 104, 25, 17));
        QCOMPARE(cells[2], QRect(56, 168, 25, 17));
    }

    void noUnintendedOverlap_data() { addPageRows(); }
    void noUnintendedOverlap();
    void captionsFit_data() { addPageRows(); }
    void captionsFit();

    void dateColourMenu() {
        QWidget parent;
        QStringList items;
        for (const QAction* item : CalendarLayout::createDateColourMenu(&parent)->actions())
            items << item->objectName() + (item->isSeparator() ? "|-" : "|" + item->text());
        QCOMPARE(items, (QStringList{"dateColourAction|この色に変更", "chooseDateColourAction|色の設定", "dateColourSeparator|-",
                                     "defaultDateColourAction|表示色をデフォルトに戻す"}));
    }

    void pictures_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("logo's place") << QSize(256, 32);
        QTest::newRow("emblem's place") << QSize(80, 80);
        QTest::newRow("tall") << QSize(20, 300);
        QTest::newRow("tiny") << QSize(3, 2);
        QTest::newRow("empty") << QSize(0, 40);
    }
    // Something is drawn, opaque at the centre, in more than a few colours.
    void pictures() {
        QFETCH(QSize, size);
        for (const QPixmap& picture : {VersionPictures::logo(size), VersionPictures::emblem(size)}) {
            QCOMPARE(picture.isNull(), size.isEmpty());
            if (size.isEmpty()) continue;
            QCOMPARE(picture.size(), size);
            if (size.width() < 16 || size.height() < 16) continue;
            const QImage image = picture.toImage();
            std::set<QRgb> colours;
            for (int y = 0; y < image.height(); y += 2)
                for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
            QVERIFY(colours.size() > 8);
            QCOMPARE(qAlpha(image.pixel(size.width() / 2, size.height() / 2)), 255);
        }
    }
};

void TestLayout::texts_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    int tab = 0;
    auto row = [&tab](const QString& name, const char* kind, const QString& caption,
                      const QString& tooltip = {}) {
        QTest::newRow(qPrintable(name)) << tab << name << QString(kind) << caption << tooltip;
    };
    row("deleteTempFilesButton", "QPushButton", "tmpファイルを消去(&D)",
        "使用中のファイルは削除せず不要なものだけを削除します");
    tab = 1;
    row("exitControlsFrame", "QGroupBox", "");
    row("exitControlType(0)", "QRadioButton", "ボタンタイプ　（シングルクリックで実行）");
    row("exitControlsCheck", "QCheckBox", "Windowsの 再起動 及び 終了 ボタンの追加",
        "応答のないプログラムも安全に終了し再起動　又は　終了の処理を行います。");
    row("horizontalCaption", "QLabel", "横軸");
    tab = 2;
    row("productName", "QLabel", "ZORVEK Inc.TIME ");
    row("startWithSessionFrame", "QGroupBox", "Windowsの起動時に　ZORVEK Inc.TIMEを");
    tab = 3;
    const char* digits[] = {"１", "２", "３"};
    for (int k = 0; k < 3; ++k) {
        row(indexed("alarmOn", k), "QCheckBox", QStringLiteral("Alarm Time %1").arg(k + 1),
            QStringLiteral("チェックを入れるとアラーム %1 がＯＮになります").arg(digits[k]));
        row(indexed("alarmTimeCaption", k), "QLabel", " 時　　　 　分に");
        row(indexed("alarmMessageCaption", k), "QLabel", "メッセージ ：");
        row(indexed("alarmMessage", k), "QLineEdit", "",
            QStringLiteral("アラーム %1 の実行時に表示するメッセージを入力します").arg(digits[k]));
        row(indexed("alarmOnce", k), "QRadioButton", "一度だけ実行",
            "一度アラームがなるとアラーム設定がＯＦＦになります");
        row(indexed("alarmDaily", k), "QRadioButton", "毎日実行",
            "ソフト 及び システムの再起動を行っても設定時間に毎日アラームをならします");
    }
    tab = 4;
    row("clearRecentCheck", "QCheckBox", "”最近使ったファイル”の消去（ごみ箱には入りません）");
    row("powerHint", "QLabel",
        "応答のないプログラムも安全に終了し再起動　又は　終了の処理を行います。");
    tab = 5;  // help-mode tooltips are set at run time; at design only HELP has one
    const char* headers[][2] = {{"sundayHeading", "Sun"}, {"mondayHeading", "Mon"}, {"tuesdayHeading", "Tue"},
                                {"wednesdayHeading", "Wed"}, {"thursdayHeading", "Thu"}, {"fridayHeading", "Fri"},
                                {"saturdayHeading", "Sat"}};
    for (const auto& h : headers) row(h[0], "QLabel", h[1]);
    row("yearButton(0)", "QLabel", "≪");
    row("yearButton(2)", "QLabel", "■");
    for (int month = 1; month <= 12; ++month)
        row(indexed("monthButton", month), "QLabel", QString::number(month));
    row("lockButton", "QPushButton", "  LOCK");
    row("lockLamp", "QLineEdit", "");
    row("helpButton", "QPushButton", "  HELP", "ヘルプを表示");
    tab = kFrame;
    row("cancelButton", "QPushButton", "キャンセル");
    row("applyButton", "QPushButton", "適用(&A)");
    row("noteInputCaption", "QLabel", "スケジュール入力欄：");
    row("inputAreaLine", "QLabel", "");
}
// Every control lies within its container; on a page, below the rows of tab captions.
void TestLayout::noUnintendedOverlap() {
    QFETCH(int, tab);
    struct Allowed {
        QString under, over;  // an empty `over` admits anything lying wholly inside `under`
        bool inside;
    };
    QList<Allowed> allowed = {
        {"tempFilesPanel", {}, true},
        {"screenSizeLabel", "recommendedPlaceButton", true},
        {"monthPanel", {}, true},
        {"consolePanel", {}, true},
        {"helpButton", "helpLamp", true},
        {"lockButton", "lockLamp", true},
    };
    for (int k = 0; k < 3; ++k)  // the hour and minute boxes stand in the blanks of Label6
        for (const char* box : {"alarmHour", "alarmMinute"}) allowed.append({indexed("alarmTimeCaption", k), indexed(box, k), false});
    // Date cells are 255 twips high on a 240-twip pitch: each row's top pixel row lies on the
    // bottom of the row above.
    for (int i = 1; i + 7 <= 37; ++i)
        allowed.append({indexed("dateCell", i), indexed("dateCell", i + 7), false});
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

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
