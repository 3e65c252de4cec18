#include "widgets/VersionPictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include "widgets/Fonts.h"

namespace {

// The clock strip's colours: near-white on the left fading to grey-green on the right.
const QColor kLight(240, 244, 240);
const QColor kShade(155, 167, 163);
const QColor kRim(96, 108, 104);
const QColor kInk(38, 46, 44);
const QColor kAccent(44, 96, 86);

QPixmap blank(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The face's minute and hour marks, drawn around the centre the painter stands at.
void drawMarks(QPainter& painter, double r, double inner) {
    for (int mark = 0; mark < 60; ++mark) {
        const bool hour = mark % 5 == 0;
        if (!hour && r < 24) continue;  // minute marks only where there is room for them
        const bool quarter = mark % 15 == 0;
        const double width = r * (quarter ? 0.07 : hour ? 0.04 : 0.015);
        painter.setPen(QPen(kInk, qMax(1.0, width), Qt::SolidLine, Qt::FlatCap));
        const double from = inner * (quarter ? 0.72 : hour ? 0.8 : 0.88);
        painter.drawLine(QPointF(0, -from), QPointF(0, -inner * 0.94));
        painter.rotate(6);
    }
}

// Ten past ten, around the centre the painter stands at.
void drawHands(QPainter& painter, double r, double inner) {
    auto hand = [&](double degrees, double length, double width, const QColor& colour) {
        painter.save();
        painter.rotate(degrees);
        painter.setPen(QPen(colour, qMax(1.0, width), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, length * 0.18), QPointF(0, -length));
        painter.restore();
    };
    hand(305, inner * 0.5, r * 0.09, kInk);                  // hour: 10:08
    hand(48, inner * 0.78, r * 0.06, kInk);                  // minute
    hand(180, inner * 0.84, r * 0.02, QColor(178, 34, 34));  // second
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(0, 0), r * 0.06 + 0.5, r * 0.06 + 0.5);
}

// A round clock face showing ten past ten, drawn into the square `box`.
void drawClockFace(QPainter& painter, const QRectF& box) {
    const double r = box.width() / 2;
    const QPointF centre = box.center();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient rim(box.topLeft(), box.bottomRight());
    rim.setColorAt(0, kLight);
    rim.setColorAt(1, kRim);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rim);
    painter.drawEllipse(box);
    QRadialGradient face(centre - QPointF(r * 0.3, r * 0.3), r * 1.2);
    face.setColorAt(0, Qt::white);
    face.setColorAt(0.55, kLight);
    face.setColorAt(1, kShade);
    painter.setBrush(face);
    const double inner = r * 0.86;
    painter.drawEllipse(centre, inner, inner);
    painter.translate(centre);
    drawMarks(painter, r, inner);
    drawHands(painter, r, inner);
    painter.restore();
}

// Scales the font down until `text` fits `width`.
QFont fitted(QFont font, const QString& text, double width) {
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

// A rounded plate in the strip's gradient, with its fine streaks.
void drawPlate(QPainter& painter, const QRectF& plate, const QSize& size) {
    const double radius = qMin(plate.height(), plate.width()) / 4;
    QPainterPath outline;
    outline.addRoundedRect(plate, radius, radius);
    QLinearGradient gradient(plate.topLeft(), plate.topRight());
    gradient.setColorAt(0, kLight);
    gradient.setColorAt(1, kShade);
    painter.fillPath(outline, gradient);
    painter.save();
    painter.setClipPath(outline);
    for (int y = 0; y < size.height(); ++y) {
        if (y % 3 == 1)
            painter.fillRect(0, y, size.width(), 1, QColor(0, 0, 0, 10));
        else if (y % 4 == 2)
            painter.fillRect(0, y, size.width(), 1, QColor(255, 255, 255, 18));
    }
    painter.restore();
    painter.setPen(QPen(kRim, 1));
    painter.drawPath(outline);
}

// "ZORVEK Inc.TIME" from textLeft, as large as the plate allows; a light copy one pixel down and
// right lifts the letters off the plate.
void drawName(QPainter& painter, const QRectF& plate, double textLeft, double margin) {
    const QString maker = QStringLiteral("ZORVEK ");
    const QString product = QStringLiteral("Inc.TIME");
    QFont font = Fonts::gothic(9, true);
    font.setPixelSize(qMax(6, int(plate.height() * 0.58)));
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    font = fitted(font, maker + product, plate.right() - textLeft - margin * 2);
    const QFontMetricsF metrics(font);
    const double baseline = plate.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    double x = textLeft;
    painter.setFont(font);
    for (const auto& [part, colour] : {std::pair{maker, kInk}, std::pair{product, kAccent}}) {
        painter.setPen(QColor(255, 255, 255, 150));
        painter.drawText(QPointF(x + 1, baseline + 1), part);
        painter.setPen(colour);
        painter.drawText(QPointF(x, baseline), part);
        x += metrics.horizontalAdvance(part);
    }
}

}  // namespace

namespace VersionPictures {

// The product name on a plate in the clock strip's gradient, with the emblem at its left end.
QPixmap logo(const QSize& size) {
    if (size.isEmpty()) return {};
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF plate = QRectF(pixmap.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    drawPlate(painter, plate, size);
    const double margin = qMax(2.0, plate.height() * 0.12);
    double textLeft = margin * 2;
    if (plate.width() > plate.height() * 2) {
        const double side = plate.height() - 2 * margin;
        drawClockFace(painter,
                      QRectF(plate.left() + margin * 1.5, plate.top() + margin, side, side));
        textLeft = margin * 3 + side;
    }
    drawName(painter, plate, textLeft, margin);
    return pixmap;
}

// The clock face alone, centred in the picture.
void paintEmblem(QPainter& painter, const QRectF& square) { drawClockFace(painter, square); }

QPixmap emblem(const QSize& size) {
    if (size.isEmpty()) return {};
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    const double side = qMax(1, qMin(size.width(), size.height()) - 2);
    drawClockFace(painter,
                  QRectF((size.width() - side) / 2, (size.height() - side) / 2, side, side));
    return pixmap;
}

}  // namespace VersionPictures
