#pragma once

#include <vector>

#include "widgets/ControlDef.h"

class QMenu;
class QWidget;

// The calendar tab's controls as data; positions count from the tab control's origin.
namespace CalendarLayout {
const std::vector<ControlDef>& controls();
// The right-click menu of the date cells, hidden until a cell asks for it.
QMenu* createDateColourMenu(QWidget* parent);
}  // namespace CalendarLayout
