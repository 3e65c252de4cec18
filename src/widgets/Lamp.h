#pragma once

#include <QPalette>
#include <QWidget>

#include "widgets/LayoutTable.h"

// The indicator lamps on the faces of buttons: tiny input-less boxes, green when on, black when
// off.
inline void setLamp(QWidget* lamp, bool on) {
    QPalette palette = lamp->palette();
    palette.setColor(QPalette::Base, colourFromBgr(on ? LayoutTable::kLime : LayoutTable::kBlack));
    lamp->setPalette(palette);
    lamp->setAccessibleDescription(on ? QStringLiteral("点灯") : QStringLiteral("消灯"));
}
