#include "settings/SettingsLayout.h"

#include <QAction>
#include <QMenu>
#include <array>
#include <utility>

namespace SettingsLayout {

namespace {

// The two labels that act as links are underlined.
ControlDef underlined(ControlDef def) {
    def.underline = true;
    return def;
}

using K = ControlDef::Kind;
constexpr ControlDef::Face G = ControlDef::Face::Gothic;
constexpr ControlDef::Face M = ControlDef::Face::Mincho;
constexpr double kPoints = 9;  // the window's own font size

// Colours as 0x00BBGGRR.
constexpr int kDefault = -1;
constexpr int kBlack = 0x000000;
constexpr int kWhite = 0xFFFFFF;
constexpr int kLightGrey = 0xE0E0E0;
constexpr int kDarkGrey = 0x404040;
constexpr int kGrey = 0x808080;
constexpr int kGreen = 0x00FF00;
constexpr int kRed = 0x0000FF;
constexpr int kYellow = 0x00FFFF;
constexpr int kDarkGreen = 0x004000;

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

// The tables below keep one control to a row, in the order the controls are created: a control
// created later lies on top of an earlier one.
// clang-format off

// Tab 0: the *.tmp files of the temporary folder, listed on a black panel.
std::vector<ControlDef> tempFilesPage() {
    return {
        {"tmpLabel", K::Label, "", "", 120, 720, 6015, 3855, {}, kPoints, false, G, kWhite, kBlack},
        {"File1", K::List, "", "", 240, 1080, 2895, 3405, {}, kPoints, false, G, kLightGrey, kDarkGrey},
        // Two lines tall: beside the list the caption cannot fit on one line.
        {"ZKTD_Check", K::CheckBox, "Windowsの起動時にtmpファイルを消去する。", "",
         3240, 3600, 2775, 495, {}, kPoints, false, G, kLightGrey, kBlack},
        {"DeleteT", K::Button, "tmpファイルを消去(&D)", "使用中のファイルは削除せず不要なものだけを削除します",
         3180, 4170, 2925, 375, {}, kPoints},
    };
}

// Tab 1: the clock's exit buttons, its colours and its place on the screen.
std::vector<ControlDef> clockDisplayPage() {
    static const QString exitTip =
        QStringLiteral("応答のないプログラムも安全に終了し再起動　又は　終了の処理を行います。");
    return {
        {"TIMEDATE", K::Button, "日付と時刻の修正", "", 4200, 840, 1815, 375, {}, kPoints},
        {"tokeiGCheck", K::CheckBox, "時計をタイトルバーと同じ色で表示", "", 360, 960, 3015, 210, {}, kPoints},
        // The check box stands on the frame's top edge as its heading; the two styles under it
        // apply only while it is ticked.
        {"Frame7", K::Frame, "", "", 240, 1290, 5775, 900, {}, kPoints},
        {"RQCheck", K::CheckBox, "Windowsの 再起動 及び 終了 ボタンの追加", exitTip,
         120, 0, 3975, 210, "Frame7", kPoints},
        {"button(0)", K::Radio, "ボタンタイプ　（シングルクリックで実行）", "", 480, 330, 3615, 210, "Frame7", kPoints},
        {"button(1)", K::Radio, "アイコンタイプ　（ダブルクリックで実行）", "", 480, 600, 3615, 210, "Frame7", kPoints},
        {"Frame8", K::Frame, "時計の表示位置", "", 240, 2280, 5775, 2295, {}, kPoints},
        {"TopmostCheck", K::CheckBox, "時計を常に手前に表示", "", 240, 240, 2055, 210, "Frame8", kPoints},
        // A black strip under the recommended-position button.
        {"sizelabel", K::Label, "", "", 240, 480, 5295, 375, "Frame8", kPoints, false, G, kGreen, kBlack},
        {"set", K::Button, "推奨位置(&I)", "解像度に合った位置に移動", 4380, 510, 1125, 310, "Frame8", kPoints},
        {"Frame6", K::Frame, "スライドバーで好みの位置へ", "", 240, 960, 5295, 1215, "Frame8", kPoints},
        {"Label2", K::Label, "横軸", "", 360, 360, 360, 195, "Frame6", kPoints},
        {"SliderX", K::Slider, "", "", 840, 285, 4095, 375, "Frame6", kPoints},
        {"Label3", K::Label, "縦軸", "", 360, 840, 360, 195, "Frame6", kPoints},
        {"SliderY", K::Slider, "", "", 840, 765, 4095, 375, "Frame6", kPoints},
    };
}

// Tab 2: name, pictures and version, and whether the clock starts with the desktop.
// Image1 takes the logo, Image2 the emblem.
std::vector<ControlDef> versionPage() {
    return {
        {"Image2", K::Picture, "", "", 480, 960, 1200, 1200, {}, kPoints},
        {"Label4", K::Label, "ZORVEK Inc.TIME ", "", 1920, 960, 3600, 330, {}, 14.25, true},
        {"lblVersion", K::Label, "", "", 1920, 1380, 2400, 210, {}, 9.75},
        {"Image1", K::Picture, "", "", 1920, 1680, 3840, 480, {}, kPoints},
        {"Label5", K::Label, "Copyright (C) ZORVEK Inc.  All rights reserved.", "",
         480, 2520, 5415, 210, {}, kPoints},
        {"Frame12", K::Frame, "Windowsの起動時に　ZORVEK Inc.TIMEを", "", 240, 3400, 5775, 680, {},
         kPoints, false, G, kRed, kBlack},
        {"Option2(0)", K::Radio, "実行する", "", 1440, 320, 1095, 210, "Frame12",
         kPoints, false, G, kRed, kBlack},
        {"Option2(1)", K::Radio, "実行しない", "", 3240, 320, 1215, 210, "Frame12",
         kPoints, false, G, kRed, kBlack},
        {"Quit", K::Button, "ZORVEK Inc.TIMEの終了(&Q)", "", 3180, 4170, 2925, 375, {}, kPoints},
    };
}

// Tab 3: three alarm slots, one frame each. The hour and minute boxes lie on Label6, whose
// blanks leave room for them: "[hour] 時 [minute] 分に".
std::vector<ControlDef> alarmPage() {
    static const std::array<QString, 3> digit = {"１", "２", "３"};
    std::vector<ControlDef> defs = {
        {"Label19", K::Label, "アラームの設定時刻は、２４時間表示で入力してください。", "", 360, 720, 4350, 195, {}, kPoints},
    };
    for (int k = 0; k < 3; ++k) {
        const QString frame = QStringLiteral("Frame%1").arg(3 + k);
        defs.insert(defs.end(), {
            {frame, K::Frame, "", "", 240, 1080 + 1200 * k, 5775, 975, {}, kPoints},
            {indexed("onoffCheck", k), K::CheckBox, QStringLiteral("Alarm Time %1").arg(k + 1),
             QStringLiteral("チェックを入れるとアラーム %1 がＯＮになります").arg(digit[k]),
             120, 0, 1575, 210, frame, kPoints, true},
            // The full-width blanks of this face are a whole em wide, which puts "分に" a little
            // past the minute box: the label is wider than its blanks alone would need, and the
            // two options stand further right.
            {indexed("Label6", k), K::Label, " 時　　　 　分に", "", 600, 360, 1380, 195, frame, kPoints},
            {indexed("Text2", 3 * k), K::LineEdit, "", "", 240, 240, 375, 270, frame, kPoints},
            {indexed("Text2", 3 * k + 1), K::LineEdit, "", "", 960, 240, 375, 270, frame, kPoints},
            {indexed("Label7", k), K::Label, "メッセージ ：", "", 360, 600, 930, 195, frame, kPoints},
            {indexed("Text2", 3 * k + 2), K::LineEdit, "",
             QStringLiteral("アラーム %1 の実行時に表示するメッセージを入力します").arg(digit[k]),
             1440, 600, 4215, 270, frame, kPoints},
            {indexed("dayOB", 2 * k), K::Radio, "一度だけ実行", "一度アラームがなるとアラーム設定がＯＦＦになります",
             2040, 360, 1455, 210, frame, kPoints},
            {indexed("dayOB", 2 * k + 1), K::Radio, "毎日実行",
             "ソフト 及び システムの再起動を行っても設定時間に毎日アラームをならします",
             3600, 360, 1095, 210, frame, kPoints},
        });
    }
    return defs;
}

// Tab 4: what a double click on the clock does; each frame is headed by its check box.
std::vector<ControlDef> customPage() {
    return {
        {"Label8", K::Label, "時計の部分をダブルクリックで実行させたい項目にチェックを入れてください。（複数選択可能）", "",
         240, 720, 5775, 390, {}, kPoints},
        {"Frame11", K::Frame, "", "", 240, 1200, 5775, 900, {}, kPoints},
        {"saikinCheck", K::CheckBox, "”最近使ったファイル”の消去（ごみ箱には入りません）", "",
         120, 0, 4500, 210, "Frame11", kPoints},
        {"saikin_button", K::Button, "今すぐ消去", "", 240, 330, 1335, 375, "Frame11", kPoints},
        {"Label20", K::Label, "このボタンを押すと”最近使ったファイル”を今すぐに消去することができます。", "",
         1800, 330, 3855, 390, "Frame11", kPoints},
        {"Frame1", K::Frame, "", "", 240, 2220, 5775, 1020, {}, kPoints},
        {"WinCheck", K::CheckBox, "Windowsの再起動 or 終了", "", 120, 0, 2535, 210, "Frame1", kPoints},
        {"boot(0)", K::Radio, "再起動", "", 480, 300, 1095, 210, "Frame1", kPoints},
        {"boot(1)", K::Radio, "終了", "", 1680, 300, 975, 210, "Frame1", kPoints},
        {"Label9", K::Label, "応答のないプログラムも安全に終了し再起動　又は　終了の処理を行います。", "",
         240, 600, 5415, 390, "Frame1", kPoints},
        {"Frame2", K::Frame, "", "", 240, 3360, 5775, 1095, {}, kPoints},
        {"kidouCheck", K::CheckBox, "アプリケーションの起動", "", 120, 0, 2175, 255, "Frame2", kPoints},
        {"Label10", K::Label, "アプリケーションのフルパスを入力 ：", "", 120, 360, 2760, 195, "Frame2", kPoints},
        {"sansyou_b", K::Button, "参照", "", 3000, 240, 2535, 350, "Frame2", kPoints},
        {"Text3", K::LineEdit, "", "", 240, 720, 5295, 270, "Frame2", kPoints},
    };
}

// Tab 5: the month grid on its black panel, the notes list below it and, on the right, a black
// console column with the password entry, the lock and help buttons and the input buttons.
std::vector<ControlDef> calendarPage() {
    constexpr int kHeaderText = 0xE0E0E0;
    constexpr int kYearText = 0xC000C0;
    constexpr int kMonthText = 0x008000;
    std::vector<ControlDef> defs = {
        // The two panels come first, so that everything on them lies on top.
        {"dateWIN", K::Label, "", "", 120, 720, 4575, 3855, {}, 14.25, true, G, kHeaderText, kBlack,
         Qt::AlignHCenter | Qt::AlignTop, true},
        {"Label21", K::Label, "", "", 4800, 720, 1335, 3855, {}, kPoints, false, G, kGreen, kBlack},
    };

    struct Header {
        const char* name;
        const char* caption;
        int left, width, colour;
    };
    // Each heading is centred over its column of cells.
    static constexpr Header headers[] = {
        {"Label15", "Sun", 345, 405, 0x0000FF},    {"Label14", "Mon", 810, 435, kHeaderText},
        {"Label13", "Tue", 1305, 405, kHeaderText}, {"Label12", "Wed", 1770, 435, kHeaderText},
        {"Label11", "Thu", 2265, 405, kHeaderText}, {"Label16", "Fri", 2790, 315, kHeaderText},
        {"Label17", "Sat", 3240, 375, 0xFF8080},
    };
    for (const Header& h : headers)
        defs.push_back({h.name, K::Label, h.caption, "", h.left, 1080, h.width, 195, {}, 9.75, true, G,
                         h.colour, kDefault, Qt::AlignCenter});

    // The cells carry their weekday colours until the grid is first filled.
    static constexpr int columnColours[7] = {0x8080FF, kWhite, kWhite, kWhite, kWhite, kWhite, 0xFFC0C0};
    for (int i = 1; i <= 37; ++i) {
        const int column = (i - 1) % 7, row = (i - 1) / 7;
        defs.push_back({indexed("cmdDate", i), K::Label, "", "",
                         360 + 480 * column, 1320 + 240 * row, 375, 255,
                         {}, 12, false, G, columnColours[column], kBlack, Qt::AlignCenter});
    }

    // The year and month buttons let their black frames show through, so that a frame's line
    // runs on unbroken above them.
    defs.push_back({"Frame10", K::Frame, "Year", "", 3720, 800, 855, 495, {},
                     kPoints, true, G, 0xFF00FF, kBlack});
    static constexpr std::pair<const char*, int> years[] = {{"≪", 120}, {"≫", 600}, {"■", 360}};
    for (int i = 0; i < 3; ++i)
        defs.push_back({indexed("cmdYear", i), K::Label, years[i].first, "", years[i].second, 240, 210, 180,
                         "Frame10", kPoints, true, G, kYearText, kDefault, Qt::AlignCenter});

    defs.push_back({"Frame9", K::Frame, "Month", "", 3720, 1320, 855, 1815, {},
                     kPoints, true, G, 0x00C000, kBlack});
    // Two columns of six. The two-digit months are one row's pitch high, so that neighbouring
    // cells do not overlap.
    static constexpr int rightColumn[7] = {0, 585, 585, 570, 480, 480, 465};  // months 7..12
    for (int month = 1; month <= 12; ++month) {
        const int row = (month - 1) % 6;
        const bool twoDigits = month >= 10;
        defs.push_back({indexed("cmdMonth", month), K::Label, QString::number(month), "",
                         month <= 6 ? 210 : rightColumn[month - 6], 240 + 240 * row,
                         twoDigits ? 360 : 150, twoDigits ? 240 : 225,
                         "Frame9", 11.25, true, M, kMonthText, kDefault, Qt::AlignCenter});
    }

    defs.insert(defs.end(), {
        // Wide enough for the prompt "日付を指定してください" and any date.
        {"Label1", K::Label, "", "", 240, 3000, 2250, 210, {}, 9.75, false, G, kWhite},
        {"lstShedule", K::List, "", "", 240, 3240, 4335, 960, {}, kPoints, false, G, kGreen, kBlack},
        // Shown over the top of the list only while a note is chosen.
        {"sakujoBotton", K::Button, "削除(&E)", "", 2520, 3000, 1095, 345, {}, kPoints},
        {"OPENCheck1", K::CheckBox, "起動時にスケジュールを表示しない", "", 240, 4290, 3255, 210, {},
         kPoints, false, G, kLightGrey, kBlack},
        {"pass", K::LineEdit, "", "", 4920, 1680, 1095, 270, {}, kPoints, false, G, kGreen, kBlack},
        // Two lines: "PassWord" over "Change".
        underlined({"Label22", K::Label, "PassWord Change", "", 4920, 2760, 1095, 390, {}, kPoints, true, G, kRed}),
        {"HELP", K::Button, "  HELP", "ヘルプを表示", 4825, 3160, 1280, 340, {}, kPoints},
        {"help_ran", K::Lamp, "", "", 5050, 3290, 150, 90, {}, kPoints, false, G, kDefault, kBlack},
        {"LOCK_B", K::Button, "  LOCK", "", 4825, 3510, 1280, 340, {}, kPoints},
        {"lock_ran", K::Lamp, "", "", 5050, 3630, 150, 90, {}, kPoints, false, G, kDefault, kBlack},
        {"tuikaButton", K::Button, "追加(&T)", "", 4825, 3850, 1280, 340, {}, kPoints},
        {"hei_Button", K::Button, "入力終了(&N)", "", 4825, 4200, 1280, 340, {}, kPoints},
    });
    return defs;
}

std::vector<ControlDef> frameControls() {
    return {
        {"OK", K::Button, "OK", "", 2040, 4800, 1335, 310, {}, kPoints},
        {"Cancel", K::Button, "キャンセル", "", 3480, 4800, 1335, 310, {}, kPoints},
        {"Save", K::Button, "適用(&A)", "", 4920, 4800, 1335, 310, {}, kPoints},
        // An etched rule across the window: a dark line with a light one on the pixel row below.
        {"Line1", K::Label, "", "", 120, 5265, 6120, 15, {}, kPoints, false, G, kDefault, kGrey},
        {"Line2", K::Label, "", "", 120, 5280, 6120, 15, {}, kPoints, false, G, kDefault, kWhite},
        {"Label18", K::Label, "スケジュール入力欄：", "", 120, 5400, 1635, 195, {}, kPoints, false, G, kLightGrey},
        {"memoINtext", K::LineEdit, "", "", 1920, 5480, 4335, 270, {},
         kPoints, false, G, kLightGrey, kDarkGreen},
        underlined({"Color_Change_label", K::Label, "Color Change", "", 360, 5640, 1230, 195, {},
                    kPoints, true, G, kYellow}),
    };
}

// clang-format on

}  // namespace

const QStringList& tabCaptions() {
    static const QStringList captions = {"tmp Delete(&T)",   "時計表示設定(&H)", "ﾊﾞｰｼﾞｮﾝ情報(&V)",
                                         "アラーム設定(&M)", "カスタム(&C)",     "カレンダー(&K)"};
    return captions;
}

const std::vector<ControlDef>& page(int tab) {
    static const std::array<std::vector<ControlDef>, kTabCount> pages = {
        tempFilesPage(), clockDisplayPage(), versionPage(),
        alarmPage(),     customPage(),       calendarPage(),
    };
    static const std::vector<ControlDef> none;
    return tab >= 0 && tab < kTabCount ? pages[tab] : none;
}

const std::vector<ControlDef>& frame() {
    static const std::vector<ControlDef> defs = frameControls();
    return defs;
}

QMenu* createDateColourMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName("Date_Color_Menu");
    menu->addAction("この色に変更")->setObjectName("Date_Color");
    menu->addAction("色の設定")->setObjectName("Date_Color_Change");
    menu->addSeparator()->setObjectName("sikiri");
    menu->addAction("表示色をデフォルトに戻す")->setObjectName("Date_Color_Default");
    return menu;
}

}  // namespace SettingsLayout
