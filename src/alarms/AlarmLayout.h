#pragma once

#include <vector>

#include "widgets/ControlDef.h"

// The alarm tab's controls as data; positions count from the tab control's origin.
namespace AlarmLayout {
const std::vector<ControlDef>& controls();
}  // namespace AlarmLayout
