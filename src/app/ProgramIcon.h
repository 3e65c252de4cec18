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

// What the windows that the task bar and window switching show carry: the installed icon
// theme's, by name, so that the desktop draws it from its own files; drawn at the small sizes a
// task bar uses where none is installed. The clock strip, which no task bar shows, carries none.
QIcon forWindows();

}  // namespace ProgramIcon
