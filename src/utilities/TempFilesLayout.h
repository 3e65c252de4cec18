#pragma once

#include <vector>

#include "widgets/ControlDef.h"

// The temporary-files tab's controls as data; positions count from the tab control's origin.
namespace TempFilesLayout {
const std::vector<ControlDef>& controls();
}  // namespace TempFilesLayout
