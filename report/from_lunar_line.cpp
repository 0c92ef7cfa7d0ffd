#include "from_lunar_line.h"

#include "date_reading.h"
#include "korean_words.h"
#include "sysutils.h"
#include "utf8_literals.h"

namespace {

constexpr const char* kMissingFormat = "%d년 음력 %s%d월 %d일 없음";

}  // namespace

std::string FromLunarLine(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay,
                          bool leap)
{
    return DateReadingLine(ReadDate(almanac, LunarToSolar(almanac, lunarYear, lunarMonth, lunarDay, leap)));
}

std::string MissingLunarDateLine(std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay, bool leap)
{
    return Sysutils::Format(kMissingFormat, lunarYear, leap ? kLeapMonthPrefix : "", lunarMonth, lunarDay);
}
