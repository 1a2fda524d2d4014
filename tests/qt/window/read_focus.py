"""Reads a running application over AT-SPI, as a screen reader does.

read_focus.py APP focused          role and name of the object with the focus
read_focus.py APP column LIST N    the texts of column N of the list named LIST, top to bottom
read_focus.py APP extents NAME     centre of the first object named NAME, in screen pixels
"""
import sys

import pyatspi


def objects(node, depth=0):
    if node is None or depth > 15:
        return
    yield node
    for child in node:
        yield from objects(child, depth + 1)


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    sys.exit("no application " + name)


def focused(app):
    for node in objects(app):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return "%s|%s" % (node.getRoleName(), node.name)
    return "none|"


def column(app, list_name, n):
    for node in objects(app):
        if node.name != list_name:
            continue
        try:
            table = node.queryTable()
        except NotImplementedError:
            continue
        return "\n".join(table.getAccessibleAt(row, n).name for row in range(table.nRows))
    sys.exit("no list " + list_name)


def extents(app, name):
    for node in objects(app):
        if node.name == name:
            box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            return "%d %d" % (box.x + box.width // 2, box.y + box.height // 2)
    sys.exit("nothing named " + name)


app = application(sys.argv[1])
command = sys.argv[2]
if command == "focused":
    print(focused(app))
elif command == "column":
    print(column(app, sys.argv[3], int(sys.argv[4])))
elif command == "extents":
    print(extents(app, sys.argv[3]))
else:
    sys.exit("unknown command " + command)
