#pragma once

#include <QList>
#include <QRect>
#include <optional>

namespace Placement {

inline constexpr int kStripHeight = 240;      // twips
inline constexpr int kStripWidth = 2280;      // twips: date and time only
inline constexpr int kWideStripWidth = 2805;  // twips: with the exit and restart controls

// A window lying wholly outside every screen is moved onto the primary screen, as near to where
// it was as fits; a window that shows at least partly stays where it is.
QRect keepOnScreen(const QRect& window, const QList<QRect>& screens, const QRect& primary);

// The whole window, frame and title bar included, on the screen that holds most of it (the
// primary screen when none holds any of it), as near to where it was as fits.
QRect wholeOnScreen(const QRect& frame, const QList<QRect>& screens, const QRect& primary);

// The clock's recommended left edge in twips near the top right corner, for the screen widths
// it is known for; none for any other width.
std::optional<int> recommendedLeft(int screenWidth);
inline constexpr int kRecommendedTop = 15;     // twips: one pixel from the top
inline constexpr int kExitButtonsShift = 500;  // twips further left with the exit buttons

}  // namespace Placement
