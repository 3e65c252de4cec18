#include "schedule/CalendarLayout.h"

#include <QAction>
#include <QMenu>
#include <utility>

#include "widgets/LayoutTable.h"

namespace CalendarLayout {

namespace {

using namespace LayoutTable;

// One control to a row, in the order the controls are created: a control created later lies on
// top of an earlier one.
// clang-format off

// Tab 5: the month grid on its black panel, the notes list below it and, on the right, a black
// console column with the password entry, the lock and help buttons and the input buttons.
std::vector<ControlDef> build() {
    constexpr int kHeaderText = 0xE0E0E0;
    constexpr int kYearText = 0xC000C0;
    std::vector<ControlDef> defs = {
        // The two panels come first, so that everything on them lies on top.
        {"monthPanel", K::Label, "", "", 120, 720, 4575, 3855, {}, 14.25, true, G, kHeaderText, kBlack,
         Qt::AlignHCenter | Qt::AlignTop, true},
        {"consolePanel", K::Label, "", "", 4800, 720, 1335, 3855, {}, kPoints, false, G, kLime, kBlack},
    };

    struct Header {
        const char* name;
        const char* caption;
        int left, width, colour;
    };
    // Each heading is centred over its column of cells.
    static constexpr Header headers[] = {
        {"sundayHeading", "Sun", 345, 405, 0x0000FF},    {"mondayHeading", "Mon", 810, 435, kHeaderText},
        {"tuesdayHeading", "Tue", 1305, 405, kHeaderText}, {"wednesdayHeading", "Wed", 1770, 435, kHeaderText},
        {"thursdayHeading", "Thu", 2265, 405, kHeaderText}, {"fridayHeading", "Fri", 2790, 315, kHeaderText},
        {"saturdayHeading", "Sat", 3240, 375, 0xFF8080},
    };
    for (const Header& h : headers)
        defs.push_back({h.name, K::Label, h.caption, "", h.left, 1080, h.width, 195, {}, 9.75, true, G,
                         h.colour, kDefault, Qt::AlignCenter});

    // The cells carry their weekday colours until the grid is first filled.
    static constexpr int columnColours[7] = {0x8080FF, kWhite, kWhite, kWhite, kWhite, kWhite, 0xFFC0C0};
    for (int i = 1; i <= 37; ++i) {
        const int column = (i - 1) % 7, row = (i - 1) / 7;
        defs.push_back(pressable({indexed("dateCell", i), K::Label, "", "",
                         360 + 480 * column, 1320 + 240 * row, 375, 255,
                         {}, 12, false, G, columnColours[column], kBlack, Qt::AlignCenter}));
    }

    // The year and month buttons let their black frames show through, so that a frame's line
    // runs on unbroken above them.
    defs.push_back({"yearFrame", K::Frame, "Year", "", 3720, 800, 855, 495, {},
                     kPoints, true, G, 0xFF00FF, kBlack});
    struct Year { const char* caption; int left; const char* spoken; };
    static constexpr Year years[] = {{"≪", 120, "前の年（右クリックで10年前）"},
                                     {"≫", 600, "次の年（右クリックで10年後）"}, {"■", 360, "今年"}};
    for (int i = 0; i < 3; ++i)
        defs.push_back(pressable({indexed("yearButton", i), K::Label, years[i].caption, "", years[i].left, 240, 210, 180,
                         "yearFrame", kPoints, true, G, kYearText, kDefault, Qt::AlignCenter}, years[i].spoken));

    defs.push_back({"monthFrame", K::Frame, "Month", "", 3720, 1320, 855, 1815, {},
                     kPoints, true, G, 0x00C000, kBlack});
    // Two columns of six. The two-digit months are one row's pitch high, so that neighbouring
    // cells do not overlap.
    static constexpr int rightColumn[7] = {0, 585, 585, 570, 480, 480, 465};  // months 7..12
    for (int month = 1; month <= 12; ++month) {
        const int row = (month - 1) % 6;
        const bool twoDigits = month >= 10;
        defs.push_back(pressable({indexed("monthButton", month), K::Label, QString::number(month), "",
                         month <= 6 ? 210 : rightColumn[month - 6], 240 + 240 * row,
                         twoDigits ? 360 : 150, twoDigits ? 240 : 225,
                         "monthFrame", 11.25, true, M, kGreen, kDefault, Qt::AlignCenter},
                         QStringLiteral("%1月").arg(month)));
    }

    defs.insert(defs.end(), {
        // Wide enough for the prompt "日付を指定してください" and any date.
        {"selectedDateLabel", K::Label, "", "", 240, 3000, 2250, 210, {}, 9.75, false, G, kWhite},
        spoken({"noteList", K::List, "", "", 240, 3240, 4335, 960, {}, kPoints, false, G, kLime, kBlack}, "スケジュール一覧"),
        // Shown only while a note is chosen, just above the list, so that it covers no note.
        {"deleteNoteButton", K::Button, "削除(&E)", "", 2520, 2895, 1095, 345, {}, kPoints},
        {"greetingOffCheck", K::CheckBox, "起動時にスケジュールを表示しない", "", 240, 4290, 3255, 210, {},
         kPoints, false, G, kLightGrey, kBlack},
        spoken({"passwordEntry", K::LineEdit, "", "", 4920, 1680, 1095, 270, {}, kPoints, false, G, kLime, kBlack}, "パスワード"),
        // Two lines: "PassWord" over "Change".
        pressable(underlined({"passwordChangeLink", K::Label, "PassWord Change", "", 4920, 2760, 1095, 390, {}, kPoints, true, G, kRed}),
                  "パスワードの変更"),
        {"helpButton", K::Button, "  HELP", "ヘルプを表示", 4825, 3160, 1280, 340, {}, kPoints},
        spoken({"helpLamp", K::Lamp, "", "", 5050, 3290, 150, 90, {}, kPoints, false, G, kDefault, kBlack}, "ヘルプのランプ"),
        {"lockButton", K::Button, "  LOCK", "", 4825, 3510, 1280, 340, {}, kPoints},
        spoken({"lockLamp", K::Lamp, "", "", 5050, 3630, 150, 90, {}, kPoints, false, G, kDefault, kBlack}, "LOCKのランプ"),
        {"addNoteButton", K::Button, "追加(&T)", "", 4825, 3850, 1280, 340, {}, kPoints},
        {"endInputButton", K::Button, "入力終了(&N)", "", 4825, 4200, 1280, 340, {}, kPoints},
    });
    return defs;
}

// clang-format on

}  // namespace

const std::vector<ControlDef>& controls() {
    static const std::vector<ControlDef> defs = build();
    return defs;
}

QMenu* createDateColourMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName("dateColourMenu");
    menu->addAction("この色に変更")->setObjectName("dateColourAction");
    menu->addAction("色の設定")->setObjectName("chooseDateColourAction");
    menu->addSeparator()->setObjectName("dateColourSeparator");
    menu->addAction("表示色をデフォルトに戻す")->setObjectName("defaultDateColourAction");
    return menu;
}

}  // namespace CalendarLayout
