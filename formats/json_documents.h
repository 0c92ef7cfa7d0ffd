#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/holidays.h"
#include "engine/solar_terms.h"
#include "report/almanac_days.h"
#include "report/date_reading.h"
#include "report/upcoming.h"

// The JSON documents of dalcal-print, UTF-8, one a run; their keys are fixed
// (README, dalcal-print(1)) and their values typed, null where not known.

// The files added holidays came from, by Holiday::source: a holiday's
// "source" is its file, or "built-in".
using HolidaySources = std::vector<std::string>;

// A day: {date, weekday, dayStemBranch, almanac, lunar, holidays, solarTerm,
// events, almanacDays}; a holiday {name, kind, source}, an event {name,
// moved, rule}, a term {name, time, utc, uncertain, source} with source
// "kasi" (the minute KASI published) or "computed", an almanac day (기념일,
// 잡절, 토왕용사) {name, type, dateKind, time}: type "anniversary" or
// "sundry", dateKind KASI's ("02" 기념일, "04" 잡절).
std::string DateReadingJson(const DateReading& reading, const HolidaySources& sources = {});

// Days whole, as DateReadingJson gives each: [{date, weekday, ...}] (a month, a year).
std::string DateReadingsJson(const std::vector<DateReading>& readings, const HolidaySources& sources = {});

// Holidays in date order: [{date, name, kind, source}].
std::string HolidaysJson(const std::vector<Holiday>& holidays, const HolidaySources& sources = {});

// The user's events in date order: [{date, name, moved, rule}], rule "lunar",
// "solar" or "once".
std::string EventsJson(const std::vector<EventDay>& days);

// Every kind of day in date order (--days): [{date, weekday, type, dateKind,
// name, kind, time, source, moved}], type "holiday", "solarTerm",
// "anniversary", "sundry" or "event"; dateKind KASI's: "01" a holiday, "02"
// 기념일, "03" a term, "04" 잡절, null the user's; kind a holiday's; time a
// moment's HH:MM in Korean time; source a term's "kasi" or "computed".
std::string MarkedDaysJson(const std::vector<MarkedDay>& days);

// Solar terms in order: [{date, time, utc, name, uncertain, source}].
std::string SolarTermsJson(const std::vector<SolarTerm>& terms);

// What is coming: [{date, weekday, daysLeft, type, dateKind, name, kind, time,
// moved}], type "holiday", "solarTerm", "event", "reminder", "anniversary" or
// "sundry"; dateKind KASI's (as MarkedDaysJson); kind a holiday's (else
// null), time a term's HH:MM in Korean time (else null), moved an event's
// (else false).
std::string UpcomingJson(const std::vector<UpcomingDate>& dates);

// A lunar date year by year: [{year, date, moved, lacks}], date the day
// object or null where that lunar year lacks the lunar date; moved whether it
// was kept on another day (--observe); lacks null, or why the year lacks it:
// "leap-month" (no such leap month that year), "day" (the month is shorter).
struct LunarDateOfYear {
    std::int32_t lunarYear;
    std::optional<DateReading> reading;
    bool moved = false;
    LunarDateLack lacks = LunarDateLack::None;
};
std::string LunarYearsJson(const std::vector<LunarDateOfYear>& years, const HolidaySources& sources = {});
