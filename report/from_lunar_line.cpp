#include "from_lunar_line.h"

#include <array>

#include "cp949_literals.h"
#include "sexagenary.h"
#include "sysutils.h"
#include "zero_pad.h"

namespace {

constexpr std::array<const char*, 7> kWeekdayNames = {"일요일", "월요일", "화요일", "수요일",
                                                      "목요일", "금요일", "토요일"};
constexpr const char* kLineFormat = "%d-%s%d-%s%d %s %s%s일%s";
constexpr const char* kUncertainMark = " (±1일)";
constexpr const char* kMissingFormat = "%d년 음력 %s%d월 %d일 없음";
constexpr const char* kLeapPrefix = "윤";

}  // namespace

AnsiString FromLunarLine(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay,
                         bool leap)
{
    const GregorianDate date = LunarToSolar(almanac, lunarYear, lunarMonth, lunarDay, leap);
    const std::int32_t daysBefore = GetDaysBeforeMonth(date.year, date.month);
    const StemBranch position = GetDayStemBranch(daysBefore, date.day);
    const std::int32_t weekday = GetFirstWeekday(daysBefore + date.day - 1);  // [0, 6]
    const bool uncertain = IsUncertainLunarMonth(almanac, lunarYear, lunarMonth, leap);
    return Sysutils::Format(kLineFormat, date.year, ZeroPad(date.month), date.month, ZeroPad(date.day), date.day,
                            kWeekdayNames[static_cast<std::size_t>(weekday)],
                            StemNames[static_cast<std::size_t>(position.stem)],
                            BranchNames[static_cast<std::size_t>(position.branch)], uncertain ? kUncertainMark : "");
}

AnsiString MissingLunarDateLine(std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay, bool leap)
{
    return Sysutils::Format(kMissingFormat, lunarYear, leap ? kLeapPrefix : "", lunarMonth, lunarDay);
}
