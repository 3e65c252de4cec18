# GTK's own view of a recently-used list:  recent_list.py FILE [URI...]
# Adds the URIs through Gtk.RecentManager, then prints how many items GTK reads back. Fails
# when GLib's bookmark parser, which GTK reads the list with, rejects the file (GTK itself
# would silently read such a file as an empty list).
import ctypes
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import GLib, Gtk  # noqa: E402

path, uris = sys.argv[1], sys.argv[2:]
if uris:
    manager = Gtk.RecentManager(filename=path)
    loop = GLib.MainLoop()

    def saved(*_):  # GTK has written the list before this runs
        if len(manager.get_items()) == len(uris):
            loop.quit()

    manager.connect("changed", saved)
    for uri in uris:
        # add_item looks up the MIME type asynchronously, which newer GLib releases of Debian 12
        # lose when a second item follows at once; a given type is written as it is.
        data = Gtk.RecentData()
        data.mime_type, data.app_name, data.app_exec = "text/plain", "recent_list.py", "true %u"
        manager.add_full(uri, data)
    GLib.timeout_add_seconds(10, loop.quit)
    loop.run()
glib = ctypes.CDLL("libglib-2.0.so.0")
glib.g_bookmark_file_new.restype = ctypes.c_void_p
glib.g_bookmark_file_load_from_file.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_void_p]
if not glib.g_bookmark_file_load_from_file(glib.g_bookmark_file_new(), path.encode(), None):
    sys.exit("GLib cannot parse " + path)
print(len(Gtk.RecentManager(filename=path).get_items()))
