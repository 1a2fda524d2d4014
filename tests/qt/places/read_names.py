"""Prints the accessible names of every object of a running application, one a line."""
import sys

import pyatspi


def walk(node, names, depth=0):
    if node is None or depth > 15:
        return
    names.append(node.name)
    for child in node:
        walk(child, names, depth + 1)


names = []
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == sys.argv[1]:
        walk(app, names)
print("\n".join(name for name in names if name))
