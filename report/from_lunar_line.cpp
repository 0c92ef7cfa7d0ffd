#include "from_lunar_line.h"

#include "calendar_names.h"
#include "date_reading.h"
#include "utf8_literals.h"

std::string FromLunarLine(Almanac almanac, std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay,
                          bool leap)
{
    return DateReadingLine(ReadDate(almanac, LunarToSolar(almanac, lunarYear, lunarMonth, lunarDay, leap)));
}

std::string MissingLunarDateLine(std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay, bool leap)
{
    return std::to_string(lunarYear) + "년 " + LunarDateName(lunarMonth, lunarDay, leap) + " 없음";
}
