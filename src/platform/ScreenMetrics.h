#pragma once

#include <QList>
#include <QRect>

// Screen geometry in logical pixels.
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    virtual QRect primaryScreen() const = 0;
    virtual QList<QRect> screens() const = 0;
};
