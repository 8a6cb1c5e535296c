#!/usr/bin/python3
"""Listens on the accessibility bus as a screen reader does and prints, one
line each, what Tallyon's value display tells it: every text insertion
("inserted <role> <description>: <text>"), focus moves ("focus <role>
<name>") and, when asked, the key bindings of the keypad's buttons.

  atspi_listener.py listen    print the events until ended
  atspi_listener.py keys      print "<button name>\t<key binding>" for each key
  atspi_listener.py read      print "<role>\t<name>\t<description>\t<text>" for
                              the displays (labels) and their panels
"""

import sys

import pyatspi


def say(line):
    print(line, flush=True)


def tallyon():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower().startswith("tallyon"):
            return app
    return None


def on_insert(event):
    source = event.source
    say("inserted %s %s: %s" % (source.getRoleName(), source.description, event.any_data))


def on_focus(event):
    if event.detail1:
        say("focus %s %s" % (event.source.getRoleName(), event.source.name))


def listen():
    pyatspi.Registry.registerEventListener(on_insert, "object:text-changed:insert")
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    say("listening")
    pyatspi.Registry.start()


def keys():
    app = tallyon()
    if app is None:
        sys.exit("no Tallyon on the accessibility bus")
    found = pyatspi.findAllDescendants(app, lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON)
    for button in found:
        action = button.queryAction()
        say("%s\t%s" % (button.name, action.getKeyBinding(0) if action.nActions else ""))


def read():
    app = tallyon()
    if app is None:
        sys.exit("no Tallyon on the accessibility bus")
    roles = (pyatspi.ROLE_LABEL, pyatspi.ROLE_PANEL)
    for shown in pyatspi.findAllDescendants(app, lambda o: o.getRole() in roles):
        text = ""
        if shown.getRole() == pyatspi.ROLE_LABEL:
            text = shown.queryText().getText(0, -1)
        say("%s\t%s\t%s\t%s" % (shown.getRoleName(), shown.name, shown.description, text))


if __name__ == "__main__":
    {"listen": listen, "keys": keys, "read": read}[sys.argv[1]]()
