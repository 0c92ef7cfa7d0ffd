#include "lunar_runs.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "calendar_events.h"
#include "calendar_names.h"
#include "exception.h"
#include "json_documents.h"
#include "messages.h"
#include "program.h"
#include "typed_date.h"
#include "typed_numbers.h"
#include "utf8.h"
#include "yearly_dates.h"

namespace {

// A lunar date in one lunar year: where it falls, or with --observe where it
// is kept (moved where that year lacks it); else none and why.
struct KeptInYear {
    std::optional<GregorianDate> date;
    bool moved = false;
    LunarDateLookup found;
};
KeptInYear FindInYear(const PrintRequest& request, std::int32_t year, const TypedLunarDate& lunar)
{
    KeptInYear inYear;
    inYear.found = FindLunarDate(request.almanac, year, lunar.month, lunar.day, lunar.leap);
    if (inYear.found.lack == LunarDateLack::None) {
        inYear.date = inYear.found.date;
    } else if (request.observe) {
        if (const std::optional<Observance> kept =
                ObserveLunarDate(request.almanac, year, lunar.month, lunar.day, lunar.leap)) {
            inYear.date = kept->date;
            inYear.moved = kept->moved;
        }
    }
    return inYear;
}

}  // namespace

void PrintLunarDate(const Printer& printer)
{
    const PrintRequest& request = printer.Request();
    const TypedLunarDate lunar = TypedArgument<TypedLunarDate>(request);
    const KeptInYear inYear = FindInYear(request, lunar.year, lunar);
    // Where it is not kept either, the almanac says why.
    const GregorianDate date =
        inYear.date ? *inYear.date : LunarToSolar(request.almanac, lunar.year, lunar.month, lunar.day, lunar.leap);
    const DateReading reading = printer.Read(date);
    if (request.format == OutputFormat::Json) {
        printer.Document(DateReadingJson(reading, printer.User().holidaySources) + "\n");
    } else {
        std::string line = DateReadingLine(reading);
        if (inYear.moved) line += MovedAnniversaryNote(lunar.month, lunar.day, lunar.leap);
        printer.Write(line);
    }
}

// The lunar date year by year of --years: a line a year, the date or why
// there is none; stderr says how many years lack it and what --observe does.
// Returns whether any year had it.
bool PrintLunarDateInYears(const Printer& printer)
{
    const PrintRequest& request = printer.Request();
    const TypedLunarDate lunar = TypedArgument<TypedLunarDate>(request);
    const std::int32_t month = lunar.month;
    const std::int32_t day = lunar.day;
    const bool leap = lunar.leap;
    if (month < 1 || month > 12) {
        throw EConvertError(Message("MONTH: lunar month {1} is not 1-12", {std::to_string(month)}));
    }
    if (day < 1 || day > 30) throw EConvertError(Message("DAY: lunar day {1} is not 1-30", {std::to_string(day)}));
    const AlmanacRange range = RangeOf(request.almanac);
    const YearSpan span =
        ParseYearSpan("--years", request.years, true, range.firstYear, range.lastYear,
                      Phrase("{1}: {2} is not within the years {3}-{4} of which the almanac's lunar dates are known"));
    std::vector<LunarDateOfYear> years;
    for (std::int32_t year = span.from; year <= span.to; ++year) {
        const KeptInYear inYear = FindInYear(request, year, lunar);
        LunarDateOfYear ofYear{year, std::nullopt, inYear.moved, inYear.date ? LunarDateLack::None : inYear.found.lack};
        if (inYear.date) ofYear.reading = printer.Read(*inYear.date);
        if (request.format == OutputFormat::Text) {
            std::string line = ofYear.reading ? DateReadingLine(*ofYear.reading)
                                              : MissingLunarDateLine(year, month, day, leap, inYear.found);
            if (inYear.moved) line += MovedAnniversaryNote(month, day, leap);
            printer.Write(line);
        }
        years.push_back(std::move(ofYear));
    }
    const std::string lunarName = LunarDateName(month, day, leap);
    if (request.format == OutputFormat::Json) {
        printer.Document(LunarYearsJson(years, printer.User().holidaySources) + "\n");
    }
    if (request.format == OutputFormat::Ics) {
        const LunarAnniversary anniversary{month, day, leap, request.summary.empty() ? lunarName : request.summary};
        const std::string calendarName = request.summary.empty() ? lunarName : request.summary + " (" + lunarName + ")";
        ICalendarWriter calendar = printer.Calendar(calendarName);
        for (const CalendarEvent& event : AnniversaryEvents(anniversary, years)) calendar.Add(event);
        calendar.Finish();
    }
    const auto lacking = std::ranges::count_if(years, [](const LunarDateOfYear& y) { return !y.reading; });
    if (lacking > 0) {
        Complain(
            Messages::Shown(Message("{1} is not in {2} of the {3} years; --observe gives the day it is kept "
                                    "instead (day 30 on the 29th, a leap month's date in the ordinary month)",
                                    {lunarName, std::to_string(lacking), std::to_string(years.size())})));
    }
    return static_cast<std::size_t>(lacking) < years.size();
}
