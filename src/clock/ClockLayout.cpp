#include "clock/ClockLayout.h"

namespace ClockLayout {

const std::vector<ControlDef>& controls() {
    using K = ControlDef::Kind;
    static const QString dateTip = QStringLiteral(
        "シングルクリックで曜日　ダブルクリックで設定画面　右クリックで１０秒非表示");
    static const std::vector<ControlDef> defs = {
        {"RLabel", K::Label, "R", "Windowsの再起動", 2310, 30, 150, 195, {}, 9.75, true},
        {"QLabel", K::Label, "Q", "Windowsの終了", 2570, 30, 165, 195, {}, 9.75, true},
        {"Label1", K::Label, "     ZORVEK", dateTip, 40, 25, 1215, 255, {}, 9.75, true},
        {"Label2", K::Label, "Inc.TIME ", "ZORVEK Inc.TIME", 1220, 25, 1005, 255, {}, 9.75, true},
        {"Label3(1)", K::Label, "", "", 5865, 3120, 150, 435, {}, 21.75},
        {"Label3(0)", K::Label, "", "", 5895, 3840, 90, 240, {}, kWindowPoints},
        {"Rbutton", K::Button, "R", "Windowsの再起動", 2280, 8, 255, 217, {}, 9.75, true},
        {"Qbutton", K::Button, "Q", "Windowsの終了", 2540, 8, 255, 217, {}, 9.75, true},
        {"Command1", K::Button, "確認(&K)", "", 4200, 4440, 3495, 495, {}, 9},
    };
    return defs;
}

}  // namespace ClockLayout
