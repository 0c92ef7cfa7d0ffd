#include "report/calendar_names.h"

#include <utility>

#include "report/korean_words.h"
#include "runtime/number_text.h"
#include "runtime/utf8_literals.h"

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

std::string CalendarFileName(const CalendarParts& parts, std::int32_t fromYear, std::int32_t toYear)
{
    const std::pair<bool, const char*> words[] = {
        {parts.holidays, "대한민국 공휴일"}, {parts.terms, "24절기"}, {parts.events, "내 날짜"}};
    std::string name;
    for (const auto& [wanted, word] : words) {
        if (!wanted) continue;
        if (!name.empty()) name += kPartSeparator;
        name += word;
    }
    name += ' ';
    name += Years(fromYear, toYear);
    return name;
}

std::string DaysCalendarName(const DayKinds& kinds, std::int32_t fromYear, std::int32_t toYear)
{
    std::string name;
    for (const DayKind kind : kDayKinds) {
        if (!kinds.Has(kind)) continue;
        if (!name.empty()) name += kPartSeparator;
        name += DayKindName(kind);
    }
    name += ' ';
    name += std::to_string(fromYear);
    if (toYear != fromYear) name += '-' + std::to_string(toYear);
    return name;
}
