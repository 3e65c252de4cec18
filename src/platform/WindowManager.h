#pragma once

#include <QtGui/qwindowdefs.h>

class QWindow;

// The few window-manager requests Qt has no call for. Each does nothing where the program does
// not run on an X11 display (offscreen tests, a bare Wayland session).
namespace WindowManager {

// Keeps a window out of the task bar, the pager and window switching; call it before each show,
// since window managers drop a window's states when it is hidden.
void keepOffTaskbar(QWindow& window);

enum class State { FullScreen, Above };
// Asks the window manager to add or remove a state of a mapped window.
void setState(WId window, State state, bool on);

// The window that holds the keyboard focus now, so that it can be given back later; 0 when
// that cannot be told.
WId focusedWindow();

// Raises a window and gives it the focus on the user's behalf. Window managers refuse such a
// request from a program while the user works in another one, or one is full screen; this is
// made as the user's own, for what the user asked for: an alarm, a window opened by a click.
// False where there is no X11 display to ask, or no window.
bool activate(WId window);

}  // namespace WindowManager
