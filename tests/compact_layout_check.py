#!/usr/bin/python3
"""Checks dalcal-print's compact layout (stdin, UTF-8) of the months of a
year: no line wider than WIDTH columns (a Korean syllable two); in every
month, side by side or alone, each day's number ending where its weekday's
name ends, and the lunar day under it ending there too; every day of the
year found once; a year's title centred over its months. Usage:
compact_layout_check.py YEAR WIDTH. Exits 1 naming the first fault."""
import calendar
import re
import sys
import unicodedata

year, limit = int(sys.argv[1]), int(sys.argv[2])
WEEKDAYS = "일월화수목금토"


def width(text):
    return sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in text)


def tokens(line):
    """(text, column where it ends) of each word of a line."""
    return [(m.group(), width(line[:m.end()])) for m in re.finditer(r"\S+", line)]


faults = []
found = set()
months = []  # the months of the titles above the next heading, left to right
lines = sys.stdin.read().split("\n")
number = 0
while number < len(lines):
    line = lines[number]
    number += 1
    if width(line) > limit:
        faults.append(f"line {number} is {width(line)} columns")
    titles = [int(m.group(1)) for m in re.finditer(r"\d+년 (\d+)월", line)]
    if titles:
        months = titles
        continue
    words = [word for word, _ in tokens(line)]
    if not words or len(words) % 7 or any(w != WEEKDAYS[i % 7] for i, w in enumerate(words)):
        continue
    ends = [end for _, end in tokens(line)]  # the heading: where each weekday's name ends
    groups = [ends[i:i + 7] for i in range(0, len(ends), 7)]
    if len(groups) != len(months):
        faults.append(f"line {number}: {len(groups)} headings under {len(months)} titles")
        continue
    while number + 1 < len(lines) and re.fullmatch(r"[\d ]+", lines[number]):
        days, under = tokens(lines[number]), tokens(lines[number + 1])
        if width(lines[number]) > limit or width(lines[number + 1]) > limit:
            faults.append(f"line {number + 1} or {number + 2} is over {limit} columns")
        for text, end in days:
            group = next((g for g, columns in enumerate(groups) if end in columns), None)
            if group is None:
                faults.append(f"line {number + 1}: day {text} ends at column {end}, under no weekday")
                continue
            month, day = months[group], int(text)
            weekday = (calendar.weekday(year, month, day) + 1) % 7  # Sunday first
            if groups[group].index(end) != weekday:
                faults.append(f"{year}-{month}-{day} under {WEEKDAYS[groups[group].index(end)]}")
            if (month, day) in found:
                faults.append(f"{year}-{month}-{day} twice")
            found.add((month, day))
        day_ends = {end for _, end in days}
        for text, end in under:
            if end not in day_ends or not re.fullmatch(r"(윤)?\d+(월)?", text):
                faults.append(f"line {number + 2}: lunar {text!r} ends at column {end}, under no day")
        number += 2
    months = []
# A year's title centred over its rows of months (within a column).
title = lines[0] if lines else ""
if re.fullmatch(r"\s*\d+년", title):
    headings = [width(line.rstrip()) for line in lines if re.fullmatch(r"(\s*[일월화수목금토]){7,}\s*", line)]
    lead = len(title) - len(title.lstrip())
    if headings and abs(2 * lead + width(title.strip()) - max(headings)) > 2:
        faults.append(f"the title {title.strip()!r} is not centred over {max(headings)} columns")
expected = 366 if calendar.isleap(year) else 365
if found and len(found) != expected:
    faults.append(f"{len(found)} days found in the year, not {expected}")
if not found:
    faults.append("no day found")
if faults:
    sys.exit("; ".join(faults[:3]))
