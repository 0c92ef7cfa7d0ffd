#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Between the parts of a line (a day's reading, the lunar months a month
// spans, the calendars a file holds): " · ".
extern const char* const kPartSeparator;

// Before the lunar dates of a grid's header: "음력 ".
extern const char* const kLunarPrefix;

// After a 기념일's name where the other kinds of day stand beside it: " (기념일)".
extern const char* const kAnniversaryMark;

// A lunar month a grid spans, as its header names it: "12월(신축)", with its
// year first where the year changes: "병오년 12월(신축)"; "윤6월(계미)",
// " (±1일)" after an uncertain one.
std::string LunarMonthPart(const LunarReading& firstDay, bool withYear);

// The lunar months a month spans, short: "음력 12·1월", "음력 6·윤6월" (one
// reading a month: its first day in the month); empty where it has none.
std::string ShortLunarMonthsText(const std::vector<const LunarReading*>& months);

// Under a day in a narrow grid: "1월" or "윤6" on a lunar month's first day,
// else its day.
std::string ShortLunarDayText(const LunarReading& lunar);

// Where an almanac lacks days of a month, which it has:
// "한국천문연구원 역법의 음력은 1391-02-13부터 2101-01-28까지만 있음".
std::string AlmanacSpanLine(Almanac almanac);

// A day's stem-branch as its name: "정사일".
void AppendDayName(std::string& out, const StemBranch& position);

// A user's date as its rule says it: "음력 윤6.1", "양력 2.29".
void AppendRuleDateText(std::string& out, bool lunar, std::int32_t month, std::int32_t day, bool leap);

// What a year lacking a user's date does, empty where every year has it:
// "윤6월이 없는 해에는 6월 1일에", "음력 12월 30일이 없는 해에는 29일에",
// "양력 2월 29일이 없는 해에는 28일에".
std::string LackingYearText(bool lunar, std::int32_t month, std::int32_t day, bool leap);

// After a month's title where its lunar dates are the classic table's: " (옛 음력표)".
extern const char* const kClassicTableMark;

// After a date that was moved off its own day: "옮김".
extern const char* const kMovedMark;

// A cell or a list that cannot hold the rest: "외 3건".
std::string MoreItemsText(std::int32_t count);

// What follows a day's reading where a lunar anniversary was moved onto it
// (day 30 onto 29, a leap month's date into the ordinary month), as an event
// says it: " (음력 12월 30일, 옮김)".
std::string MovedAnniversaryNote(std::int32_t lunarMonth, std::int32_t lunarDay, bool leap);
