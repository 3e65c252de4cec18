#include "app/ProgramIcon.h"

#include "settings/VersionPictures.h"

namespace ProgramIcon {

QPixmap picture(int size) { return VersionPictures::emblem(QSize(size, size)); }

QIcon icon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) icon.addPixmap(picture(size));
    return icon;
}

}  // namespace ProgramIcon
