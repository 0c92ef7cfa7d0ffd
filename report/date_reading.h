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
#include "report/korean_words.h"
#include "report/lunar_reading.h"
#include "report/user_dates.h"
#include "runtime/civil_date.h"

// Everything the program knows of one Gregorian day, computed once and then
// written as text (DateReadingLine) or as JSON and iCalendar by the programs.

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
