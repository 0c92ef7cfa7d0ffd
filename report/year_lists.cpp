#include "report/year_lists.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/holidays.h"
#include "engine/solar_terms.h"
#include "report/korean_words.h"
#include "runtime/date_text.h"
#include "runtime/exception.h"
#include "runtime/utf8_literals.h"

namespace {

// "2026-03-02 ": the date that begins each line of a list.
std::string DateFirst(const GregorianDate& date)
{
    std::string line = IsoDate(date);
    line += ' ';
    return line;
}

}  // namespace

void PrintHolidayList(std::int32_t year, const TextOutput& output, const UserDates& user)
{
    std::vector<Holiday> holidays;
    if (!GetUserHolidays(year, user, holidays)) {
        throw EConvertError(
            Message("Korea's public holidays of {1} are not known ({2}-{3} only)",
                    {std::to_string(year), std::to_string(kFirstHolidayYear), std::to_string(kLastHolidayYear)}));
    }
    for (const Holiday& h : holidays) {
        std::string line = DateFirst(h.date);
        line += WeekdayName(WeekdayOf(h.date));
        line += ' ';
        line += HolidayText(h, true);
        output(line);
    }
}

void PrintEventList(std::int32_t fromYear, std::int32_t toYear, const UserDates& user, const TextOutput& output)
{
    for (std::int32_t year = fromYear; year <= toYear; ++year) {  // a year at a time: a long span is never held whole
        for (const EventDay& day : EventsIn(user, year, year)) {
            const GregorianDate& date = day.observance.date;
            std::string line = DateFirst(date);
            AppendEventText(line, day);
            output(line);
        }
    }
}

void PrintSolarTermList(std::int32_t year, const TextOutput& output)
{
    std::array<SolarTerm, kSolarTermsInYear> terms{};
    if (!GetSolarTerms(year, terms)) {
        throw EConvertError(
            Message("The solar terms of {1} are not computed ({2}-{3} only)",
                    {std::to_string(year), std::to_string(kFirstSolarTermYear), std::to_string(kLastSolarTermYear)}));
    }
    for (const SolarTerm& t : terms) {
        std::string line = DateFirst(t.date);
        AppendClockTime(line, t.minuteOfDay);
        line += ' ';
        line += SolarTermNames.at(static_cast<std::size_t>(t.index));
        if (t.uncertainDay) line += kUncertainMark;
        output(line);
    }
}
