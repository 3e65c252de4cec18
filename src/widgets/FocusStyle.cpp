#include "widgets/FocusStyle.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOption>

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameFocusRect)
        drawFocusLine(option, painter);
    else
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option,
                             QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_ShapedFrame && option->state.testFlag(State_HasFocus) &&
        qobject_cast<const QAbstractItemView*>(widget))
        drawFocusLine(option, painter);
}

void FocusStyle::drawFocusLine(const QStyleOption* option, QPainter* painter) {
    const bool dark = option->palette.color(QPalette::Window).lightness() < 128;
    painter->save();
    painter->setPen(dark ? QColor(Qt::yellow) : option->palette.color(QPalette::Highlight));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}
