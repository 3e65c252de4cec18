#include "settings/SettingsLayout.h"

#include <array>

#include "alarms/AlarmLayout.h"
#include "schedule/CalendarLayout.h"
#include "utilities/ClockDisplayLayout.h"
#include "utilities/CustomLayout.h"
#include "utilities/TempFilesLayout.h"
#include "utilities/VersionLayout.h"
#include "widgets/LayoutTable.h"

namespace SettingsLayout {

namespace {

using namespace LayoutTable;

// clang-format off
std::vector<ControlDef> frameControls() {
    return {
        {"okButton", K::Button, "OK", "", 2040, 4800, 1335, 310, {}, kPoints},
        {"cancelButton", K::Button, "キャンセル", "", 3480, 4800, 1335, 310, {}, kPoints},
        {"applyButton", K::Button, "適用(&A)", "", 4920, 4800, 1335, 310, {}, kPoints},
        // An etched rule across the window: a dark line with a light one on the pixel row below.
        {"inputAreaLine", K::Label, "", "", 120, 5265, 6120, 15, {}, kPoints, false, G, kDefault, kGrey},
        {"inputAreaLineShade", K::Label, "", "", 120, 5280, 6120, 15, {}, kPoints, false, G, kDefault, kWhite},
        {"noteInputCaption", K::Label, "スケジュール入力欄：", "", 120, 5400, 1635, 195, {}, kPoints, false, G, kLightGrey},
        spoken({"noteInput", K::LineEdit, "", "", 1920, 5480, 4335, 270, {},
                kPoints, false, G, kLightGrey, kDarkGreen}, "スケジュール入力欄"),
        pressable(underlined({"scheduleColourLabel", K::Label, "Color Change", "", 360, 5640, 1230, 195, {},
                              kPoints, true, G, kYellow}), "スケジュールの表示色の変更"),
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
    static const std::array<const std::vector<ControlDef>*, kTabCount> pages = {
        &TempFilesLayout::controls(), &ClockDisplayLayout::controls(), &VersionLayout::controls(),
        &AlarmLayout::controls(),     &CustomLayout::controls(),       &CalendarLayout::controls(),
    };
    static const std::vector<ControlDef> none;
    return tab >= 0 && tab < kTabCount ? *pages[tab] : none;
}

const std::vector<ControlDef>& frame() {
    static const std::vector<ControlDef> defs = frameControls();
    return defs;
}

}  // namespace SettingsLayout
