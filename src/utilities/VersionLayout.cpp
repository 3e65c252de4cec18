#include "utilities/VersionLayout.h"

#include "widgets/LayoutTable.h"

namespace VersionLayout {

namespace {

using namespace LayoutTable;

// One control to a row, in the order the controls are created: a control created later lies on
// top of an earlier one.
// clang-format off

// Tab 2: name, pictures and version, and whether the clock starts with the desktop.
// Image1 takes the logo, Image2 the emblem.
std::vector<ControlDef> build() {
    return {
        {"versionPicture", K::Picture, "", "", 480, 960, 1200, 1200, {}, kPoints},
        {"productName", K::Label, "ZORVEK Inc.TIME ", "", 1920, 960, 3600, 330, {}, 14.25, true},
        {"versionLabel", K::Label, "", "", 1920, 1380, 2400, 210, {}, 9.75},
        {"logo", K::Picture, "", "", 1920, 1680, 3840, 480, {}, kPoints},
        {"copyright", K::Label, "Copyright (C) ZORVEK Inc.  All rights reserved.", "",
         480, 2520, 5415, 210, {}, kPoints},
        {"startWithSessionFrame", K::Frame, "Windowsの起動時に　ZORVEK Inc.TIMEを", "", 240, 3400, 5775, 680, {},
         kPoints, false, G, kRed, kBlack},
        {"startWithSession(0)", K::Radio, "実行する", "", 1440, 320, 1095, 210, "startWithSessionFrame",
         kPoints, false, G, kRed, kBlack},
        {"startWithSession(1)", K::Radio, "実行しない", "", 3240, 320, 1215, 210, "startWithSessionFrame",
         kPoints, false, G, kRed, kBlack},
        {"quitButton", K::Button, "ZORVEK Inc.TIMEの終了(&Q)", "", 3180, 4170, 2925, 375, {}, kPoints},
    };
}

// clang-format on

}  // namespace

const std::vector<ControlDef>& controls() {
    static const std::vector<ControlDef> defs = build();
    return defs;
}

}  // namespace VersionLayout
