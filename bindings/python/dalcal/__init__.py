"""Korea's calendar: the lunar calendar as KASI publishes it (lunar years
1391-2050, computed from the Sun and the Moon to 2100) or the classic table
of 1900-2049, the 24 solar terms to the minute and Korea's public holidays.

    >>> import datetime, dalcal
    >>> dalcal.to_lunar(datetime.date(2027, 2, 7))
    dalcal.LunarDate(year=2027, month=1, day=1, leap=False, uncertain=False)
    >>> dalcal.to_solar(2025, 6, 1, leap=True)
    datetime.date(2025, 7, 25)

A date the calendar lacks, or one outside what it knows, raises ValueError
with the library's explanation.
"""
import datetime
import enum
import json
import os
import zoneinfo
from typing import Any, NamedTuple, Union

from ._dalcal import LunarDate, library_version, to_lunar, to_solar
from . import _dalcal

__all__ = ["LunarDate", "Holiday", "HolidayKind", "SolarTerm", "to_lunar", "to_solar",
           "holidays", "solar_terms", "reading", "KOREA_TIME"]
__version__ = library_version

KOREA_TIME = zoneinfo.ZoneInfo("Asia/Seoul")


def _named_repr(self) -> str:
    """dalcal.NAME(field=value, ...), as LunarDate's own."""
    fields = ", ".join(f"{name}={value!r}" for name, value in zip(self._fields, self))
    return f"dalcal.{type(self).__name__}({fields})"


class HolidayKind(enum.IntEnum):
    """What makes a day a public holiday."""
    HOLIDAY = 0      # 공휴일
    SUBSTITUTE = 1   # 대체공휴일
    ELECTION = 2     # 선거일
    DESIGNATED = 3   # 임시공휴일

    def __repr__(self) -> str:
        return f"dalcal.HolidayKind.{self.name}"


class Holiday(NamedTuple):
    """A public holiday: its date, name ("설날"; a substitute day's is its
    holiday's), kind, title as a calendar shows it ("설날 대체공휴일"), the
    kind's Korean name, whether it came from the holidays file given, and
    whether it is a regular election the statute schedules, not yet announced."""
    date: datetime.date
    name: str
    kind: HolidayKind
    title: str
    kind_name: str
    added: bool
    scheduled: bool

    __repr__ = _named_repr


class SolarTerm(NamedTuple):
    """One of the 24 solar terms: its index in the year (0 소한 .. 23 동지),
    its name, its moment (aware, in Korea's time zone) and whether the moment
    lies within a minute of midnight, so that its day may be the other one."""
    index: int
    name: str
    moment: datetime.datetime
    uncertain: bool

    __repr__ = _named_repr


def holidays(year: int, holidays_file: Union[str, os.PathLike, None] = None) -> list[Holiday]:
    """Korea's public holidays of a year (2014-2100) in date order, with the
    days of holidays_file added (one a line: YYYY-MM-DD NAME [KIND])."""
    return [Holiday(day, name, HolidayKind(kind), title, kind_name, added, scheduled)
            for day, name, kind, title, kind_name, added, scheduled in _dalcal._holidays(year, holidays_file)]


def solar_terms(year: int) -> list[SolarTerm]:
    """The 24 solar terms of a year (1900-2100) in order, to the minute."""
    return [SolarTerm(index, name, _korean_moment(utc), uncertain)
            for index, name, utc, uncertain in _dalcal._solar_terms(year)]


def reading(date: datetime.date, almanac: str = "korea") -> dict[str, Any]:
    """A day read whole: the document dalcal-print --json DATE prints, as a dict."""
    return json.loads(_dalcal._reading_json(date, almanac))


def __dir__() -> list[str]:
    """The interface only, not the modules it is written with."""
    return sorted([*__all__, "__version__"])


def _korean_moment(utc: tuple[int, int, int, int, int]) -> datetime.datetime:
    return datetime.datetime(*utc, tzinfo=datetime.timezone.utc).astimezone(KOREA_TIME)
