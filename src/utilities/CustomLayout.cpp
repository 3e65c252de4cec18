#include "utilities/CustomLayout.h"

#include "widgets/LayoutTable.h"

namespace CustomLayout {

namespace {

using namespace LayoutTable;

// One control to a row, in the order the controls are created: a control created later lies on
// top of an earlier one.
// clang-format off

// Tab 4: what a double click on the clock does; each frame is headed by its check box.
std::vector<ControlDef> build() {
    return {
        {"doubleClickHint", K::Label, "時計の部分をダブルクリックで実行させたい項目にチェックを入れてください。（複数選択可能）", "",
         240, 720, 5775, 390, {}, kPoints},
        {"recentFrame", K::Frame, "", "", 240, 1200, 5775, 900, {}, kPoints},
        {"clearRecentCheck", K::CheckBox, "”最近使ったファイル”の消去（ごみ箱には入りません）", "",
         120, 0, 4500, 210, "recentFrame", kPoints},
        {"clearRecentNowButton", K::Button, "今すぐ消去", "", 240, 330, 1335, 375, "recentFrame", kPoints},
        {"clearRecentNowHint", K::Label, "このボタンを押すと”最近使ったファイル”を今すぐに消去することができます。", "",
         1800, 330, 3855, 390, "recentFrame", kPoints},
        spoken({"powerFrame", K::Frame, "", "", 240, 2220, 5775, 1020, {}, kPoints}, "再起動または終了"),
        {"powerCheck", K::CheckBox, "Windowsの再起動 or 終了", "", 120, 0, 2535, 210, "powerFrame", kPoints},
        {"powerChoice(0)", K::Radio, "再起動", "", 480, 300, 1095, 210, "powerFrame", kPoints},
        {"powerChoice(1)", K::Radio, "終了", "", 1680, 300, 975, 210, "powerFrame", kPoints},
        {"powerHint", K::Label, "応答のないプログラムも安全に終了し再起動　又は　終了の処理を行います。", "",
         240, 600, 5415, 390, "powerFrame", kPoints},
        {"launchFrame", K::Frame, "", "", 240, 3360, 5775, 1095, {}, kPoints},
        {"launchCheck", K::CheckBox, "アプリケーションの起動", "", 120, 0, 2175, 255, "launchFrame", kPoints},
        {"launchCaption", K::Label, "アプリケーションのフルパスを入力 ：", "", 120, 360, 2760, 195, "launchFrame", kPoints},
        {"browseButton", K::Button, "参照", "", 3000, 240, 2535, 350, "launchFrame", kPoints},
        spoken({"launchCommandBox", K::LineEdit, "", "", 240, 720, 5295, 270, "launchFrame", kPoints}, "実行するファイルのフルパス"),
    };
}

// clang-format on

}  // namespace

const std::vector<ControlDef>& controls() {
    static const std::vector<ControlDef> defs = build();
    return defs;
}

}  // namespace CustomLayout
