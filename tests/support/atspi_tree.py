#!/usr/bin/python3
"""Reads a running program's windows as a screen reader does, through AT-SPI, and prints them as
JSON: a list of the program's windows, each a tree of the accessible objects that show.

Usage: atspi_tree.py APPLICATION_NAME [SECONDS]

Waits up to SECONDS (10 by default) for the program to appear on the accessibility bus; the
first question also starts the bus's registry, with which the program then registers. Each object
is {"role", "name", "description", "states", "actions", "labelledBy", "extents", "children"};
labelledBy lists the objects that label it ({"role", "name"}), extents are [x, y, width, height]
on the screen. Exits with status 1 when the program does not appear."""

import json
import sys
import time

import pyatspi


def labels_of(accessible):
    labels = []
    for relation in accessible.getRelationSet():
        if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
            continue
        for i in range(relation.getNTargets()):
            target = relation.getTarget(i)
            labels.append({"role": target.getRoleName(), "name": target.name})
    return labels


def actions_of(accessible):
    try:
        action = accessible.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def extents_of(accessible):
    try:
        box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return [0, 0, 0, 0]
    return [box.x, box.y, box.width, box.height]


def describe(accessible):
    states = accessible.getState()
    children = []
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            children.append(describe(child))
    return {
        "role": accessible.getRoleName(),
        "name": accessible.name,
        "description": accessible.description,
        "states": [pyatspi.stateToString(s) for s in states.getStates()],
        "actions": actions_of(accessible),
        "labelledBy": labels_of(accessible),
        "extents": extents_of(accessible),
        "children": children,
    }


def find_application(name, seconds):
    deadline = time.monotonic() + seconds
    while True:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == name:
                return application
        if time.monotonic() > deadline:
            return None
        time.sleep(0.2)


def main():
    name = sys.argv[1]
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 10
    application = find_application(name, seconds)
    if application is None:
        print(f"{name} is not on the accessibility bus", file=sys.stderr)
        return 1
    windows = []
    for i in range(application.childCount):
        window = application.getChildAtIndex(i)
        if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
            windows.append(describe(window))
    json.dump(windows, sys.stdout)
    return 0


if __name__ == "__main__":
    sys.exit(main())
