#include "calendar_names.h"

#include "cp949_literals.h"
#include "korean_words.h"
#include "sysutils.h"

const char* const kSolarTermCategory = "절기";
const char* const kLunarAnniversaryCategory = "음력 기념일";
const char* const kUserEventCategory = "내 날짜";

namespace {

AnsiString Years(std::int32_t fromYear, std::int32_t toYear)
{
    return fromYear == toYear ? Sysutils::Format("%d", fromYear) : Sysutils::Format("%d-%d", fromYear, toYear);
}

}  // namespace

AnsiString LunarDateName(std::int32_t lunarMonth, std::int32_t lunarDay, bool leap)
{
    return Sysutils::Format("음력 %s%d월 %d일", leap ? kLeapMonthPrefix : "", lunarMonth, lunarDay);
}

AnsiString HolidayCalendarName(std::int32_t fromYear, std::int32_t toYear)
{
    return "대한민국 공휴일 " + Years(fromYear, toYear);
}

AnsiString SolarTermCalendarName(std::int32_t fromYear, std::int32_t toYear)
{
    return "24절기 " + Years(fromYear, toYear);
}

AnsiString EventCalendarName(std::int32_t fromYear, std::int32_t toYear)
{
    return "내 날짜 " + Years(fromYear, toYear);
}
