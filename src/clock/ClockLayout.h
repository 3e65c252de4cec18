#pragma once

#include <QRect>
#include <vector>

#include "widgets/ControlDef.h"

namespace ClockLayout {

inline constexpr double kWindowPoints = 12;

// The clock window's controls, from back to front, in three groups: the date and time, shown
// from the start; the exit and restart controls, made only for a strip wide enough for them; the
// alarm's lines, made at the first ring. What is not made loads no font.
const std::vector<ControlDef>& stripControls();
const std::vector<ControlDef>& exitControls();
const std::vector<ControlDef>& alarmControls();

// Where the alarm's title, message and confirm button stand on the window that fills a screen.
struct AlarmLines {
    QRect title;
    QRect message;
    QRect button;
};

// The widest a line of alarm text may be on a screen of that width, in pixels.
int alarmTextWidth(int screenWidth);

// Stacks the title, the message and the confirm button with their designed gaps and centres them
// as one block on a screen of the given size, each across the screen. The text sizes are those
// of the texts wrapped to alarmTextWidth(); a message too tall for the screen is cut short so
// that the button stays on it.
AlarmLines alarmLines(const QSize& screen, QSize title, QSize message);

}  // namespace ClockLayout
