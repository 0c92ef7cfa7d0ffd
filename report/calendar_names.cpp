#include "calendar_names.h"

#include "korean_words.h"
#include "number_text.h"
#include "utf8_literals.h"

const char* const kSolarTermCategory = "절기";
const char* const kLunarAnniversaryCategory = "음력 기념일";
const char* const kUserEventCategory = "내 날짜";

namespace {

std::string Years(std::int32_t fromYear, std::int32_t toYear)
{
    std::string years = std::to_string(fromYear);
    if (toYear != fromYear) years += '-' + std::to_string(toYear);
    return years;
}

}  // namespace

std::string LunarDateName(std::int32_t lunarMonth, std::int32_t lunarDay, bool leap)
{
    std::string name = "음력 ";
    if (leap) name += kLeapMonthPrefix;
    AppendNumber(name, lunarMonth);
    name += "월 ";
    AppendNumber(name, lunarDay);
    name += "일";
    return name;
}

std::string HolidayCalendarName(std::int32_t fromYear, std::int32_t toYear)
{
    return "대한민국 공휴일 " + Years(fromYear, toYear);
}

std::string SolarTermCalendarName(std::int32_t fromYear, std::int32_t toYear)
{
    return "24절기 " + Years(fromYear, toYear);
}

std::string EventCalendarName(std::int32_t fromYear, std::int32_t toYear)
{
    return "내 날짜 " + Years(fromYear, toYear);
}
