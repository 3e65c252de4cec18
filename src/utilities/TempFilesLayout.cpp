#include "utilities/TempFilesLayout.h"

#include "widgets/LayoutTable.h"

namespace TempFilesLayout {

namespace {

using namespace LayoutTable;

// One control to a row, in the order the controls are created: a control created later lies on
// top of an earlier one.
// clang-format off

// Tab 0: the *.tmp files of the temporary folder, listed on a black panel.
std::vector<ControlDef> build() {
    return {
        {"tempFilesPanel", K::Label, "", "", 120, 720, 6015, 3855, {}, kPoints, false, G, kWhite, kBlack},
        spoken({"tempFileList", K::List, "", "", 240, 1080, 2895, 3405, {}, kPoints, false, G, kLightGrey, kDarkGrey}, "検出した不要なファイル"),
        // Two lines tall: beside the list the caption cannot fit on one line.
        {"cleanupAtLoginCheck", K::CheckBox, "Windowsの起動時にtmpファイルを消去する。", "",
         3240, 3600, 2775, 495, {}, kPoints, false, G, kLightGrey, kBlack},
        {"deleteTempFilesButton", K::Button, "tmpファイルを消去(&D)", "使用中のファイルは削除せず不要なものだけを削除します",
         3180, 4170, 2925, 375, {}, kPoints},
    };
}

// clang-format on

}  // namespace

const std::vector<ControlDef>& controls() {
    static const std::vector<ControlDef> defs = build();
    return defs;
}

}  // namespace TempFilesLayout
