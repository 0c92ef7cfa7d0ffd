#pragma once

#include <array>
#include <compare>
#include <cstdint>

// The proleptic Gregorian calendar as day counts: days from 0001-01-01 (0 for
// that day, negative before it). The program's one conversion between dates
// and day counts, and its one weekday; every layer above names a day by its
// count. Plain integer functions after H. Hinnant's civil-date algorithms.

struct GregorianDate {
    std::int32_t year = 0;
    std::int32_t month = 0;  // 1..12
    std::int32_t day = 0;    // 1..31

    // Chronological, as the fields are ordered.
    friend auto operator<=>(const GregorianDate&, const GregorianDate&) = default;
};

// Days of the months of a common year, January first.
inline constexpr std::array<std::int32_t, 12> MonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

inline constexpr std::int32_t kDaysInWeek = 7;
inline constexpr std::int32_t kMonthsInYear = 12;

// The years of the program's dates, as its date routines accept them.
inline constexpr std::int32_t kFirstYear = 1;
inline constexpr std::int32_t kLastYear = 9999;

// Weekdays as every layer numbers them.
enum Weekday : std::int32_t { kSunday, kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday };

// Every fourth year, but of the centuries only every fourth; for every year,
// so 0 and -400 are leap years and -100 is not.
constexpr bool IsGregorianLeapYear(std::int64_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days of a month (1..12), 28..31.
constexpr std::int32_t GregorianMonthDays(std::int64_t year, std::int32_t month)
{
    if (month == 2 && IsGregorianLeapYear(year)) return 29;
    return MonthDays[static_cast<std::size_t>(month - 1)];
}

// Days before each month of a common year, January first, summed from MonthDays.
constexpr std::array<std::int32_t, 12> DaysBeforeEachMonth()
{
    std::array<std::int32_t, 12> before{};
    for (std::size_t month = 1; month < before.size(); ++month)
        before[month] = before[month - 1] + MonthDays[month - 1];
    return before;
}
inline constexpr std::array<std::int32_t, 12> kDaysBeforeMonth = DaysBeforeEachMonth();
static_assert(kDaysBeforeMonth[11] == 334);

// value / divisor rounded down (divisor > 0), for years before year 1.
constexpr std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor)
{
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

// The day count of year-month-day: any year of at most 2^40 in size, month
// 1..12, day 1..31. The days of the years before it, of the months before it
// (with 29 February in a leap year), and of the month.
constexpr std::int64_t DaysFromCivil(std::int64_t year, std::int32_t month, std::int32_t day)
{
    const std::int64_t past = year - 1;  // whole years since 0001-01-01 (negative before it)
    const std::int64_t yearDays = past * 365 + FloorDivide(past, 4) - FloorDivide(past, 100) + FloorDivide(past, 400);
    const std::int32_t leapDay = month > 2 && IsGregorianLeapYear(year) ? 1 : 0;
    return yearDays + kDaysBeforeMonth[static_cast<std::size_t>(month - 1)] + leapDay + day - 1;
}

// The day count of a date of years 1..9999: [0, 3652058].
constexpr std::int32_t DayCountOf(std::int32_t year, std::int32_t month, std::int32_t day)
{
    return static_cast<std::int32_t>(DaysFromCivil(year, month, day));
}
static_assert(DayCountOf(1, 1, 1) == 0);
static_assert(DayCountOf(1900, 1, 31) == 693625);
static_assert(DayCountOf(2026, 7, 1) == 739797);
static_assert(DayCountOf(9999, 12, 31) == 3652058);
static_assert(DaysFromCivil(0, 12, 31) == -1);

// The date of any day count.
constexpr GregorianDate DateOfDayCount(std::int32_t dayCount)
{
    const std::int64_t shifted = std::int64_t{dayCount} + 306;                      // days from 0000-03-01
    const std::int64_t era = (shifted >= 0 ? shifted : shifted - 146096) / 146097;  // floor
    const auto dayOfEra = static_cast<std::int32_t>(shifted - era * 146097);        // [0, 146096]
    const std::int32_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;                  // [0, 399]
    const std::int32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);  // [0, 365]
    const std::int32_t shiftedMonth = (5 * dayOfYear + 2) / 153;  // [0, 11], March = 0
    const std::int32_t day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const std::int32_t month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    return {static_cast<std::int32_t>(era * 400 + yearOfEra + (month <= 2 ? 1 : 0)), month, day};
}
static_assert(DateOfDayCount(0) == GregorianDate{1, 1, 1});
static_assert(DateOfDayCount(-1) == GregorianDate{0, 12, 31});
static_assert(DateOfDayCount(693625) == GregorianDate{1900, 1, 31});
static_assert(DateOfDayCount(3652058) == GregorianDate{9999, 12, 31});

// The weekday of a day count (0001-01-01 was a Monday).
constexpr Weekday WeekdayOfDayCount(std::int64_t dayCount)
{
    const std::int64_t rem = (dayCount + 1) % kDaysInWeek;
    return static_cast<Weekday>(rem < 0 ? rem + kDaysInWeek : rem);
}
static_assert(WeekdayOfDayCount(0) == 1);
static_assert(WeekdayOfDayCount(DayCountOf(2026, 7, 1)) == 3);
static_assert(WeekdayOfDayCount(-1) == 0);

// The weekday of a week's column, 0 Sunday .. 6 Saturday (any other wraps round).
constexpr Weekday WeekdayAt(std::int32_t column)
{
    return WeekdayOfDayCount(std::int64_t{column} - 1);
}
static_assert(WeekdayAt(6) == kSaturday && WeekdayAt(7) == kSunday && WeekdayAt(-1) == kSaturday);

// The weekday of a date (month 1..12, day 1..31).
constexpr Weekday WeekdayOf(const GregorianDate& date)
{
    return WeekdayOfDayCount(DaysFromCivil(date.year, date.month, date.day));
}
static_assert(WeekdayOf({2027, 2, 7}) == 0);
