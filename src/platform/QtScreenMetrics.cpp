#include "platform/QtScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

QRect QtScreenMetrics::primaryScreen() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 640, 480);
}

QList<QRect> QtScreenMetrics::screens() const {
    QList<QRect> all;
    for (const QScreen* screen : QGuiApplication::screens()) all << screen->geometry();
    return all;
}

QSize QtScreenMetrics::primaryScreenPixels() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? (QSizeF(screen->size()) * screen->devicePixelRatio()).toSize()
                  : primaryScreen().size();
}
