#pragma once

#include <QFont>

// The two Japanese faces the interface is drawn in, with the free faces that stand in for them.
namespace Fonts {

inline QFont gothic(double points, bool bold = false) {
    QFont font;
    font.setFamilies({"MS PGothic", "IPAPGothic", "Noto Sans CJK JP"});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

inline QFont mincho(double points, bool bold = false) {
    QFont font;
    font.setFamilies({"MS PMincho", "IPAPMincho"});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace Fonts
