#pragma once

#include <QStringList>
#include <vector>

#include "widgets/ControlDef.h"

// The settings window's frame as data: its tabs, the button row and the schedule input area
// below the tab control. Each page's own table lives beside the page.
namespace SettingsLayout {

inline constexpr int kTabCount = 6;
inline constexpr int kWindowWidth = 6405;  // twips, client area
// Client height with the schedule input area hidden below it; the designed outer height of 5580
// twips is this plus the title bar and frame, which the window manager draws here.
inline constexpr int kWindowHeight = 5205;
inline constexpr int kTabWidth = 6405;
inline constexpr int kTabHeight = 4695;

const QStringList& tabCaptions();
const std::vector<ControlDef>& page(int tab);
// The controls outside the tab control: the button row and the schedule input area.
const std::vector<ControlDef>& frame();

}  // namespace SettingsLayout
