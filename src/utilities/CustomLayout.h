#pragma once

#include <vector>

#include "widgets/ControlDef.h"

// The custom tab's controls as data; positions count from the tab control's origin.
namespace CustomLayout {
const std::vector<ControlDef>& controls();
}  // namespace CustomLayout
