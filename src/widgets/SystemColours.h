#pragma once

#include <QApplication>
#include <QColor>
#include <QPalette>

// The desktop colours the clock borrows: the active title bar and its text, and button faces.
namespace SystemColours {

inline QColor activeTitleBar() {
    return QApplication::palette().color(QPalette::Active, QPalette::Highlight);
}
inline QColor titleBarText() {
    return QApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
}
inline QColor buttonFace() {
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

}  // namespace SystemColours
