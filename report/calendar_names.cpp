#include "calendar_names.h"

#include "korean_words.h"
#include "sysutils.h"
#include "utf8_literals.h"

const char* const kSolarTermCategory = "절기";
const char* const kLunarAnniversaryCategory = "음력 기념일";
const char* const kUserEventCategory = "내 날짜";

namespace {

std::string Years(std::int32_t fromYear, std::int32_t toYear)
{
    return fromYear == toYear ? Sysutils::Format("%d", fromYear) : Sysutils::Format("%d-%d", fromYear, toYear);
}

}  // namespace

std::string LunarDateName(std::int32_t lunarMonth, std::int32_t lunarDay, bool leap)
{
    return Sysutils::Format("음력 %s%d월 %d일", leap ? kLeapMonthPrefix : "", lunarMonth, lunarDay);
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
