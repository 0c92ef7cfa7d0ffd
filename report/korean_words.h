#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/almanac.h"
#include "engine/holidays.h"
#include "engine/sexagenary.h"
#include "report/lunar_reading.h"

// The Korean words every view writes (UTF-8): weekdays, stem-branches, month
// titles, holidays with their kind, and the marks written beside dates.

// "일요일" .. "토요일", and "일" .. "토" (weekday 0 Sunday .. 6 Saturday).
const char* WeekdayName(Weekday weekday);
const char* WeekdaySyllable(Weekday weekday);

// "정사", and the same onto the end of out.
std::string StemBranchName(const StemBranch& position);
void AppendStemBranchName(std::string& out, const StemBranch& position);

// "2027년", "2027년 2월", and a day with its weekday, "2027년 2월 7일 일요일".
std::string YearTitle(std::int32_t year);
std::string MonthTitle(std::int32_t year, std::int32_t month);
std::string DayTitle(const GregorianDate& date);

// A day of a year: "2월 7일"; aligned, each number two columns wide as the
// month's lists line them up (" 2월  7일"). With the weekday: "2월 7일(일)".
void AppendMonthDay(std::string& out, std::int32_t month, std::int32_t day, bool aligned = false);
void AppendMonthDayWeekday(std::string& out, const GregorianDate& date, bool aligned = false);

// How a listed day's line begins: "2027-02-04 목요일 입춘 05:46" (the time
// where it has one).
void AppendListedDay(std::string& out, const GregorianDate& date, std::string_view name,
                     std::optional<std::int32_t> minuteOfDay);

// A lunar day of a year: "음력 3월 15일", "음력 윤6월 1일".
std::string LunarMonthDayText(std::int32_t lunarMonth, std::int32_t lunarDay, bool leap);

// A holiday's name and its kind in parentheses, "설날 (공휴일)"; a name that
// ends with its kind says it once: "설 연휴 임시공휴일". With markAdded, a day
// the user added says so: "(공휴일, 추가)", "임시공휴일 (추가)"; a regular
// election the statute schedules says "(선거일, 예정)".
// A holiday as a title: its name, "설날 대체공휴일" for a substitute day.
std::string HolidayTitle(const Holiday& holiday);

std::string HolidayText(const Holiday& holiday, bool markAdded);

// After a date or a time that may be a day off: a computed lunar month whose
// new moon, or a solar term, falls within minutes of midnight.
extern const char* const kUncertainMark;

// Before the number of a leap lunar month: "윤6월", "윤6.1".
extern const char* const kLeapMonthPrefix;

// Beside a regular election the statute schedules, not yet announced: "예정",
// and the longer words of a calendar event's description.
extern const char* const kScheduledMark;
extern const char* const kScheduledElectionNote;

// The lunar date and its stem-branches, UTF-8:
// "음력 2025년 윤6월 1일 (을사년 계미월)", " (±1일)" after an uncertain one.
std::string LunarDateText(const LunarReading& lunar);
void AppendLunarDateText(std::string& out, const LunarReading& lunar);  // the same onto the end of out

// A day's lunar date under it in a grid: "1월" on a lunar month's first
// day, "12.30" on the others, "윤" before a leap month's ("윤6월", "윤6.2").
std::string LunarDayText(const LunarReading& lunar);

// The line for a year that lacks a lunar date, with why (found: the lookup
// that failed): "2024년 음력 12월 30일 없음 (그해 12월은 29일까지)",
// "2026년 음력 윤6월 1일 없음 (그해 윤달 없음)", "(그해 윤달은 윤4월)".
std::string MissingLunarDateLine(std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay, bool leap,
                                 const LunarDateLookup& found);

// What follows a day's reading where a lunar anniversary was moved onto it
// (day 30 onto 29, a leap month's date into the ordinary month), as an event
// says it: " (음력 12월 30일, 옮김)".
std::string MovedAnniversaryNote(std::int32_t lunarMonth, std::int32_t lunarDay, bool leap);
