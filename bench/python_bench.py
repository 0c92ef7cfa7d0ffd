#!/usr/bin/python3
"""The Python module's conversions per call, beside PyICU's dangi calendar
(Debian's python3-icu) on the same days, in one run: every day 1900-2050,
solar to lunar, then lunar to solar, best of five passes each.
Usage: PYTHONPATH=build/python bench/python_bench.py"""
import datetime
import time

import icu

import dalcal

_EPOCH = datetime.date(1970, 1, 1)
_IS_LEAP_MONTH = 22  # UCAL_IS_LEAP_MONTH
MONTH = icu.UCalendarDateFields.MONTH
DATE = icu.UCalendarDateFields.DATE
YEAR = icu.UCalendarDateFields.EXTENDED_YEAR


def days():
    first = datetime.date(1900, 1, 31)
    return [first + datetime.timedelta(days=n) for n in range((datetime.date(2050, 1, 22) - first).days + 1)]


def best_of(passes, work, items):
    best = float("inf")
    for _ in range(passes):
        start = time.perf_counter()
        work(items)
        best = min(best, time.perf_counter() - start)
    return best / len(items) * 1e9


def dalcal_to_lunar(items):
    to_lunar = dalcal.to_lunar
    for day in items:
        to_lunar(day)


def dalcal_to_solar(items):
    to_solar = dalcal.to_solar
    for year, month, day, leap in items:
        to_solar(year, month, day, leap)


def icu_lunar(calendar, day):
    """ICU's (year, month, day, leap) of a day, its months counted from 0."""
    calendar.setTime((day - _EPOCH).days * 86400.0 + 43200.0)  # noon: PyICU takes seconds
    return calendar.get(YEAR), calendar.get(MONTH), calendar.get(DATE), calendar.get(_IS_LEAP_MONTH)


def icu_to_lunar(calendar):
    def work(items):
        for day in items:
            icu_lunar(calendar, day)
    return work


def icu_to_solar(calendar):
    def work(items):
        for year, month, day, leap in items:
            calendar.clear()
            calendar.set(YEAR, year)
            calendar.set(MONTH, month)
            calendar.set(DATE, day)
            calendar.set(_IS_LEAP_MONTH, leap)
            calendar.getTime()
    return work


def main():
    calendar = icu.Calendar.createInstance(icu.Locale("ko_KR@calendar=dangi"))
    calendar.setTimeZone(icu.TimeZone.getGMT())
    solar = days()
    # The same lunar dates for both, each in its own numbering of years.
    lunar_dalcal = [tuple(dalcal.to_lunar(day))[:4] for day in solar]
    lunar_icu = [icu_lunar(calendar, day) for day in solar]
    print(f"{len(solar)} days, 1900-01-31 .. 2050-01-22; ns per call, best of 5 passes")
    rows = [("solar -> lunar", best_of(5, dalcal_to_lunar, solar), best_of(5, icu_to_lunar(calendar), solar)),
            ("lunar -> solar", best_of(5, dalcal_to_solar, lunar_dalcal),
             best_of(5, icu_to_solar(calendar), lunar_icu))]
    print(f"{'':16}{'dalcal':>10}{'PyICU dangi':>14}{'ratio':>8}")
    for name, ours, theirs in rows:
        print(f"{name:16}{ours:10.0f}{theirs:14.0f}{theirs / ours:7.1f}x")


if __name__ == "__main__":
    main()
