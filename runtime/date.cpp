#include <chrono>
#include <cmath>
#include <ctime>

#include "runtime/civil_date.h"
#include "runtime/clock.h"
#include "runtime/date_check.h"
#include "runtime/exception.h"
#include "runtime/sysutils.h"

namespace Sysutils {
namespace {

constexpr TDateTime kLastDay = DayCountOf(kLastYear, 12, 31);

TDateTime SystemNow()
{
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) throw Exception(Message("The local time is not available"));
    const TDateTime date = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return date + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

Clock currentClock = &SystemNow;

}  // namespace

TDateTime EncodeDate(std::int32_t year, std::int32_t month, std::int32_t day)
{
    CheckDate({year, month, day});
    return DayCountOf(year, month, day);
}

void DecodeDate(TDateTime date, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day)
{
    if (!(date >= 0 && date < kLastDay + 1)) throw EConvertError(Message("Invalid date value"));
    const GregorianDate civil = DateOfDayCount(static_cast<std::int32_t>(std::floor(date)));  // years 1..9999
    year = static_cast<std::uint16_t>(civil.year);
    month = static_cast<std::uint16_t>(civil.month);
    day = static_cast<std::uint16_t>(civil.day);
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

GregorianDate Today()
{
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    Sysutils::DecodeDate(Sysutils::Now(), year, month, day);
    return {year, month, day};
}
