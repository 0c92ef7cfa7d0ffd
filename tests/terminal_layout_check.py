#!/usr/bin/python3
"""Checks dalcal-print's terminal layout of a year (stdin, UTF-8): no line over
80 columns (a Korean syllable two), and in every month each day's number
under the heading of its weekday (the number ends where the weekday's name
ends). Exits 1 naming the first fault."""
import calendar
import re
import sys
import unicodedata

COLUMN = 11
year = int(sys.argv[1])


def width(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in text)


month = 0
weekday_columns = None
faults = []
checked = 0
for number, line in enumerate(sys.stdin.read().split("\n"), 1):
    if width(line) > 80:
        faults.append(f"line {number} is {width(line)} columns")
    title = re.fullmatch(r"(\d+)년 (\d+)월", line)
    if title:
        month = int(title.group(2))
        continue
    if line.startswith("일 "):  # the heading: where each weekday's name ends
        weekday_columns = {m.group(): width(line[:m.end()]) for m in re.finditer(r"\S+", line)}
        continue
    if not month or weekday_columns is None:
        continue
    for m in re.finditer(r"(?:^|(?<= ))(\d{1,2}) [가-힣]{2}(?= |$)", line):
        day = int(m.group(1))
        column = width(line[:m.end(1)])  # where the day's number ends
        weekday = (calendar.weekday(year, month, day) + 1) % 7  # Sunday first
        name = "일월화수목금토"[weekday]
        checked += 1
        if column != weekday_columns.get(name):
            faults.append(f"{year}-{month}-{day} at column {column}, its weekday {name} at {weekday_columns.get(name)}")
days = 366 if calendar.isleap(year) else 365
if checked != days:
    faults.append(f"{checked} days found in the year, not {days}")
if faults:
    sys.exit("; ".join(faults[:3]))
