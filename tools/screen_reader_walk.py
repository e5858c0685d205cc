#!/usr/bin/python3
"""Walks the running tarvel's accessibility tree over AT-SPI, as a screen reader sees it.

On each of the four tabs, and on the Diary tab again with the calendar open, every object that is
showing and focusable must have a name that no other control of that tab shares (table cells
and tabs aside) and must not be a nameless filler; nothing a hidden ancestor holds may claim to
show. The calendar exists only while it is open. The list's weight cell is said with its day, weighing
and field through the cell's headers. Prints what it saw; exits 1 on any fault, 77 when no tarvel
shows up on the bus.

    screen_reader_walk.py CALENDAR_NAME DATE_BUTTON_NAME
"""

import sys
import time

import pyatspi

CELL_ROLES = {pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_TABLE_COLUMN_HEADER, pyatspi.ROLE_TABLE_ROW_HEADER}
# Names that may repeat: a calendar's day numbers, and a tab strip says the name of its current tab.
MAY_SHARE_NAME = CELL_ROLES | {pyatspi.ROLE_PAGE_TAB}
faults = []


def fault(text):
    faults.append(text)
    print("FAULT: " + text)


def find_app(seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == "tarvel" and app.childCount > 0:
                return app
        time.sleep(0.3)
    return None


def walk(node, shown=True, found=None, hidden=None):
    """Showing and focusable objects under node, and those that show under a hidden ancestor."""
    if found is None:
        found, hidden = [], []
    states = node.getState()
    showing = states.contains(pyatspi.STATE_SHOWING)
    if showing and states.contains(pyatspi.STATE_FOCUSABLE):
        (found if shown else hidden).append(node)
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, shown and showing, found, hidden)
    return found, hidden


def first(node, predicate):
    if predicate(node):
        return node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        hit = first(child, predicate) if child is not None else None
        if hit is not None:
            return hit
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click"):
            action.doAction(i)
            return
    action.doAction(0)


def describe(node):
    return "%s %r (%s)" % (node.getRoleName(), node.name, node.description)


def check_tab(window, label, expect_calendar, calendar_name):
    time.sleep(0.8)
    found, hidden = walk(window)
    print("== %s: %d focusable objects showing" % (label, len(found)))
    names = {}
    for node in found:
        role = node.getRole()
        if role not in CELL_ROLES:
            print("   " + describe(node))
        if not node.name.strip():
            fault("%s: %s has no name" % (label, describe(node)))
        if role == pyatspi.ROLE_FILLER:
            fault("%s: a filler takes the focus: %s" % (label, describe(node)))
        if role not in MAY_SHARE_NAME:
            names.setdefault(node.name, []).append(node.getRoleName())
    for name, roles in names.items():
        if len(roles) > 1:
            fault("%s: %d controls share the name %r (%s)" % (label, len(roles), name, ", ".join(roles)))
    for node in hidden:
        fault("%s: %s shows and takes the focus under a hidden parent" % (label, describe(node)))
    cells = [n for n in found if n.getRole() == pyatspi.ROLE_TABLE_CELL]
    print("   %d of them table cells%s" % (len(cells), ": " + " ".join(c.name for c in cells) if cells else ""))
    calendar = first(window, lambda n: n.name == calendar_name)
    if (calendar is not None) != expect_calendar:
        fault("%s: the calendar is %s the tree" % (label, "in" if calendar is not None else "missing from"))


def check_list_cell(window):
    table = first(window, lambda n: n.getRole() == pyatspi.ROLE_TABLE
                  and n.getState().contains(pyatspi.STATE_SHOWING))
    if table is None:
        fault("list: no table")
        return
    t = table.queryTable()
    print("== list: table %r, %d rows x %d columns" % (table.name, t.nRows, t.nColumns))
    cell = t.getAccessibleAt(4, 1)
    column = t.getColumnHeader(1)
    row = t.getRowHeader(4)
    said = ", ".join(x.name for x in (column, row, cell) if x is not None)
    print("   weight cell of the first record, morning: " + said)
    if column is None or row is None or not column.name or not row.name:
        fault("list: the weight cell has no row or column header")


def main():
    calendar_name, date_button_name = sys.argv[1], sys.argv[2]
    app = find_app()
    if app is None:
        print("no tarvel on the accessibility bus")
        return 77
    window = first(app, lambda n: n.getRole() == pyatspi.ROLE_FRAME)
    def tab(index):  # looked up anew each time: the tab bar's objects do not outlive a switch
        tabs = first(window, lambda n: n.getRole() == pyatspi.ROLE_PAGE_TAB_LIST)
        pages = [p for p in tabs if p is not None and p.getRole() == pyatspi.ROLE_PAGE_TAB]
        return pages[index], len(pages)

    for index in range(tab(0)[1]):
        page = tab(index)[0]
        label = "tab %r" % page.name
        press(page)
        check_tab(window, label, False, calendar_name)
        if index == 1:
            check_list_cell(window)
    press(tab(0)[0])
    time.sleep(0.5)
    date_button = first(window, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == date_button_name)
    if date_button is None:
        fault("no button named %r" % date_button_name)
        return 1
    press(date_button)
    check_tab(window, "Diary, calendar open", True, calendar_name)
    # The focus going elsewhere closes the calendar, as a click elsewhere does.
    first(window, lambda n: n.getRole() == pyatspi.ROLE_TEXT).queryComponent().grabFocus()
    check_tab(window, "Diary, calendar closed again", False, calendar_name)
    print("%d faults" % len(faults))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
