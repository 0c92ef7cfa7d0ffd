#pragma once

#include <cstdint>
#include <functional>

#include "engine/almanac.h"
#include "report/line_output.h"
#include "report/terminal_month.h"
#include "report/user_dates.h"

// The calendar for narrow terminals and a year on one screen, UTF-8: each day
// under its weekday with its lunar day below it, the stem-branches left to
// the full layout and to a date's reading.

// A month within 40 columns, two lines a week, five columns a day: the day,
// then its lunar day ("1월" on the first day of a lunar month, "윤6" on the
// first day of a leap month, else the day's number):
//   "2027년 2월"
//   "음력 병오년 12월(신축)"
//   " · 정미년 1월(임인)"            (the lunar months, wrapped within 40)
//   "-----------------------------------"
//   "  일   월   화   수   목   금   토"
//   "          1    2    3    4    5    6"
//   "         25   26   27   28   29   30"
// A year or month that does not exist raises EConvertError before anything
// is written.
void PrintCompactMonth(std::int32_t year, std::int32_t month, const TextOutput& output, Almanac almanac,
                       const CellStyle& style = {}, const WeekdayStyle& headingStyle = {});

// The style of each month's days (1..12), for a year's colours.
using MonthStyles = std::function<CellStyle(std::int32_t month)>;

// A year as cal -y shows one, within columns (at least 40): as many months to
// a row as fit (three in 67 columns), each 21 columns wide, three a day, under
// its title the lunar months it spans ("음력 12·1월"), each day's lunar day
// below it; then, in Korea's almanac, the year's holidays, two to a line
// where they fit. About 70 lines in 80 columns.
void PrintCompactYear(std::int32_t year, const TextOutput& output, Almanac almanac, std::int32_t columns,
                      const UserDates& user = {}, const MonthStyles& styles = {},
                      const WeekdayStyle& headingStyle = {});

// How many months a row holds within a terminal's columns (1..3).
std::int32_t MonthsAcross(std::int32_t columns);
