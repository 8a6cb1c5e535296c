#!/usr/bin/python3
"""A stand-in for the tray host of KDE Plasma and GNOME's AppIndicator
extension, over the session bus, for the end-to-end tests.

  status_notifier.py watcher FILE      serve org.kde.StatusNotifierWatcher;
                                       each registered item goes to FILE as
                                       "SERVICE PATH" on a line of its own
  status_notifier.py activate ITEM     a click on the icon (Activate)
  status_notifier.py get ITEM NAME     a property of the item, printed
  status_notifier.py menu ITEM         the labels of the item's menu
  status_notifier.py click ITEM LABEL  a click on the menu entry LABEL

ITEM is a line of FILE: "SERVICE PATH".
"""

import sys

import dbus
import dbus.service

ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"
WATCHER = "org.kde.StatusNotifierWatcher"


# Qt reads the watcher's properties through its introspection data.
WATCHER_XML = f"""<node><interface name="{WATCHER}">
<method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
<method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
<signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
<property name="RegisteredStatusNotifierItems" type="as" access="read"/>
<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
<property name="ProtocolVersion" type="i" access="read"/>
</interface>
<interface name="org.freedesktop.DBus.Properties">
<method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/>
<arg type="v" direction="out"/></method>
<method name="GetAll"><arg type="s" direction="in"/><arg type="a{{sv}}" direction="out"/></method>
</interface></node>"""


class Watcher(dbus.service.Object):
    def __init__(self, bus, record):
        self.record = record
        self.items = []
        super().__init__(bus, "/StatusNotifierWatcher")

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # An item names either its bus name or its object path.
        path = service if service.startswith("/") else "/StatusNotifierItem"
        name = sender if service.startswith("/") else service
        self.items.append(name)
        with open(self.record, "a") as out:
            out.write(f"{name} {path}\n")
        self.StatusNotifierItemRegistered(name)

    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature="s")
    def Introspect(self):
        return WATCHER_XML

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.GetAll(interface)[name]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
            "IsStatusNotifierHostRegistered": True,
            "ProtocolVersion": dbus.Int32(0),
        }


def serve(record):
    from dbus.mainloop.glib import DBusGMainLoop
    from gi.repository import GLib

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName(WATCHER, bus)
    watcher = Watcher(bus, record)
    GLib.MainLoop().run()
    del name, watcher


def item(bus, line):
    service, path = line.split()
    return bus.get_object(service, path)


def menu_entries(bus, line):
    thing = item(bus, line)
    menu_path = thing.Get(ITEM, "Menu", dbus_interface=dbus.PROPERTIES_IFACE)
    menu = bus.get_object(line.split()[0], menu_path)
    _, layout = menu.GetLayout(0, -1, [], dbus_interface=MENU)
    entries = []

    def walk(node):
        number, properties, children = node
        if "label" in properties:
            entries.append((int(number), str(properties["label"])))
        for child in children:
            walk(child)

    walk(layout)
    return menu, entries


def main(argv):
    command = argv[1]
    if command == "watcher":
        serve(argv[2])
        return 0
    bus = dbus.SessionBus()
    if command == "activate":
        item(bus, argv[2]).Activate(0, 0, dbus_interface=ITEM)
    elif command == "get":
        value = item(bus, argv[2]).Get(ITEM, argv[3], dbus_interface=dbus.PROPERTIES_IFACE)
        print(value if not isinstance(value, dbus.Struct) else "\n".join(map(str, value)))
    elif command == "menu":
        for _, label in menu_entries(bus, argv[2])[1]:
            print(label)
    elif command == "click":
        menu, entries = menu_entries(bus, argv[2])
        number = next(number for number, label in entries if label == argv[3])
        menu.Event(number, "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0),
                   dbus_interface=MENU)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
