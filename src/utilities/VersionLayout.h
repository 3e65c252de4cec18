#pragma once

#include <vector>

#include "widgets/ControlDef.h"

// The version tab's controls as data; positions count from the tab control's origin.
namespace VersionLayout {
const std::vector<ControlDef>& controls();
}  // namespace VersionLayout
