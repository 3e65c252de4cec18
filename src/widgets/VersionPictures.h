#pragma once

#include <QPixmap>

class QPainter;

// The two pictures of the version tab, drawn by the program itself.
namespace VersionPictures {
QPixmap logo(const QSize& size);
QPixmap emblem(const QSize& size);
// The emblem, a clock face, drawn into a square on any paint device.
void paintEmblem(QPainter& painter, const QRectF& square);
}  // namespace VersionPictures
