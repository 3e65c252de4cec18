#include "settings/VersionPictures.h"

namespace VersionPictures {
QPixmap logo(const QSize& size) { return QPixmap(size); }
QPixmap emblem(const QSize& size) { return QPixmap(size); }
}  // namespace VersionPictures
