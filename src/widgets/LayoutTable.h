#pragma once

#include <QString>

#include "widgets/ControlDef.h"

// Shorthands shared by the layout tables of the windows.
namespace LayoutTable {

using K = ControlDef::Kind;
inline constexpr ControlDef::Face G = ControlDef::Face::Gothic;
inline constexpr ControlDef::Face M = ControlDef::Face::Mincho;
inline constexpr double kPoints = 9;  // the settings window's own font size

// Colours as 0x00BBGGRR.
inline constexpr int kDefault = -1;
inline constexpr int kBlack = 0x000000;
inline constexpr int kWhite = 0xFFFFFF;
inline constexpr int kLightGrey = 0xE0E0E0;
inline constexpr int kGrey = 0x808080;
inline constexpr int kDarkGrey = 0x404040;
inline constexpr int kLime = 0x00FF00;
inline constexpr int kGreen = 0x008000;
inline constexpr int kDarkGreen = 0x004000;
inline constexpr int kRed = 0x0000FF;
inline constexpr int kYellow = 0x00FFFF;

// The object name of a member of a control array: "dateCell(5)".
inline QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

// Labels that act as links are underlined.
inline ControlDef underlined(ControlDef def) {
    def.underline = true;
    return def;
}

// A control told to a screen reader by a name of its own: its caption, if any, stands apart.
inline ControlDef spoken(ControlDef def, QString name) {
    def.spoken = std::move(name);
    return def;
}

// A label that is clicked: a screen reader sees a button that it can press.
inline ControlDef pressable(ControlDef def, QString name = {}) {
    def.pressable = true;
    return spoken(std::move(def), std::move(name));
}

}  // namespace LayoutTable
