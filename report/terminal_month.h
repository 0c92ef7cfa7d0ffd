#pragma once

#include <cstdint>
#include <functional>

#include <optional>
#include <vector>

#include "engine/almanac.h"
#include "report/date_reading.h"
#include "report/line_output.h"

// Marks around a weekday's name in the heading (a terminal's colours), by
// weekday (0 Sunday .. 6 Saturday).
using WeekdayStyle = std::function<CellMarks(Weekday weekday)>;

// A month laid out for a terminal, UTF-8: every line within 80 columns (a
// syllable two), every day under its weekday, two lines a week: the day and
// its stem-branch, then its lunar date in the almanac ("1월" on the first day
// of a lunar month, "윤" before each day of a leap month):
//   "2027년 2월"
//   "음력 병오년 12월(신축) · 정미년 1월(임인)"
//   "-----..."
//   "일         월         화         수         목         금         토"
//   "                                                               6 병진"
//   "                                                                 12.30"
//   " 7 정사     8 무오  ..."
//   "   1월         1.2  ..."
// The second line names the lunar months the month spans, each with its 월건
// and the 세차 of its year, as the almanac gives them (" (±1일)" after an
// uncertain one); where the almanac lacks some of the month's days a line says
// so and gives the days it has.
// style puts text around a day's two parts, headingStyle around a weekday's
// name. A year outside 1..9999 or a month outside 1..12 raises EConvertError
// naming it before anything is written.
// The header's lines below the title, from the lunar readings of the month's
// days: the lunar months they span, and where the almanac lacks some days,
// the line that says which days it has.
std::vector<std::string> LunarHeaderLines(const std::vector<std::optional<LunarReading>>& days, Almanac almanac);

// The lunar months of those days, each year named where it starts:
// {"병오년 12월(신축)", "정미년 1월(임인)"}.
// The first reading of each lunar month among a month's days, in order.
std::vector<const LunarReading*> FirstDaysOfLunarMonths(const std::vector<std::optional<LunarReading>>& days);

std::vector<std::string> LunarMonthParts(const std::vector<std::optional<LunarReading>>& days);

void PrintTerminalMonth(std::int32_t year, std::int32_t month, const TextOutput& output, Almanac almanac,
                        const CellStyle& style = {}, const WeekdayStyle& headingStyle = {});
