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

// clang-format on

}  // namespace

const std::vector<ControlDef>& controls() {
    static const std::vector<ControlDef> defs = build();
    return defs;
}

}  // namespace CustomLayout
