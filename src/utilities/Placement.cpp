#include "utilities/Placement.h"

#include <algorithm>

namespace Placement {

QRect keepOnScreen(const QRect& window, const QList<QRect>& screens, const QRect& primary) {
    const bool visible = std::any_of(screens.begin(), screens.end(),
                                     [&](const QRect& s) { return s.intersects(window); });
    if (visible) return window;
    const int x = std::clamp(window.x(), primary.left(),
                             std::max(primary.left(), primary.right() + 1 - window.width()));
    const int y = std::clamp(window.y(), primary.top(),
                             std::max(primary.top(), primary.bottom() + 1 - window.height()));
    return {x, y, window.width(), window.height()};
}

std::optional<int> recommendedLeft(int screenWidth) {
    if (screenWidth != 640 && screenWidth != 800 && screenWidth != 1024) return std::nullopt;
    return screenWidth * 15 - 3102;
}

}  // namespace Placement
