"""Prints the screen centre "X Y" of the first shown object of a running
application whose accessible name is NAME (and whose role is ROLE, when given),
or the number N of "现金 N" style status names with --value."""
import sys

import pyatspi


def walk(node, depth=0):
    if node is None or depth > 15:
        return
    yield node
    for child in node:
        yield from walk(child, depth + 1)


def objects(app_name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == app_name:
            yield from walk(app)


def main():
    app_name, name = sys.argv[1], sys.argv[2]
    if len(sys.argv) > 3 and sys.argv[3] == "--value":
        for node in objects(app_name):
            if node.name.startswith(name + " "):
                print(node.name[len(name) + 1:])
                return 0
        return 1
    role = sys.argv[3] if len(sys.argv) > 3 else None
    for node in objects(app_name):
        if node.name != name or (role and node.getRoleName() != role):
            continue
        try:
            box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        except NotImplementedError:
            continue
        if box.width > 0 and box.height > 0 and box.x >= 0 and box.y >= 0:
            print(box.x + box.width // 2, box.y + box.height // 2)
            return 0
    return 1


sys.exit(main())
