#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon: the clock face of the version tab, drawn at any size, so that one picture
// serves the windows and the desktop launcher alike.
namespace ProgramIcon {

QPixmap picture(int size);
// Drawn for each of the usual icon sizes from 16 to 256 pixels.
QIcon icon();

}  // namespace ProgramIcon
