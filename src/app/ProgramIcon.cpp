#include "app/ProgramIcon.h"

#include <QPainter>

#include "widgets/VersionPictures.h"

namespace ProgramIcon {

// A pixel of margin all round, so the rim is not cut at small sizes.
void paint(QPainter& painter, int side) {
    const double face = qMax(1, side - 2);
    VersionPictures::paintEmblem(painter, QRectF((side - face) / 2, (side - face) / 2, face, face));
}

QPixmap picture(int size) { return VersionPictures::emblem(QSize(size, size)); }

QIcon icon() {
    QIcon icon;
    for (int size : kSizes) icon.addPixmap(picture(size));
    return icon;
}

QIcon forWindows() {
    static const QString name = QStringLiteral("com.zorvek.ZKTIME");
    if (QIcon::hasThemeIcon(name)) return QIcon::fromTheme(name);
    QIcon drawn;
    for (int size : {16, 32, 48}) drawn.addPixmap(picture(size));
    return drawn;
}

}  // namespace ProgramIcon
