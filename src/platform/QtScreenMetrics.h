#pragma once

#include "platform/ScreenMetrics.h"

class QtScreenMetrics : public ScreenMetrics {
public:
    QRect primaryScreen() const override;
    QList<QRect> screens() const override;
    QSize primaryScreenPixels() const override;
};
