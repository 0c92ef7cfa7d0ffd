#include "print_run.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "argument_values.h"
#include "calendar_events.h"
#include "calendar_names.h"
#include "cp949.h"
#include "date_check.h"
#include "date_reading.h"
#include "exception.h"
#include "icalendar.h"
#include "json_documents.h"
#include "korean_almanac.h"
#include "messages.h"
#include "month_notes.h"
#include "print_month.h"
#include "program.h"
#include "terminal_month.h"
#include "terminal_style.h"
#include "year_lists.h"
#include "yearly_dates.h"

namespace {

// --events spans: the years of Korea's almanac, where lunar anniversaries are kept.
constexpr std::int32_t kFirstEventYear = kKoreanFirstYear;
constexpr std::int32_t kLastEventYear = kKoreanLastYear;

// Writes a run's output: lines in the encoding asked for (the views' UTF-8,
// the window's calendar CP949, each converted here if need be), or whole
// documents (UTF-8).
class Printer {
public:
    Printer(const PrintRequest& request, const RunContext& context, const ByteOutput& output)
        : request_(request), context_(context), output_(output)
    {
    }

    TextOutput Output() const
    {
        return [this](const std::string& line) { Write(line); };
    }

    LineOutput WindowCalendarOutput() const
    {
        return [this](const AnsiString& line) { WriteCp949(line); };
    }

    // Each line made in the same room: a month with many notes writes many.
    void Write(const std::string& utf8Line) const
    {
        lineBytes_.clear();
        if (request_.cp949) {
            lineBytes_ += Cp949::FromUtf8(utf8Line).Bytes();
        } else {
            lineBytes_ += utf8Line;
        }
        lineBytes_ += '\n';
        output_(lineBytes_);
    }

    void WriteCp949(const AnsiString& line) const
    {
        lineBytes_.clear();
        if (request_.cp949) {
            lineBytes_ += line.Bytes();
        } else {
            Cp949::AppendUtf8(lineBytes_, line);
        }
        lineBytes_ += '\n';
        output_(lineBytes_);
    }

    void Document(const std::string& utf8) const { output_(utf8); }

    // An iCalendar file, written as its events are added.
    ICalendarWriter Calendar(std::string_view name) const
    {
        return ICalendarWriter(name, context_.stampSeconds, output_);
    }

    std::int32_t ThisYear() const { return context_.today.year; }
    const RunContext& Context() const { return context_; }

    // A month's grid and, in Korea's almanac, its holidays, terms and the user's events below.
    void Month(std::int32_t year, std::int32_t month) const
    {
        // Before the user's files, so that a refusal is the only message; the
        // window's own text refuses after its header, as the window does.
        if (request_.layout != MonthLayout::Window) CheckYearAndMonth(year, month);
        const bool korea = request_.almanac == Almanac::Korea;
        if (korea) (void)User();  // read before a line is written: a named file that can't be is refused
        const CellStyle style =
            context_.color ? MonthColors(year, month, korea, context_.today, Holidays().holidays) : CellStyle{};
        if (request_.layout == MonthLayout::Window) {
            PrintMonth(year, month, WindowCalendarOutput(), request_.almanac, style);
        } else {
            PrintTerminalMonth(year, month, Output(), request_.almanac, style,
                               context_.color ? WeekdayColors() : WeekdayStyle{});
        }
        if (korea) PrintMonthNotes(year, month, Output(), User());
    }

    // The user's dates: all, or the added holidays alone (the events file unread).
    const UserDates& User() const { return context_.user.All(); }
    const UserDates& Holidays() const { return context_.user.Holidays(); }

    // Everything known of a day, the user's dates included.
    DateReading Read(const GregorianDate& date) const { return ReadDate(request_.almanac, date, User()); }

private:
    const PrintRequest& request_;
    const RunContext& context_;
    const ByteOutput& output_;
    mutable std::string lineBytes_;  // the line Write is writing
};

// The span of --holidays or --terms: this year when none is given.
YearSpan SpanOrThisYear(const PrintRequest& request, const Printer& printer, const char* option, std::int32_t first,
                        std::int32_t last, const char* outside)
{
    if (request.numbers.empty()) {
        const std::int32_t year = printer.ThisYear();
        return ParseYearSpan(option, std::to_string(year), true, first, last, outside);
    }
    return ParseYearSpan(option, request.numbers[0], true, first, last, outside);
}

void PrintHolidays(const PrintRequest& request, const Printer& printer)
{
    const YearSpan span =
        SpanOrThisYear(request, printer, "--holidays", kFirstHolidayYear, kLastHolidayYear,
                       Phrase("{1}: {2} is not within the years {3}-{4} of which Korea's public holidays are known"));
    if (request.format == OutputFormat::Text) {
        for (std::int32_t year = span.from; year <= span.to; ++year) {
            PrintHolidayList(year, printer.Output(), printer.Holidays());
        }
        return;
    }
    if (request.format == OutputFormat::Ics) {  // year by year, as it is made
        const std::string calendarName = HolidayCalendarName(span.from, span.to);
        ICalendarWriter calendar = printer.Calendar(calendarName);
        HolidayEventMaker events;
        std::vector<Holiday> ofYear;
        for (std::int32_t year = span.from; year <= span.to; ++year) {
            GetUserHolidays(year, printer.Holidays(), ofYear);
            for (const Holiday& holiday : ofYear) calendar.Add(events.Make(holiday));
        }
        calendar.Finish();
        return;
    }
    std::vector<Holiday> holidays;
    for (std::int32_t year = span.from; year <= span.to; ++year) {
        std::vector<Holiday> ofYear;
        GetUserHolidays(year, printer.Holidays(), ofYear);
        holidays.insert(holidays.end(), ofYear.begin(), ofYear.end());
    }
    printer.Document(HolidaysJson(holidays, printer.Holidays().holidaySources) + "\n");
}

void PrintTerms(const PrintRequest& request, const Printer& printer)
{
    const YearSpan span =
        SpanOrThisYear(request, printer, "--terms", kFirstSolarTermYear, kLastSolarTermYear,
                       Phrase("{1}: {2} is not within the years {3}-{4} of which the solar terms are known"));
    if (request.format == OutputFormat::Text) {
        for (std::int32_t year = span.from; year <= span.to; ++year) PrintSolarTermList(year, printer.Output());
        return;
    }
    std::vector<SolarTerm> terms;
    for (std::int32_t year = span.from; year <= span.to; ++year) {
        std::array<SolarTerm, kSolarTermsInYear> ofYear{};
        GetSolarTerms(year, ofYear);
        terms.insert(terms.end(), ofYear.begin(), ofYear.end());
    }
    if (request.format == OutputFormat::Json) {
        printer.Document(SolarTermsJson(terms) + "\n");
        return;
    }
    const std::string calendarName = SolarTermCalendarName(span.from, span.to);
    ICalendarWriter calendar = printer.Calendar(calendarName);
    for (const CalendarEvent& event : SolarTermEvents(terms)) calendar.Add(event);
    calendar.Finish();
}

// Where the events file would be, when there is none to list (one line on stderr).
void SayWhereEventsWouldBe(const PrintRequest& request, const RunContext& context)
{
    if (request.noEvents || context.user.EventsFileFound()) return;
    if (const std::optional<std::string>& path = context.user.EventsPath()) {
        Complain(Messages::Shown(
            Message("no events file: write your dates in {1}, one a line (see dalcal-print(1))", {*path})));
    } else {
        Complain(Messages::Translated("no events file: neither XDG_CONFIG_HOME nor HOME is set"));
    }
}

// The user's events of a span of years, by date.
void PrintEvents(const PrintRequest& request, const Printer& printer)
{
    const YearSpan span =
        SpanOrThisYear(request, printer, "--events", kFirstEventYear, kLastEventYear,
                       Phrase("{1}: {2} is not within the years {3}-{4} of which the events' years are known"));
    const UserDates& user = printer.Context().user.Events();
    SayWhereEventsWouldBe(request, printer.Context());
    if (request.format == OutputFormat::Text) {
        PrintEventList(span.from, span.to, user, printer.Output());
    } else if (request.format == OutputFormat::Json) {
        printer.Document(EventsJson(EventsIn(user, span.from, span.to)) + "\n");
    } else {
        const std::string calendarName = EventCalendarName(span.from, span.to);
        ICalendarWriter calendar = printer.Calendar(calendarName);
        for (std::int32_t year = span.from; year <= span.to; ++year) {  // a year at a time, as it is made
            for (const CalendarEvent& event : UserEventEvents(EventsIn(user, year, year))) calendar.Add(event);
        }
        calendar.Finish();
    }
}

// A lunar date in one lunar year: where it falls, or with --observe where it
// is kept (moved where that year lacks it); else none and why.
struct LunarDateInYear {
    std::optional<GregorianDate> date;
    bool moved = false;
    LunarDateLookup found;
};
LunarDateInYear FindInYear(const PrintRequest& request, std::int32_t year, std::int32_t month, std::int32_t day)
{
    LunarDateInYear inYear;
    inYear.found = FindLunarDate(request.almanac, year, month, day, request.leap);
    if (inYear.found.lack == LunarDateLack::None) {
        inYear.date = inYear.found.date;
    } else if (request.observe) {
        if (const std::optional<Observance> kept = ObserveLunarDate(request.almanac, year, month, day, request.leap)) {
            inYear.date = kept->date;
            inYear.moved = kept->moved;
        }
    }
    return inYear;
}

void PrintLunarDate(const PrintRequest& request, const Printer& printer)
{
    const std::int32_t year = ParseNumber("YEAR", request.numbers[0]);
    const std::int32_t month = ParseNumber("MONTH", request.numbers[1]);
    const std::int32_t day = ParseNumber("DAY", request.numbers[2]);
    const LunarDateInYear inYear = FindInYear(request, year, month, day);
    // Where it is not kept either, the almanac says why.
    const GregorianDate date =
        inYear.date ? *inYear.date : LunarToSolar(request.almanac, year, month, day, request.leap);
    const DateReading reading = printer.Read(date);
    if (request.format == OutputFormat::Json) {
        printer.Document(DateReadingJson(reading, printer.User().holidaySources) + "\n");
    } else {
        std::string line = DateReadingLine(reading);
        if (inYear.moved) line += MovedAnniversaryNote(month, day, request.leap);
        printer.Write(line);
    }
}

// The lunar date year by year of --years: a line a year, the date or why
// there is none; stderr says how many years lack it and what --observe does.
// Returns whether any year had it.
bool PrintLunarDateInYears(const PrintRequest& request, const Printer& printer)
{
    const std::int32_t month = ParseNumber("MONTH", request.numbers[0]);
    const std::int32_t day = ParseNumber("DAY", request.numbers[1]);
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
        const LunarDateInYear inYear = FindInYear(request, year, month, day);
        LunarDateOfYear ofYear{year, std::nullopt, inYear.moved, inYear.date ? LunarDateLack::None : inYear.found.lack};
        if (inYear.date) ofYear.reading = printer.Read(*inYear.date);
        if (request.format == OutputFormat::Text) {
            std::string line = ofYear.reading ? DateReadingLine(*ofYear.reading)
                                              : MissingLunarDateLine(year, month, day, request.leap, inYear.found);
            if (inYear.moved) line += MovedAnniversaryNote(month, day, request.leap);
            printer.Write(line);
        }
        years.push_back(std::move(ofYear));
    }
    const std::string lunarName = LunarDateName(month, day, request.leap);
    if (request.format == OutputFormat::Json) {
        printer.Document(LunarYearsJson(years, printer.User().holidaySources) + "\n");
    }
    if (request.format == OutputFormat::Ics) {
        const LunarAnniversary anniversary{month, day, request.leap,
                                           request.summary.empty() ? lunarName : request.summary};
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

}  // namespace

int RunPrintRequest(const PrintRequest& request, const RunContext& context, const ByteOutput& output)
{
    const Printer printer(request, context, output);
    switch (request.mode) {
        case PrintMode::Date: {
            const DateReading reading = printer.Read(ParseIsoDate(request.numbers[0]));
            if (request.format == OutputFormat::Json) {
                printer.Document(DateReadingJson(reading, printer.User().holidaySources) + "\n");
            } else {
                printer.Write(DateReadingLine(reading));
            }
            return 0;
        }
        case PrintMode::Holidays:
            PrintHolidays(request, printer);
            return 0;
        case PrintMode::Terms:
            PrintTerms(request, printer);
            return 0;
        case PrintMode::Events:
            PrintEvents(request, printer);
            return 0;
        case PrintMode::FromLunar:
            PrintLunarDate(request, printer);
            return 0;
        case PrintMode::FromLunarYears:
            return PrintLunarDateInYears(request, printer) ? 0 : 1;
        case PrintMode::Year: {
            const std::int32_t year = ParseNumber("YEAR", request.numbers[0]);
            for (std::int32_t month = 1; month <= kMonthsInYear; ++month) {
                if (month > 1) printer.Write("");
                printer.Month(year, month);
            }
            return 0;
        }
        case PrintMode::Month:
            break;
    }
    if (request.numbers.empty()) {
        printer.Month(context.today.year, context.today.month);
    } else {
        const std::int32_t year = ParseNumber("YEAR", request.numbers[0]);  // the year first: as typed
        printer.Month(year, ParseNumber("MONTH", request.numbers[1]));
    }
    return 0;
}
