#pragma once

#include <QAccessible>
#include <QString>

class QLabel;
class QWidget;

// What a screen reader hears of controls that look like something else: labels that are clicked
// are buttons it can press, the tab strip's tabs are page tabs, the ringing alarm is an alert.
namespace Accessible {

// Lets the roles below take effect; once, before the first window shows.
void install();

// The widget is told with this role from now on; the role may change while it is shown.
void setRole(QWidget* widget, QAccessible::Role role);

// A label that acts on a click: a button whose press action clicks it, named by its caption
// unless a name is given.
void pressable(QLabel* label, const QString& name = {});

}  // namespace Accessible
