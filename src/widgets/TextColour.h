#pragma once

#include <QPalette>
#include <QWidget>

#include "widgets/ControlDef.h"

// A label's text colour as the calendar keeps it: 0x00BBGGRR.
inline void setTextColour(QWidget* widget, int bgr) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colourFromBgr(bgr));
    widget->setPalette(palette);
}

inline int textColour(const QWidget* widget) {
    const QColor c = widget->palette().color(QPalette::WindowText);
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}
