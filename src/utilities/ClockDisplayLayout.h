#pragma once

#include <vector>

#include "widgets/ControlDef.h"

// The clock display tab's controls as data; positions count from the tab control's origin.
namespace ClockDisplayLayout {
const std::vector<ControlDef>& controls();
}  // namespace ClockDisplayLayout
