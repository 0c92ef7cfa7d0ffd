#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/holiday.h"
#include "report/day_kinds.h"
#include "report/user_dates.h"
#include "runtime/civil_date.h"

// Every day the almanac marks in a span of years, of the kinds asked for, as
// one list: public holidays, the solar terms (and 토왕용사), 기념일, 잡절 and
// the user's events, for --days and for the views that list them all.

struct MarkedDay {
    GregorianDate date;
    DayKind kind = DayKind::Holidays;
    std::string name;                         // UTF-8: a holiday's title, a term's name, an event's text
    std::optional<HolidayKind> holidayKind;   // a holiday's
    std::optional<std::int32_t> minuteOfDay;  // a term's or 토왕용사's moment, Korean civil time
    bool published = false;                   // a term at the minute KASI published
    bool uncertainDay = false;                // a moment within a minute of midnight
    bool moved = false;                       // an event kept elsewhere than its own day
};

// The days of the years fromYear..toYear (each kind within the years it is
// known for), in date order; on one day holidays, events, 기념일, 잡절, then
// terms. 토왕용사 too where withTowang (it details the terms: a caller asks
// for it where the terms are shown).
std::vector<MarkedDay> MarkedDays(std::int32_t fromYear, std::int32_t toYear, const DayKinds& kinds,
                                  const UserDates& user, bool withTowang);

// The same for one month (1..12) of a year, 토왕용사 left out.
std::vector<MarkedDay> MarkedDaysOfMonth(std::int32_t year, std::int32_t month, const DayKinds& kinds,
                                         const UserDates& user);

// KASI's own kind of a day (dateKind of its 특일정보 service): "01" a holiday,
// "02" 기념일, "03" a solar term, "04" 잡절 (토왕용사 too); none for the user's.
std::optional<const char*> KasiDateKind(const MarkedDay& day);

// The word of a day's kind after its name in the lists: "공휴일" (or the
// holiday's own kind: "대체공휴일", ...), "절기", "기념일", "잡절", "내 날짜".
std::string MarkedKindWord(const MarkedDay& day);

// A line of --days: "2027-05-08 토요일 어버이날 (기념일)", a moment after a
// term's name ("2027-05-06 목요일 입하 04:xx (절기)").
std::string MarkedDayLine(const MarkedDay& day);
