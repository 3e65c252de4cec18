#pragma once

#include <vector>

#include "settings/ControlDef.h"

namespace ClockLayout {

inline constexpr int kHeight = 240;        // twips: the strip
inline constexpr int kNarrowWidth = 2280;  // twips: date and time only
inline constexpr int kWideWidth = 2805;    // twips: with the exit and restart controls
inline constexpr double kWindowPoints = 12;

// The clock window's controls, from back to front.
const std::vector<ControlDef>& controls();

}  // namespace ClockLayout
