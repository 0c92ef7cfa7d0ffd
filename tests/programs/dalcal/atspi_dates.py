#!/usr/bin/python3
"""Drives the month view's own dates through AT-SPI only, as a screen reader
user would: adds a lunar birthday with the dialog (its fields found by their
labels' names), sees it in its day's cell and in the events file, changes it
and removes it from the Dates menu (the date chosen in the day's list), and
undoes the removal; the file keeps every other line. Works on X11 and as a
Wayland client (no keyboard events needed). Exits 1 with what was wrong.
Usage: atspi_dates.py EVENTS_FILE"""
import sys

import pyatspi

from atspi_common import descendants, find as find_now, press, wait_for, window

events_file = sys.argv[1]
problems = []


def find(root, role, name=None):
    """The first descendant of that role and name, waited for (and looked for
    again where one went away while the tree was read: a grid's cells are
    replaced whenever the month is shown again)."""
    return wait_for(lambda: find_now(root, role, name), 10.0)


def act(accessible):
    """Does the first of the actions a button, radio button or menu item has."""
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for wanted in ("Press", "press", "click", "Click", "toggle", "Toggle", "ShowMenu"):
        if wanted in names:
            action.doAction(names.index(wanted))
            return
    raise RuntimeError(f"{accessible.name!r} has the actions {names}")


def dialog():
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "dalcal")
    for child in app:
        if child is not None and child.getRoleName() == "dialog" and child.name == "Your date":
            return child
    return None


def file_lines():
    with open(events_file, encoding="utf-8") as f:
        return f.read().splitlines()


def menu_item(frame, name):
    """Opens the Dates menu and gives its item named name."""
    act(wait_for(lambda: find_now(frame, "menu", "Dates") or find_now(frame, "menu item", "Dates"), 10.0))
    return wait_for(lambda: find_in_app("menu item", name), 10.0)


def find_in_app(role, name):
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "dalcal")
    return find_now(app, role, name)


def go_to(frame, typed):
    box = find(frame, "text", "Go to a month or a lunar date")
    box.queryEditableText().setTextContents(typed)
    press(find(frame, "push button", "Go"))


def day_names(table):
    return [cell.name for cell in table if cell is not None and cell.getRoleName() == "table cell" and cell.name]


frame = wait_for(lambda: window("dalcal"))
if frame is None:
    sys.exit("no window titled 'dalcal'")
before = file_lines()
table = find(frame, "table")

# Add: the dialog, each field by its label.
go_to(frame, "2027-03-01")
press(find(frame, "push button", "Add a date"))
shown = wait_for(dialog, 10.0)
if shown is None:
    sys.exit("Add a date opened no dialog named 'Your date'")
find(shown, "text", "Name").queryEditableText().setTextContents("어머니 생신")
act(find(shown, "radio button", "Lunar"))
find(shown, "spin button", "Month").queryValue().currentValue = 3
find(shown, "spin button", "Day").queryValue().currentValue = 15
said = wait_for(lambda: [c.name for c in descendants(shown) if c.getRoleName() == "label" and c.name.startswith("Next:")], 10.0)
if not said:
    problems.append("the dialog says no next days")
press(find(shown, "push button", "Save"))
added = wait_for(lambda: "음력 3-15 어머니 생신" in file_lines(), 10.0)
if not added:
    problems.append(f"the file holds no line for the date added: {file_lines()}")
go_to(frame, "2027-04-21")
if not wait_for(lambda: any("어머니 생신 (음력 3.15)" in n for n in day_names(table)), 10.0):
    problems.append("no cell of April 2027 names 어머니 생신 (음력 3.15)")

# Change: the chosen date of the day, from the menu.
item = menu_item(frame, "Edit the chosen date...")
if item is None:
    sys.exit("no menu item 'Edit the chosen date...'\n" + "\n".join(problems))
act(item)
shown = wait_for(dialog, 10.0)
if shown is None or find(shown, "text", "Name").queryText().getText(0, -1) != "어머니 생신":
    sys.exit("Edit opened no dialog of 어머니 생신\n" + "\n".join(problems))
find(shown, "text", "Name").queryEditableText().setTextContents("어머니 생신날")
press(find(shown, "push button", "Save"))
if not wait_for(lambda: "음력 3-15 어머니 생신날" in file_lines(), 10.0):
    problems.append(f"the line was not changed: {file_lines()}")

# Remove, asked once by name; then undo.
act(menu_item(frame, "Delete the chosen date..."))
remove = wait_for(lambda: find_in_app("push button", "Remove"), 10.0)
if remove is None:
    sys.exit("Delete asked nothing\n" + "\n".join(problems))
press(remove)
if not wait_for(lambda: file_lines() == before, 10.0):
    problems.append(f"after the removal the file is not as before: {file_lines()}")
act(menu_item(frame, "Undo"))
if not wait_for(lambda: file_lines() == before + ["음력 3-15 어머니 생신날"], 10.0):
    problems.append(f"Undo did not bring the line back: {file_lines()}")
if problems:
    sys.exit("\n".join(problems))
print("AT-SPI: a lunar date added with the dialog, shown, changed, removed and the removal undone")
