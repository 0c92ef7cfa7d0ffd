#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "date_reading.h"
#include "holidays.h"
#include "solar_terms.h"

// The JSON documents of dalcal-print, UTF-8, one a run; their keys are fixed
// (README, dalcal-print(1)) and their values typed, null where not known.

// A day: {date, weekday, dayStemBranch, almanac, lunar, holidays, solarTerm, events}.
std::string DateReadingJson(const DateReading& reading);

// Holidays in date order: [{date, name, kind}].
std::string HolidaysJson(const std::vector<Holiday>& holidays);

// Solar terms in order: [{date, time, utc, name, uncertain}].
std::string SolarTermsJson(const std::vector<SolarTerm>& terms);

// A lunar date year by year: [{year, date}], date the day object or null
// where that lunar year lacks the lunar date.
struct LunarDateOfYear {
    std::int32_t lunarYear;
    std::optional<DateReading> reading;
};
std::string LunarYearsJson(const std::vector<LunarDateOfYear>& years);

// "YYYY-MM-DD" and "HH:MM", as in every document.
std::string IsoDate(const GregorianDate& date);
std::string ClockTime(std::int32_t minuteOfDay);
