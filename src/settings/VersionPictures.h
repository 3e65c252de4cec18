#pragma once

#include <QPixmap>

// The two pictures of the version tab, drawn by the program itself.
namespace VersionPictures {
QPixmap logo(const QSize& size);
QPixmap emblem(const QSize& size);
}  // namespace VersionPictures
