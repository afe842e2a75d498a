#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the Project window, opened on the office example, over AT-SPI as a screen reader
does: a board chosen in the tree (its row selected through the table interface) shows its circuits, and the grid is a
table whose cells are read with their column's and row's headers. Exits 0 when all of it
holds."""

import sys
import time

import pyatspi

from read_result import first, wait_for, walk

# The office example's board DB1: C1 and C2, in the file's order.
EXPECTED_CELLS = [(0, "Id", "C1"), (1, "Id", "C2"), (1, "Design current (A)", "32")]


def find_window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "ferrovolt":
            for window in app:
                if window is not None and window.name.endswith("— Project"):
                    return window
    return None


def main():
    window = wait_for(find_window, 60)
    if window is None:
        print("the Project window did not appear on the accessibility bus")
        return 1
    failures = []
    board = first(window, lambda n: n.getRole() == pyatspi.ROLE_TABLE_CELL
                  and n.name == "Board DB1")
    grid = first(window, lambda n: n.getRole() == pyatspi.ROLE_TABLE
                 and n.name == "Circuits of the board")
    if board is None or grid is None:
        print("FAIL: no tree item Board DB1 or no table named Circuits of the board")
        return 1
    tree = board.parent
    tree.queryTable().addRowSelection(tree.queryTable().getRowAtIndex(board.getIndexInParent()))
    table = grid.queryTable()
    end = time.monotonic() + 10
    while table.nRows != 2 and time.monotonic() < end:
        time.sleep(0.3)
    if table.nRows != 2:
        failures.append("the grid of DB1 has %d rows, not 2" % table.nRows)
    else:
        headers = [table.getColumnHeader(c).name for c in range(table.nColumns)]
        for row, header, name in EXPECTED_CELLS:
            if header not in headers:
                failures.append("no column headed %r: %r" % (header, headers))
                continue
            column = headers.index(header)
            cell = table.getAccessibleAt(row, column)
            said = "%s, %s, row %s" % (cell.name, header, table.getRowHeader(row).name)
            if said != "%s, %s, row %d" % (name, header, row + 1):
                failures.append("cell read as %r" % said)
            elif (table.getRowAtIndex(cell.getIndexInParent()) != row
                  or table.getColumnAtIndex(cell.getIndexInParent()) != column):
                failures.append("%r does not know its row and column" % said)
            else:
                print("read: " + said)
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
