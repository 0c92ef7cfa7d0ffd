#include "programs/dalcal-print/lunar_runs.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "engine/yearly_dates.h"
#include "formats/calendar_events.h"
#include "formats/json_documents.h"
#include "input/typed_date.h"
#include "input/typed_numbers.h"
#include "report/calendar_names.h"
#include "report/korean_words.h"
#include "runtime/exception.h"
#include "shell/messages.h"
#include "shell/program.h"
#include "text/utf8.h"

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

namespace {

// The day of --from-lunar's date, where it is kept in its year.
struct LunarDay {
    TypedLunarDate lunar;
    KeptInYear inYear;
    DateReading reading;
};

LunarDay ReadLunarDay(const Printer& printer)
{
    const PrintRequest& request = printer.Request();
    const TypedLunarDate lunar = TypedArgument<TypedLunarDate>(request);
    const KeptInYear inYear = FindInYear(request, lunar.year, lunar);
    // Where it is not kept either, the almanac says why.
    const GregorianDate date =
        inYear.date ? *inYear.date : LunarToSolar(request.almanac, lunar.year, lunar.month, lunar.day, lunar.leap);
    return {lunar, inYear, printer.Read(date)};
}

// The lunar date year by year of --years: the day, or why there is none.
struct LunarYears {
    TypedLunarDate lunar;
    std::vector<LunarDateOfYear> years;
    std::vector<LunarDateLookup> found;  // a year's lookup, where it lacks the date
};

LunarYears ReadLunarYears(const Printer& printer)
{
    const PrintRequest& request = printer.Request();
    const TypedLunarDate lunar = TypedArgument<TypedLunarDate>(request);
    if (lunar.month < 1 || lunar.month > 12) {
        throw EConvertError(Message("MONTH: lunar month {1} is not 1-12", {std::to_string(lunar.month)}));
    }
    if (lunar.day < 1 || lunar.day > 30) {
        throw EConvertError(Message("DAY: lunar day {1} is not 1-30", {std::to_string(lunar.day)}));
    }
    const AlmanacRange range = RangeOf(request.almanac);
    const YearSpan span =
        ParseYearSpan("--years", request.years, true, range.firstYear, range.lastYear,
                      Phrase("{1}: {2} is not within the years {3}-{4} of which the almanac's lunar dates are known"));
    LunarYears read{lunar, {}, {}};
    for (std::int32_t year = span.from; year <= span.to; ++year) {
        const KeptInYear inYear = FindInYear(request, year, lunar);
        LunarDateOfYear ofYear{year, std::nullopt, inYear.moved, inYear.date ? LunarDateLack::None : inYear.found.lack};
        if (inYear.date) ofYear.reading = printer.Read(*inYear.date);
        read.years.push_back(std::move(ofYear));
        read.found.push_back(inYear.found);
    }
    return read;
}

// Says on stderr how many years lack the date and what --observe does; the
// exit status: 0 where any year had it, else 1.
int SayLackingYears(const LunarYears& read)
{
    const auto lacking = std::ranges::count_if(read.years, [](const LunarDateOfYear& y) { return !y.reading; });
    if (lacking > 0) {
        Complain(
            Messages::Shown(Message("{1} is not in {2} of the {3} years; --observe gives the day it is kept "
                                    "instead (day 30 on the 29th, a leap month's date in the ordinary month)",
                                    {LunarMonthDayText(read.lunar.month, read.lunar.day, read.lunar.leap),
                                     std::to_string(lacking), std::to_string(read.years.size())})));
    }
    return static_cast<std::size_t>(lacking) < read.years.size() ? 0 : 1;
}

// What follows a day's reading where --observe moved the lunar date onto it,
// unless one of the user's dates of that lunar date already says it was moved.
std::string MovedNote(const DateReading& reading, std::int32_t lunarMonth, std::int32_t lunarDay, bool leap)
{
    const bool said = std::ranges::any_of(reading.events, [&](const EventDay& day) {
        const DateRule& rule = day.event->rule;
        return day.observance.moved && rule.kind == DateRuleKind::Lunar && rule.month == lunarMonth &&
               rule.day == lunarDay && rule.leap == leap;
    });
    return said ? std::string() : MovedAnniversaryNote(lunarMonth, lunarDay, leap);
}

}  // namespace

void PrintLunarDateText(const Printer& printer)
{
    const LunarDay day = ReadLunarDay(printer);
    std::string line = DateReadingLine(day.reading);
    if (day.inYear.moved) line += MovedNote(day.reading, day.lunar.month, day.lunar.day, day.lunar.leap);
    printer.Write(line);
}

void PrintLunarDateJson(const Printer& printer)
{
    printer.Document(DateReadingJson(ReadLunarDay(printer).reading, printer.User().holidaySources) + "\n");
}

int PrintLunarYearsText(const Printer& printer)
{
    const LunarYears read = ReadLunarYears(printer);
    const TypedLunarDate& lunar = read.lunar;
    for (std::size_t i = 0; i < read.years.size(); ++i) {
        const LunarDateOfYear& year = read.years[i];
        std::string line =
            year.reading ? DateReadingLine(*year.reading)
                         : MissingLunarDateLine(year.lunarYear, lunar.month, lunar.day, lunar.leap, read.found[i]);
        if (year.moved && year.reading) line += MovedNote(*year.reading, lunar.month, lunar.day, lunar.leap);
        printer.Write(line);
    }
    return SayLackingYears(read);
}

int PrintLunarYearsJson(const Printer& printer)
{
    const LunarYears read = ReadLunarYears(printer);
    printer.Document(LunarYearsJson(read.years, printer.User().holidaySources) + "\n");
    return SayLackingYears(read);
}

int PrintLunarYearsIcs(const Printer& printer)
{
    const LunarYears read = ReadLunarYears(printer);
    const PrintRequest& request = printer.Request();
    const std::string lunarName = LunarMonthDayText(read.lunar.month, read.lunar.day, read.lunar.leap);
    const LunarAnniversary anniversary{read.lunar.month, read.lunar.day, read.lunar.leap,
                                       request.summary.empty() ? lunarName : request.summary};
    const std::string calendarName = request.summary.empty() ? lunarName : request.summary + " (" + lunarName + ")";
    ICalendarWriter calendar = printer.Calendar(calendarName);
    for (const CalendarEvent& event : AnniversaryEvents(anniversary, read.years)) calendar.Add(event);
    calendar.Finish();
    return SayLackingYears(read);
}
