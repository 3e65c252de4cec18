#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

// What a screen reader hears of controls that look like something else: labels that are clicked
// are buttons it can press, the tab strip's tabs are page tabs, the ringing alarm is an alert.
namespace Accessible {

// Lets the roles below take effect; once, before the first window shows.
void install();

// The widget is told with this role from now on; the role may change while it is shown. A button
// or page tab can be pressed; a label given either role is pressed by a left click, and named by
// its caption unless it has a name of its own.
void setRole(QWidget* widget, QAccessible::Role role);

}  // namespace Accessible
