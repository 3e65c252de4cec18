#pragma once

#include <QRect>
#include <cmath>

// Fifteen twips make one logical pixel throughout the program; Qt's scaling does the rest.
inline int px(double twips) { return int(std::lround(twips / 15.0)); }
inline double twips(int pixels) { return pixels * 15.0; }
inline QRect pxRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}
