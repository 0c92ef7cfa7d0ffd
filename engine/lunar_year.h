#pragma once

#include <cstdint>

#include "engine/lunar_word.h"

// A day of the lunar calendar. A day of a leap month carries the number of
// the ordinary month it follows, with leap set. All fields are 0 (false) for a
// day past the end of the table ("no lunar date"; month 0 occurs nowhere else).
struct LunarDate {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    bool leap = false;

    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// One lunar year as both almanacs describe it: the packed word of the lunar
// tables (lunar_word.h) and the day count (days from 0001-01-01, proleptic
// Gregorian) of its first day.
struct LunarYearSpan {
    std::int32_t year = 0;
    std::int32_t firstDay = 0;  // day count of month 1, day 1
    std::uint32_t word = 0;
    // Bit i set: the i-th month of the year in order (0-based, the leap month
    // counted where it falls) may begin a day earlier or later than given.
    std::uint32_t uncertainMonths = 0;
};

// The lunar date of the day with the given day count, which must lie within
// the year (firstDay <= dayCount < firstDay + YearDays).
LunarDate LunarDateInYear(const LunarYearSpan& span, std::int32_t dayCount);

// Position (0-based, the leap month counted where it falls) of a month of the
// year; -1 if the year has no such month (month outside 1..12, or leap and the
// year's leap month is another).
std::int32_t MonthIndex(const LunarYearSpan& span, std::int32_t month, bool leap);

// Days of the month at a position (0..12), and the days before it in the year.
std::int32_t MonthDaysAt(const LunarYearSpan& span, std::int32_t index);
std::int32_t DaysBeforeMonthAt(const LunarYearSpan& span, std::int32_t index);
