#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Tarsomel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads Tarsomel's window through the accessibility bus, as a screen reader
does, so that the end-to-end tests take positions and texts from the window
itself. Commands (each waits, bounded, for what it needs):

  atspi.py row LIST ROW      screen point at the middle of a visible row of
                             the list named LIST; when it is scrolled out of
                             sight, the list's middle, and exit 3 (the row is
                             above) or 4 (below)
  atspi.py selected LIST     the selected row of the list named LIST, or -1
  atspi.py text NAME         the text of the text box named NAME
  atspi.py selection NAME    how many characters are selected in it
  atspi.py box NAME          screen x y width height of the control NAME
"""
import sys
import time

import pyatspi

APP = "Tarsomel"
DEADLINE = 20.0


def find_app():
    end = time.monotonic() + DEADLINE
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower() == APP.lower():
                return app
        time.sleep(0.05)
    sys.exit(f"no application {APP} on the accessibility bus")


def find(node, name, role):
    if node is None:
        return None
    if node.name == name and node.getRole() == role:
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), name, role)
        if found is not None:
            return found
    return None


def control(name, role):
    end = time.monotonic() + DEADLINE
    while time.monotonic() < end:
        found = find(find_app(), name, role)
        if found is not None:
            return found
        time.sleep(0.05)
    sys.exit(f"no control named {name!r}")


def extents(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def main(argv):
    command = argv[1]
    if command == "row":
        lst = control(argv[2], pyatspi.ROLE_LIST)
        item = lst.getChildAtIndex(int(argv[3]))
        x, y, w, h = extents(item)
        lx, ly, lw, lh = extents(lst)
        if y < ly or y + h > ly + lh:
            # Out of sight: where to turn the wheel, and which way.
            print(lx + lw // 2, ly + lh // 2)
            return 3 if y < ly else 4
        print(x + w // 2, y + h // 2)
        return 0
    if command == "selected":
        lst = control(argv[2], pyatspi.ROLE_LIST)
        rows = [i for i in range(lst.childCount)
                if lst.getChildAtIndex(i).getState().contains(pyatspi.STATE_SELECTED)]
        print(rows[0] if rows else -1)
        return 0
    if command == "selection":
        text = control(argv[2], pyatspi.ROLE_TEXT).queryText()
        print(sum(text.getSelection(i)[1] - text.getSelection(i)[0] for i in range(text.getNSelections())))
        return 0
    if command == "text":
        box = control(argv[2], pyatspi.ROLE_TEXT)
        text = box.queryText()
        sys.stdout.write(text.getText(0, text.characterCount))
        return 0
    if command == "box":
        print(*extents(control(argv[2], pyatspi.ROLE_PUSH_BUTTON if argv[2] == "Чисти" else pyatspi.ROLE_TEXT)))
        return 0
    sys.exit(f"unknown command {command}")


if __name__ == "__main__":
    sys.exit(main(sys.argv))
