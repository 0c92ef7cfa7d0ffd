#include "from_lunar_line.h"

#include <array>

#include "cp949_literals.h"
#include "sexagenary.h"
#include "sysutils.h"
#include "uncertain_mark.h"

namespace {

constexpr std::array<const char*, 7> kWeekdayNames = {"일요일", "월요일", "화요일", "수요일",
                                                      "목요일", "금요일", "토요일"};
constexpr const char* kLineFormat = "%d-%.2d-%.2d %s %s%s일%s";
constexpr const char* kMissingFormat = "%d년 음력 %s%d월 %d일 없음";
constexpr const char* kLeapPrefix = "윤";

}  // namespace

AnsiString FromLunarLine(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay,
                         bool leap)
{
    const GregorianDate date = LunarToSolar(almanac, lunarYear, lunarMonth, lunarDay, leap);
    const StemBranch position = GetDayStemBranch(GetDaysBeforeMonth(date.year, date.month), date.day);
    const std::int32_t weekday = WeekdayOf(date);  // [0, 6]
    const bool uncertain = IsUncertainLunarMonth(almanac, lunarYear, lunarMonth, leap);
    return Sysutils::Format(kLineFormat, date.year, date.month, date.day,
                            kWeekdayNames[static_cast<std::size_t>(weekday)],
                            StemNames[static_cast<std::size_t>(position.stem)],
                            BranchNames[static_cast<std::size_t>(position.branch)], uncertain ? kUncertainMark : "");
}

AnsiString MissingLunarDateLine(std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay, bool leap)
{
    return Sysutils::Format(kMissingFormat, lunarYear, leap ? kLeapPrefix : "", lunarMonth, lunarDay);
}
