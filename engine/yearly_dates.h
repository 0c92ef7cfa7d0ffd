#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/almanac.h"
#include "runtime/civil_date.h"

// Dates people keep: a lunar anniversary (a birthday, a 제사), a Gregorian
// day every year, or one day. A lunar anniversary follows Korea's almanac and
// is kept as Korean families keep it:
// - day 30 falls on the 29th in a year whose month has 29 days;
// - a leap-month date falls in the ordinary month of the same number in a
//   year without that leap month;
// - an ordinary-month date never falls in a leap month.
// A Gregorian 2-29 falls on 2-28 in a common year.

enum class DateRuleKind { Lunar, Solar, Once };

struct DateRule {
    DateRuleKind kind = DateRuleKind::Once;
    std::int32_t year = 0;   // Once: the year (1..9999); unused otherwise
    std::int32_t month = 0;  // 1..12
    std::int32_t day = 0;    // Lunar 1..30; Solar and Once a day of the month
    bool leap = false;       // Lunar: of the leap month

    friend bool operator==(const DateRule&, const DateRule&) = default;
};

// Where a rule falls one year.
struct Observance {
    GregorianDate date;
    std::int32_t ruleYear = 0;  // the lunar year of a lunar anniversary, else the Gregorian year
    bool moved = false;         // not on the rule's own day (one of the cases above)
};

// Where a lunar anniversary (day 1..30, of a leap month where leap) is kept in
// one lunar year of an almanac, by the rules above; none outside the almanac.
std::optional<Observance> ObserveLunarDate(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth,
                                           std::int32_t lunarDay, bool leap);

// Whether a rule names a date: a month 1..12; a lunar day 1..30; a solar day
// of the month in a leap year (2-29 is one); a once-date that exists.
bool IsValidDateRule(const DateRule& rule);

// The days a valid rule falls on whose Gregorian year is fromYear..toYear
// (within 1..9999), in date order, appended to observances; lunar
// anniversaries only within Korea's almanac.
void AppendObservances(const DateRule& rule, std::int32_t fromYear, std::int32_t toYear,
                       std::vector<Observance>& observances);
