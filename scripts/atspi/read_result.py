#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running ferrovolt window over AT-SPI as a screen reader does: the gauge list is
named by its heading, the tab headers are page tabs, and after "Calculate" the diameter is
announced with its caption, value and unit. Then opens the Circuit Check window from the
Conductor Sizing tab, types a circuit into it and reads its answer: each row once, the
governing one said to govern, the length unit list named with its entry, "Copy" announced,
and a refusal announced. Exits 0 when all of it holds."""

import sys
import time

import pyatspi

EXPECTED_DIAMETER = "Diameter: 1.023696 Millimeters"
# 100 A over 1 m at 240 V single phase in the tab's first material, aluminium; terminals by
# 110.14(C)(1) take the 60 °C column, where 1/0 AWG carries 100 A.
EXPECTED_GOVERNING = "Minimum by ampacity: 1/0 AWG, governing"
EXPECTED_COPIED = "Copied the calculation for 1/0 AWG to the clipboard."
EXPECTED_REFUSAL = "Design current: enter a number"


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


def wait_for(find, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.3)
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def read_circuit_check(app, failures):
    sizing = first(app, lambda n: n.getRole() == pyatspi.ROLE_PAGE_TAB
                   and n.name == "Conductor Sizing")
    if sizing is None:
        failures.append("no Conductor Sizing tab")
        return
    press(sizing)
    button = wait_for(lambda: first(app, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                                    and n.name == "Circuit check" and showing(n)))
    if button is None:
        failures.append("no Circuit check button showing")
        return
    press(button)
    window = wait_for(lambda: next((w for w in app if w is not None
                                    and w.name == "Circuit Check"), None))
    if window is None:
        failures.append("the Circuit Check window did not open: %r"
                        % [(w.name, w.getRoleName()) for w in app])
        return
    for name, text in (("Design current", "100"), ("One-way length", "1")):
        field = first(window, lambda n, name=name: n.name == name
                      and n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY))
        if field is None:
            failures.append("no field named %s" % name)
            return
        field.queryEditableText().setTextContents(text)
    unit = first(window, lambda n: n.getRole() == pyatspi.ROLE_COMBO_BOX
                 and n.name == "Length unit")
    if unit is None:
        failures.append("no list named Length unit")
    elif unit.description not in ("m", "ft"):
        # AT-SPI reads no value of a list but a number: the entry is its description.
        failures.append("Length unit's entry read as %r" % unit.description)
    else:
        print("list: Length unit, " + unit.description)
    rows = []
    end = time.monotonic() + 10
    while time.monotonic() < end:
        rows = [n.name for n in walk(window) if n.name.startswith("Minimum by") and showing(n)]
        if EXPECTED_GOVERNING in rows:
            break
        time.sleep(0.3)
    governing = [r for r in rows if r.endswith(", governing")]
    if governing != [EXPECTED_GOVERNING]:
        failures.append("governing row read as %r" % governing)
    for caption in set(r.split(":")[0] for r in rows):
        said = [n.name for n in walk(window) if n.name.startswith(caption) and showing(n)]
        if len(said) != 1:
            failures.append("%s read %d times: %r" % (caption, len(said), said))
    if not failures:
        print("read: " + EXPECTED_GOVERNING)

    copy = first(window, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Copy")
    if copy is None:
        failures.append("no Copy button")
        return
    press(copy)
    status = wait_for(lambda: first(window, lambda n: n.getRole() == pyatspi.ROLE_NOTIFICATION
                                    and n.name == EXPECTED_COPIED and showing(n)))
    if status is None:
        failures.append("Copy not announced as a notification")
    else:
        print("announced: " + EXPECTED_COPIED)

    # Refused: the rows read before keep their captions and lose their values.
    captions = [r.split(":")[0] for r in rows] + ["Required ampacity", "Voltage drop"]
    field = first(window, lambda n: n.name == "Design current"
                  and n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY))
    field.queryEditableText().setTextContents("")
    refusal = wait_for(lambda: first(window, lambda n: n.getRole() == pyatspi.ROLE_NOTIFICATION
                                     and n.name == EXPECTED_REFUSAL and showing(n)))
    if refusal is None:
        failures.append("the refusal not announced as a notification")
    else:
        print("announced: " + EXPECTED_REFUSAL)
    time.sleep(1)
    stale = [n.name for n in walk(window)
             if any(n.name.startswith(caption + ": ") for caption in captions)]
    if stale:
        failures.append("values read after a refusal: %r" % stale)
    else:
        print("refused: no value left to read")


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

    read_circuit_check(app, failures)

    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
