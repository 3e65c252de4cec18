#!/usr/bin/python3
# What a screen reader finds of the running ZKTIME on the accessibility bus.
#
#   atspi.py walk          the interactive controls on the screen without a name and the clicked
#                          labels that cannot be pressed, then "walked N, named M"
#   atspi.py alert         each alert's name, the names of what has the focus in it and of its
#                          buttons
#   atspi.py press NAME    presses the control of that name
import sys
import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi

ROLES = {"push button", "check box", "radio button", "text", "password text", "list", "slider",
         "page tab"}


def nodes(node):
    yield node
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        yield from nodes(child) if child else ()


desktop = Atspi.get_desktop(0)
app = next(a for a in (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
           if a and a.get_name() == "ZKTIME")
shown = [n for n in nodes(app) if n.get_state_set().contains(Atspi.StateType.SHOWING)]
if sys.argv[1] == "walk":
    controls = [n for n in shown if n.get_role_name() in ROLES]
    print(*(f"{n.get_role_name()} without a name" for n in controls if not n.get_name()), sep="\n")
    print(*(f"label {n.get_name()} cannot be pressed" for n in shown if n.get_role_name() == "label"
            and (n.get_name().isdigit() or n.get_name() in ("≪", "≫", "■", "PassWord Change"))),
          sep="\n")
    print(f"walked {len(controls)}, named {sum(bool(n.get_name()) for n in controls)}")
for alert in (n for n in shown if n.get_role_name() == "alert" and sys.argv[1] == "alert"):
    inside = list(nodes(alert))
    print(alert.get_name(), [n.get_name() for n in inside if n.get_state_set().contains(
        Atspi.StateType.FOCUSED)], [n.get_name() for n in inside if n.get_role_name() == "push button"])
for node in (n for n in shown if sys.argv[1] == "press" and n.get_name() == sys.argv[2]):
    node.do_action(0)
    break
