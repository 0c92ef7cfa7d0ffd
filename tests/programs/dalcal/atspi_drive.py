#!/usr/bin/python3
"""Reads and drives the running dalcal window as a screen reader does, through
AT-SPI only: the window found by its title, every control's role and name,
then a year and a month typed (EditableText), the button pressed (Action) and
the appended month read back (Text). Exits 1 with what was wrong."""
import sys

from atspi_common import press, wait_for, window

TITLE = "Form1"
CONTROLS = {  # accessible name: role
    "연도": "text",
    "월": "text",
    "달력 추가: 입력한 연도와 월의 달력을 아래에 덧붙임": "push button",
    "달력": "text",
}
EXPECTED_LINES = [
    # the notice names the events file under the home folder as "~"
    "달마다 그 아래에 공휴일, 절기와 내 날짜(~/config/dalcal/events)를 표시함 ",
    " 7(정사) 1. 1|",  # 설날 2027 in Korea's almanac
    " 2월  7일(일) 설날",
    " 2월  4일(목) 입춘 10:46",
    " 2월 11일(목) 어머니 생신 (음력 1.5)",  # from the test's events file
]
# The line of the events file the program cannot read, named in the text box.
BAD_LINE = "/dalcal/events:2: month 2 has no day 30"
problems = []


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


frame = wait_for(lambda: window(TITLE))
if frame is None:
    sys.exit(f"no window titled {TITLE!r} of an application 'dalcal' on the AT-SPI bus")
if frame.getRoleName() != "frame":
    problems.append(f"the window's role is {frame.getRoleName()!r}, not 'frame'")

controls = {}
for child in frame:
    if child is None:
        continue
    name, role = child.name, child.getRoleName()
    if name in controls:
        problems.append(f"two controls are named {name!r}")
    controls[name] = child
    if CONTROLS.get(name) != role:
        problems.append(f"a {role!r} named {name!r}: expected one of {CONTROLS}")
for name in CONTROLS:
    if name not in controls:
        problems.append(f"no control named {name!r}")
if problems:
    sys.exit("\n".join(problems))

year, month, button, memo = (controls[name] for name in CONTROLS)
for box, typed in ((year, "2027"), (month, "2")):
    box.queryEditableText().setTextContents(typed)
    if text_of(box) != typed:
        problems.append(f"typed {typed!r} into {box.name!r}, which holds {text_of(box)!r}")
press(button)

if not any(line.endswith(BAD_LINE) for line in text_of(memo).split("\n")):
    problems.append(f"the text box does not name the bad line ({BAD_LINE!r}): {text_of(memo)[:300]!r}")
shown = wait_for(lambda: all(line in text_of(memo) for line in EXPECTED_LINES) and text_of(memo), 10.0)
if not shown:
    lines = text_of(memo).split("\n")
    problems.append("the text box lacks " + repr([line for line in EXPECTED_LINES if line not in lines]) +
                    "; it ends with " + repr(lines[-12:]))
if problems:
    sys.exit("\n".join(problems))
print(f"AT-SPI: {TITLE} and its {len(CONTROLS)} controls named; typed, pressed, read back")
