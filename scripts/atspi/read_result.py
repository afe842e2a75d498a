#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running ferrovolt window over AT-SPI as a screen reader does: the gauge list is
named by its heading, the tab headers are page tabs, and after "Calculate" the diameter is
announced with its caption, value and unit. Exits 0 when all of it holds."""

import sys
import time

import pyatspi

EXPECTED_DIAMETER = "Diameter: 1.023696 Millimeters"


def find_app(timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "ferrovolt":
                # The window appears once the splash has gone.
                for window in app:
                    if window is not None and window.name.startswith("Ferrovolt "):
                        return app
        time.sleep(0.5)
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def first(app, predicate):
    for node in walk(app):
        if predicate(node):
            return node
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press"):
            action.doAction(i)
            return
    raise RuntimeError("no press action on %s" % node.name)


def main():
    app = find_app(60)
    if app is None:
        print("ferrovolt did not appear on the accessibility bus")
        return 1
    failures = []

    tabs = [n for n in walk(app) if n.getRole() == pyatspi.ROLE_PAGE_TAB]
    if [t.name for t in tabs][:3] != ["Area / Weight", "Conduit Capacity", "Resistivity"]:
        failures.append("page tabs: %r" % [t.name for t in tabs])

    gauge = first(app, lambda n: n.getRole() == pyatspi.ROLE_COMBO_BOX and n.name == "Gauge")
    if gauge is None:
        failures.append("no drop-down named Gauge")

    calculate = first(app, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                      and n.name == "Calculate" and n.getState().contains(pyatspi.STATE_SHOWING))
    if calculate is None:
        failures.append("no Calculate button showing")
    else:
        press(calculate)
        end = time.monotonic() + 10
        names = []
        while time.monotonic() < end:
            names = [n.name for n in walk(app) if n.name.startswith("Diameter:")]
            if EXPECTED_DIAMETER in names:
                break
            time.sleep(0.3)
        if EXPECTED_DIAMETER not in names:
            failures.append("diameter read as %r" % names)
        else:
            print("read: " + EXPECTED_DIAMETER)

    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
