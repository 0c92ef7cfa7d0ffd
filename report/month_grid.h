#pragma once

#include <cstdint>

#include "runtime/civil_date.h"

// A month laid out in weeks, Sunday first: what every grid of days (the
// terminal's month, the printed page and its small neighbours) draws from.
// Cells are numbered from 0, the Sunday of the first week.
struct MonthGrid {
    std::int32_t firstWeekday = 0;  // of the 1st, 0 Sunday .. 6 Saturday
    std::int32_t days = 0;          // 28..31

    constexpr std::int32_t Weeks() const { return (firstWeekday + days + kDaysInWeek - 1) / kDaysInWeek; }
    constexpr std::int32_t CellOf(std::int32_t day) const { return firstWeekday + day - 1; }
    // The day in a cell, 0 for a cell before the 1st or after the last day.
    constexpr std::int32_t DayIn(std::int32_t cell) const
    {
        const std::int32_t day = cell - firstWeekday + 1;
        return day >= 1 && day <= days ? day : 0;
    }
    // Whether a day is the last of its row: a Saturday or the month's last day.
    constexpr bool EndsRow(std::int32_t day) const { return WeekdayOfCell(CellOf(day)) == kSaturday || day == days; }

    static constexpr std::int32_t WeekOfCell(std::int32_t cell) { return cell / kDaysInWeek; }
    static constexpr Weekday WeekdayOfCell(std::int32_t cell) { return WeekdayAt(cell); }
    static constexpr std::int32_t ColumnOfCell(std::int32_t cell) { return cell % kDaysInWeek; }  // 0 Sunday's
};

// The grid of a month (1..12) of a year 1..9999.
constexpr MonthGrid MonthGridOf(std::int32_t year, std::int32_t month)
{
    return {WeekdayOf({year, month, 1}), GregorianMonthDays(year, month)};
}
static_assert(MonthGridOf(2026, 2).Weeks() == 4);   // Sunday the 1st, 28 days
static_assert(MonthGridOf(2026, 8).Weeks() == 6);   // Saturday the 1st, 31 days
static_assert(MonthGridOf(2027, 2).DayIn(0) == 0);  // the 1st is a Monday
