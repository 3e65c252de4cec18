#pragma once

#include <QIcon>
#include <QPixmap>
#include <array>

class QPainter;

// The program's icon: the clock face of the version tab, drawn at any size, so that one picture
// serves the windows and the desktop launcher alike.
namespace ProgramIcon {

// The sizes an icon theme usually holds, in pixels.
inline constexpr std::array<int, 8> kSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// Draws the icon into the square (0, 0, side, side) of any paint device.
void paint(QPainter& painter, int side);
QPixmap picture(int size);
// Drawn for each of the usual sizes.
QIcon icon();

}  // namespace ProgramIcon
