#include "utilities/ClockDisplayLayout.h"

#include "widgets/LayoutTable.h"

namespace ClockDisplayLayout {

namespace {

using namespace LayoutTable;

// One control to a row, in the order the controls are created: a control created later lies on
// top of an earlier one.
// clang-format off

// Tab 1: the clock's exit buttons, its colours and its place on the screen.
std::vector<ControlDef> build() {
    static const QString exitTip =
        QStringLiteral("応答のないプログラムも安全に終了し再起動　又は　終了の処理を行います。");
    return {
        {"dateTimeSettingsButton", K::Button, "日付と時刻の修正", "", 4200, 840, 1815, 375, {}, kPoints},
        {"titleBarColoursCheck", K::CheckBox, "時計をタイトルバーと同じ色で表示", "", 360, 960, 3015, 210, {}, kPoints},
        // The check box stands on the frame's top edge as its heading; the two styles under it
        // apply only while it is ticked.
        spoken({"exitControlsFrame", K::Frame, "", "", 240, 1290, 5775, 900, {}, kPoints}, "終了ボタンの種類"),
        {"exitControlsCheck", K::CheckBox, "Windowsの 再起動 及び 終了 ボタンの追加", exitTip,
         120, 0, 3975, 210, "exitControlsFrame", kPoints},
        {"exitControlType(0)", K::Radio, "ボタンタイプ　（シングルクリックで実行）", "", 480, 330, 3615, 210, "exitControlsFrame", kPoints},
        {"exitControlType(1)", K::Radio, "アイコンタイプ　（ダブルクリックで実行）", "", 480, 600, 3615, 210, "exitControlsFrame", kPoints},
        {"positionFrame", K::Frame, "時計の表示位置", "", 240, 2280, 5775, 2295, {}, kPoints},
        {"keepInFrontCheck", K::CheckBox, "時計を常に手前に表示", "", 240, 240, 2055, 210, "positionFrame", kPoints},
        // A black strip under the recommended-position button.
        {"screenSizeLabel", K::Label, "", "", 240, 480, 5295, 375, "positionFrame", kPoints, false, G, kLime, kBlack},
        {"recommendedPlaceButton", K::Button, "推奨位置(&I)", "解像度に合った位置に移動", 4380, 510, 1125, 310, "positionFrame", kPoints},
        {"sliderFrame", K::Frame, "スライドバーで好みの位置へ", "", 240, 960, 5295, 1215, "positionFrame", kPoints},
        {"horizontalCaption", K::Label, "横軸", "", 360, 360, 360, 195, "sliderFrame", kPoints},
        spoken({"leftSlider", K::Slider, "", "", 840, 285, 4095, 375, "sliderFrame", kPoints}, "時計の横の位置"),
        {"verticalCaption", K::Label, "縦軸", "", 360, 840, 360, 195, "sliderFrame", kPoints},
        spoken({"topSlider", K::Slider, "", "", 840, 765, 4095, 375, "sliderFrame", kPoints}, "時計の縦の位置"),
    };
}

// clang-format on

}  // namespace

const std::vector<ControlDef>& controls() {
    static const std::vector<ControlDef> defs = build();
    return defs;
}

}  // namespace ClockDisplayLayout
