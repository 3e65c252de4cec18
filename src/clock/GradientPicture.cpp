#include "clock/GradientPicture.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

GradientPicture::GradientPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientPicture::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    if (picture_.size() != size() * ratio || picture_.devicePixelRatio() != ratio) drawPicture();
    QPainter(this).drawPixmap(event->rect(), picture_, QRectF(event->rect().topLeft() * ratio,
                                                              event->rect().size() * ratio));
}

void GradientPicture::drawPicture() {
    picture_ = QPixmap(size() * devicePixelRatioF());
    picture_.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(&picture_);
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0, QColor(240, 244, 240));
    gradient.setColorAt(1, QColor(155, 167, 163));
    painter.fillRect(rect(), gradient);
    // The streaks: every third row a shade darker, every fourth a shade lighter.
    for (int y = 0; y < height(); ++y) {
        if (y % 3 == 1) painter.fillRect(0, y, width(), 1, QColor(0, 0, 0, 10));
        else if (y % 4 == 2) painter.fillRect(0, y, width(), 1, QColor(255, 255, 255, 18));
    }
}
