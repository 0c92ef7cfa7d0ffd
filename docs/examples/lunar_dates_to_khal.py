#!/usr/bin/python3
"""Writes a family's lunar dates for a span of lunar years into a vdir, the
folder of .ics files that khal (and vdirsyncer) read: one all-day event a
file, each named by a UID that stays the same when the script runs again.

Usage: lunar_dates_to_khal.py VDIR FROM-YEAR TO-YEAR "M-D NAME"...
  a date is lunar: "3-15 어머니 생신", "윤6-1 할머니 생신" (of a leap month).
Where a year lacks the date, it is kept as people keep it: day 30 on the
month's last day, a leap month's day in the month it repeats."""
import datetime
import hashlib
import pathlib
import re
import sys

import dalcal


def parse_entry(text):
    """'윤6-1 할머니 생신' -> (6, 1, True, '할머니 생신')."""
    match = re.fullmatch(r"\s*(윤)?(\d{1,2})-(\d{1,2})\s+(\S.*?)\s*", text)
    if not match:
        raise SystemExit(f'"{text}": expected "M-D NAME" or "윤M-D NAME" (a lunar date and a name)')
    leap, month, day, name = match.groups()
    return int(month), int(day), leap is not None, name


def parse_year(text):
    if not re.fullmatch(r"\d{1,4}", text.strip()):
        raise SystemExit(f'"{text}": expected a year (FROM-YEAR TO-YEAR, such as 2026 2035)')
    return int(text)


def observed_day(year, month, day, leap):
    """The day a lunar date is kept in a year, and a note where it moved."""
    tries = [(month, day, leap), (month, 29, leap), (month, day, False), (month, 29, False)]
    refusals = []
    for tried_month, tried_day, tried_leap in tries:
        try:
            solar = dalcal.to_solar(year, tried_month, tried_day, tried_leap)
        except ValueError as refusal:
            refusals.append(refusal)
            continue
        moved = (tried_day, tried_leap) != (day, leap)
        return solar, f" (그해에 없어 음력 {'윤' if tried_leap else ''}{tried_month}월 {tried_day}일)" if moved else ""
    raise refusals[0]


def escaped(text):
    return text.replace("\\", "\\\\").replace(";", "\\;").replace(",", "\\,").replace("\n", "\\n")


def folded(line):
    """An RFC 5545 content line folded at 75 octets, not within a character."""
    pieces, current = [], b""
    for character in line:
        encoded = character.encode("utf-8")
        if len(current) + len(encoded) > (75 if not pieces else 74):
            pieces.append(current)
            current = b""
        current += encoded
    pieces.append(current)
    return b"\r\n ".join(pieces).decode("utf-8")


def event(uid, name, solar, description, stamp):
    lines = ["BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//dalcal//lunar_dates_to_khal//KO", "BEGIN:VEVENT",
             f"UID:{uid}", f"DTSTAMP:{stamp}", f"DTSTART;VALUE=DATE:{solar:%Y%m%d}",
             f"DTEND;VALUE=DATE:{solar + datetime.timedelta(days=1):%Y%m%d}", f"SUMMARY:{escaped(name)}",
             f"DESCRIPTION:{escaped(description)}", "TRANSP:TRANSPARENT", "END:VEVENT", "END:VCALENDAR"]
    return "".join(folded(line) + "\r\n" for line in lines)


def main(arguments):
    if len(arguments) < 4:
        raise SystemExit(__doc__.split("\n\n")[1])
    vdir = pathlib.Path(arguments[0])
    first, last = (parse_year(text) for text in arguments[1:3])
    entries = [parse_entry(text) for text in arguments[3:]]
    vdir.mkdir(parents=True, exist_ok=True)
    stamp = datetime.datetime.now(datetime.timezone.utc).strftime("%Y%m%dT%H%M%SZ")
    for month, day, leap, name in entries:
        key = hashlib.sha1(f"{month}-{day}-{leap}-{name}".encode("utf-8")).hexdigest()[:16]
        for year in range(first, last + 1):
            try:
                solar, moved = observed_day(year, month, day, leap)
            except ValueError as refusal:
                print(f"{name}: {refusal}", file=sys.stderr)
                continue
            lunar = f"음력 {year}년 {'윤' if leap else ''}{month}월 {day}일"
            uid = f"{key}-{year}@lunar-dates.dalcal"
            (vdir / f"{key}-{year}.ics").write_text(event(uid, name, solar, lunar + moved, stamp),
                                                     encoding="utf-8", newline="")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
