#pragma once

#include <QList>
#include <QRect>

namespace Placement {

// A window lying wholly outside every screen is moved onto the primary screen, as near to where
// it was as fits; a window that shows at least partly stays where it is.
QRect keepOnScreen(const QRect& window, const QList<QRect>& screens, const QRect& primary);

}  // namespace Placement
