#include <array>
#include <chrono>
#include <cmath>
#include <ctime>

#include "exception.h"
#include "sysutils.h"

namespace Sysutils {
namespace {

constexpr std::int32_t kMinYear = 1;
constexpr std::int32_t kMaxYear = 9999;

// Days before each month of a common year, January first.
constexpr std::array<std::int32_t, 12> kDaysBeforeMonth = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

constexpr bool IsLeap(std::int32_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr std::int32_t DaysInMonth(std::int32_t year, std::int32_t month)  // month in 1..12
{
    constexpr std::array<std::int32_t, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kLengths[static_cast<std::size_t>(month - 1)];
}

// Days from 0001-01-01 to the given valid date; at most 3,652,058 (9999-12-31).
constexpr std::int32_t DaySerial(std::int32_t year, std::int32_t month, std::int32_t day)
{
    const std::int32_t y = year - 1;  // [0, 9998]
    const std::int32_t leapBefore = month > 2 && IsLeap(year) ? 1 : 0;
    return y * 365 + y / 4 - y / 100 + y / 400 + kDaysBeforeMonth[static_cast<std::size_t>(month - 1)] + leapBefore +
           day - 1;
}
static_assert(DaySerial(1, 1, 1) == 0);
static_assert(DaySerial(1900, 1, 31) == 693625);

constexpr TDateTime kLastDay = DaySerial(kMaxYear, 12, 31);

TDateTime SystemNow()
{
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) throw Exception("The local time is not available");
    const TDateTime date = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return date + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

Clock currentClock = &SystemNow;

}  // namespace

TDateTime EncodeDate(std::int32_t year, std::int32_t month, std::int32_t day)
{
    if (year < kMinYear || year > kMaxYear || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
        throw EConvertError("Invalid date: year " + std::to_string(year) + ", month " + std::to_string(month) +
                            ", day " + std::to_string(day));
    }
    return DaySerial(year, month, day);
}

void DecodeDate(TDateTime date, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day)
{
    if (!(date >= 0 && date < kLastDay + 1)) throw EConvertError("Invalid date value");
    // Civil date from a day count (after H. Hinnant), counted from 0000-03-01.
    const std::int32_t z = static_cast<std::int32_t>(std::floor(date)) + 306;
    const std::int32_t era = z / 146097;
    const std::int32_t doe = z - era * 146097;                                       // [0, 146096]
    const std::int32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const std::int32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
    const std::int32_t mp = (5 * doy + 2) / 153;                                     // [0, 11]
    const std::int32_t d = doy - (153 * mp + 2) / 5 + 1;                             // [1, 31]
    const std::int32_t m = mp < 10 ? mp + 3 : mp - 9;                                // [1, 12]
    const std::int32_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);                       // [1, 9999]
    year = static_cast<std::uint16_t>(y);
    month = static_cast<std::uint16_t>(m);
    day = static_cast<std::uint16_t>(d);
}

TDateTime Now()
{
    return currentClock();
}

void SetClock(Clock clock)
{
    currentClock = clock != nullptr ? clock : &SystemNow;
}

}  // namespace Sysutils
