#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/almanac.h"
#include "engine/holidays.h"
#include "engine/sexagenary.h"
#include "engine/solar_terms.h"
#include "report/almanac_days.h"
#include "report/user_dates.h"
#include "runtime/civil_date.h"

// Everything the program knows of one Gregorian day, computed once and then
// written as text (DateReadingLine) or as JSON and iCalendar by the programs.

struct LunarReading {
    LunarDate date;    // leap = 1 in a leap month
    StemBranch year;   // 세차 of the lunar year
    StemBranch month;  // 월건 of the lunar month (a leap month: the month it repeats)
    bool uncertain;    // a computed month that may begin a day earlier or later
};

struct DateReading {
    GregorianDate date;
    Weekday weekday;
    StemBranch day;  // 일진
    Almanac almanac;
    std::optional<LunarReading> lunar;             // none outside the almanac
    std::optional<std::vector<Holiday>> holidays;  // none where the year's holidays are not known
    std::optional<SolarTerm> solarTerm;            // the term that falls on the day, if any
    std::vector<EventDay> events;                  // the user's events that fall on the day
    std::vector<MarkedDay> almanacDays;            // its 기념일, 잡절 and 토왕용사, of the kinds shown
};

// The lunar part alone of a day's reading (none outside the almanac), for
// callers that need no holidays and terms; the day must exist.
std::optional<LunarReading> ReadLunarDate(Almanac almanac, const GregorianDate& date);

// The reading of a day of years 1..9999 (EConvertError for one that does not
// exist), with the user's added holidays and events; 기념일 and 잡절 (with
// 토왕용사, a kind of its own of the terms) where kinds shows them.
DateReading ReadDate(Almanac almanac, const GregorianDate& date, const UserDates& user = {},
                     const DayKinds& kinds = kEveryKind);

// One line of UTF-8 text, the ISO date first:
//   "2027-02-07 일요일 정사일 · 음력 2027년 1월 1일 (정미년 임인월) · 설날 (공휴일)"
// then " (±1일)" after an uncertain lunar date, each holiday with its kind,
// the solar term with its Korean time, the user's events (EventText), then
// "어버이날 (기념일)", "초복", "토왕용사 10:12"; outside the almanac "음력 없음",
// and "공휴일 모름" for a year whose holidays are not known.
std::string DateReadingLine(const DateReading& reading);

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
