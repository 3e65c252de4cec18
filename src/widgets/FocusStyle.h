#pragma once

#include <QProxyStyle>

// The desktop style, with the keyboard focus drawn as a line that stands out against the
// control's background: the style's own faint frame is lost on this program's black panels.
class FocusStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    // Lists show the focus on their frame as well: an empty one has no row to show it on.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

private:
    static void drawFocusLine(const QStyleOption* option, QPainter* painter);
};
