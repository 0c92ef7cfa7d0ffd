#include "year_lists.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cp949_literals.h"
#include "date_marks.h"
#include "date_reading.h"
#include "exception.h"
#include "holidays.h"
#include "solar_terms.h"
#include "sysutils.h"

namespace {

constexpr const char* kHolidayFormat = "%d-%.2d-%.2d %s %s";
constexpr const char* kAddedMark = "추가";
constexpr const char* kEventFormat = "%d-%.2d-%.2d %s";
constexpr const char* kTermFormat = "%d-%.2d-%.2d %.2d:%.2d %s%s";

}  // namespace

void PrintHolidayList(std::int32_t year, const LineOutput& output, const UserDates& user)
{
    std::vector<Holiday> holidays;
    if (!GetUserHolidays(year, user, holidays)) {
        throw EConvertError(
            Message("Korea's public holidays of {1} are not known ({2}-{3} only)",
                    {std::to_string(year), std::to_string(kFirstHolidayYear), std::to_string(kLastHolidayYear)}));
    }
    for (const Holiday& h : holidays) {
        output(Sysutils::Format(kHolidayFormat, h.date.year, h.date.month, h.date.day, WeekdayName(WeekdayOf(h.date)),
                                HolidayText(h, true)));
    }
}

AnsiString HolidayText(const Holiday& holiday, bool markAdded)
{
    const std::string_view kind = HolidayKindName(holiday.kind);
    std::array<std::string_view, 3> marks{};
    std::size_t count = 0;
    if (!std::string_view(holiday.name).ends_with(kind)) marks[count++] = kind;
    if (markAdded && holiday.source >= 0) marks[count++] = kAddedMark;
    if (holiday.source == kScheduledByStatute) marks[count++] = kScheduledMark;
    AnsiString text = holiday.name;
    for (std::size_t i = 0; i < count; ++i) {
        text += i == 0 ? " (" : ", ";
        text += marks[i];
    }
    if (count > 0) text += ')';
    return text;
}

void PrintEventList(std::int32_t fromYear, std::int32_t toYear, const UserDates& user, const LineOutput& output)
{
    for (std::int32_t year = fromYear; year <= toYear; ++year) {  // a year at a time: a long span is never held whole
        for (const EventDay& day : EventsIn(user, year, year)) {
            const GregorianDate& date = day.observance.date;
            output(Sysutils::Format(kEventFormat, date.year, date.month, date.day, EventText(day)));
        }
    }
}

void PrintSolarTermList(std::int32_t year, const LineOutput& output)
{
    std::array<SolarTerm, kSolarTermsInYear> terms{};
    if (!GetSolarTerms(year, terms)) {
        throw EConvertError(
            Message("The solar terms of {1} are not computed ({2}-{3} only)",
                    {std::to_string(year), std::to_string(kFirstSolarTermYear), std::to_string(kLastSolarTermYear)}));
    }
    for (const SolarTerm& t : terms) {
        const std::int32_t hour = t.minuteOfDay / 60;
        const std::int32_t minute = t.minuteOfDay % 60;
        output(Sysutils::Format(kTermFormat, t.date.year, t.date.month, t.date.day, hour, minute,
                                SolarTermNames[static_cast<std::size_t>(t.index)],
                                t.uncertainDay ? kUncertainMark : ""));
    }
}
