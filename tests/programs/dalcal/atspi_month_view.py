#!/usr/bin/python3
"""Reads and drives the running month view (dalcal --calendar) as a screen
reader does, through AT-SPI only: the window found by its title, the buttons
named by what they do, a month typed into the go-to box (EditableText) and
its button pressed (Action), every day of February 2027 named in full in the
table, the selected day's reading read back; on X11 also the keyboard (the
registry's key events): PgDn to the next month the moment it opens, and
again after a month was typed. Exits 1 with what was wrong."""
import sys

import pyatspi

from atspi_common import descendants, find, press, wait_for, window

TITLE = "dalcal"
BUTTONS = ["Previous month", "Today", "Add a date", "Next month", "Go"]
SETTING_NEW_YEAR = "2027년 2월 7일 일요일, 음력 1월 1일, 설날 (공휴일)"
problems = []


def day_names(table):
    return [cell.name for cell in table if cell is not None and cell.getRoleName() == "table cell" and cell.name]


frame = wait_for(lambda: window(TITLE))
if frame is None:
    sys.exit(f"no window titled {TITLE!r} of an application 'dalcal' on the AT-SPI bus")
buttons = {name: find(frame, "push button", name) for name in BUTTONS}
problems += [f"no button named {name!r}" for name, button in buttons.items() if button is None]
box = find(frame, "text")
table = find(frame, "table")
if box is None or table is None:
    problems.append(f"the go-to box ({box}) or the table of days ({table}) is missing")
if problems:
    sys.exit("\n".join(problems))

if len(sys.argv) > 1 and sys.argv[1] == "--keyboard":
    # The keys work the moment the window opens: no click, no Tab first.
    first = wait_for(lambda: day_names(table), 10.0)
    month = first[0].split(" ")[:2] if first else []  # ["2026년", "12월"]
    pyatspi.Registry.generateKeyboardEvent(0xFF56, None, pyatspi.KEY_SYM)  # Page Down
    moved = wait_for(lambda: day_names(table) and day_names(table)[0].split(" ")[:2] != month, 10.0)
    if not moved:
        problems.append(f"Page Down at once did not move the table past {' '.join(month)}")

box.queryEditableText().setTextContents("2027 2")
press(buttons["Go"])
named = wait_for(lambda: SETTING_NEW_YEAR in day_names(table), 10.0)
names = day_names(table)
if not named:
    problems.append(f"no day named {SETTING_NEW_YEAR!r}; the table names {names[:10]}")
elif len(names) != 28:
    problems.append(f"February 2027 has 28 days; the table names {len(names)}")
reading = wait_for(lambda: find(frame, "label") and [
    label.name for label in descendants(frame) if label.getRoleName() == "label" and label.name.startswith("2027-02-")])
if not reading:
    problems.append("no label reads the selected day of February 2027")

bad_line = [label.name for label in descendants(frame)
            if label.getRoleName() == "label" and label.name.endswith("/dalcal/events:2: month 2 has no day 30")]
if not bad_line:
    problems.append("no label names the bad line of the events file")

if len(sys.argv) > 1 and sys.argv[1] == "--keyboard":
    pyatspi.Registry.generateKeyboardEvent(0xFF56, None, pyatspi.KEY_SYM)  # Page Down, the grid focused after Go
    moved = wait_for(lambda: any(name.startswith("2027년 3월") for name in day_names(table)), 10.0)
    if not moved:
        problems.append("Page Down did not move the table to March 2027")
if problems:
    sys.exit("\n".join(problems))
print(f"AT-SPI: the month view, its {len(BUTTONS)} buttons and {len(names)} days named; typed, pressed, read back")
