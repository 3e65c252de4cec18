#pragma once

#include <QList>
#include <QRect>

// Screen geometry in logical pixels.
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    virtual QRect primaryScreen() const = 0;
    virtual QList<QRect> screens() const = 0;
    // The primary screen's size in device pixels, which differs from its logical size when the
    // desktop is scaled.
    virtual QSize primaryScreenPixels() const { return primaryScreen().size(); }
};
