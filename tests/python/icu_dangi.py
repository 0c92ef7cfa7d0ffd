"""ICU's Korean (dangi) calendar through PyICU, and where it and dalcal's
Korean almanac name a day differently, as runs of consecutive days.
Run as a program, prints the runs over 1391-02-13 .. 2101-01-28 (the listing
icu_dangi_differences.txt holds): PYTHONPATH=build/python icu_dangi.py"""
import datetime

import icu

import dalcal

FIRST_DAY = datetime.date(1391, 2, 13)
LAST_DAY = datetime.date(2101, 1, 28)
_IS_LEAP_MONTH = 22  # UCAL_IS_LEAP_MONTH, which PyICU does not name
_EPOCH = datetime.date(1970, 1, 1)


class DangiCalendar:
    def __init__(self):
        self.calendar = icu.Calendar.createInstance(icu.Locale("ko_KR@calendar=dangi"))
        self.calendar.setTimeZone(icu.TimeZone.getGMT())

    def month_day_leap(self, day):
        """(month, day, leap) of a Gregorian day; ICU's year is of another era."""
        self.calendar.setTime((day - _EPOCH).days * 86400.0 + 43200.0)  # noon: PyICU takes seconds
        return (self.calendar.get(icu.UCalendarDateFields.MONTH) + 1,
                self.calendar.get(icu.UCalendarDateFields.DATE),
                bool(self.calendar.get(_IS_LEAP_MONTH)))


def _lunar_text(month, day, leap):
    return f"{'윤' if leap else ''}{month}-{day}"


def difference_runs(first=FIRST_DAY, last=LAST_DAY):
    """Lines 'FROM TO DAYS dalcal Y M-D [uncertain] icu M-D' for each run of
    days on which the two differ, the run's first day's dates given."""
    dangi = DangiCalendar()
    runs = []
    previous = None
    day = first
    while day <= last:
        ours = dalcal.to_lunar(day)
        theirs = dangi.month_day_leap(day)
        if (ours.month, ours.day, ours.leap) != theirs:
            if previous is not None and (day - previous).days == 1:
                runs[-1][1] = day
            else:
                runs.append([day, day, ours, theirs])
            previous = day
        day += datetime.timedelta(days=1)
    return [f"{start} {end} {(end - start).days + 1} dalcal {ours.year} {_lunar_text(*ours[1:4])}"
            f"{' uncertain' if ours.uncertain else ''} icu {_lunar_text(*theirs)}"
            for start, end, ours, theirs in runs]


if __name__ == "__main__":
    print("\n".join(difference_runs()))
