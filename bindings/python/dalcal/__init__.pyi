import datetime
import enum
import os
import zoneinfo
from typing import Any, Literal, NamedTuple, Union

Almanac = Literal["korea", "classic"]

__version__: str
library_version: str
KOREA_TIME: zoneinfo.ZoneInfo

class LunarDate(tuple[int, int, int, bool, bool]):
    @property
    def year(self) -> int: ...
    @property
    def month(self) -> int: ...
    @property
    def day(self) -> int: ...
    @property
    def leap(self) -> bool: ...
    @property
    def uncertain(self) -> bool: ...

class HolidayKind(enum.IntEnum):
    HOLIDAY = 0
    SUBSTITUTE = 1
    ELECTION = 2
    DESIGNATED = 3

class Holiday(NamedTuple):
    date: datetime.date
    name: str
    kind: HolidayKind
    title: str
    kind_name: str
    added: bool
    scheduled: bool

class SolarTerm(NamedTuple):
    index: int
    name: str
    moment: datetime.datetime
    uncertain: bool

def to_lunar(date: datetime.date, /, almanac: Almanac = "korea") -> LunarDate: ...
def to_solar(year: int, month: int, day: int, leap: bool = False, *, almanac: Almanac = "korea") -> datetime.date: ...
def holidays(year: int, holidays_file: Union[str, os.PathLike[str], None] = None) -> list[Holiday]: ...
def solar_terms(year: int) -> list[SolarTerm]: ...
def reading(date: datetime.date, almanac: Almanac = "korea") -> dict[str, Any]: ...
