#include "programs/dalcal-print/list_runs.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/korean_almanac.h"
#include "formats/calendar_events.h"
#include "formats/json_documents.h"
#include "input/typed_numbers.h"
#include "report/almanac_days.h"
#include "report/calendar_names.h"
#include "report/korean_words.h"
#include "report/reminders.h"
#include "report/upcoming.h"
#include "report/year_lists.h"
#include "runtime/date_text.h"
#include "runtime/utf8_literals.h"
#include "shell/messages.h"
#include "shell/program.h"
#include "text/utf8.h"

namespace {

// --events spans: the years of Korea's almanac, where lunar anniversaries are kept.
constexpr std::int32_t kFirstEventYear = kKoreanFirstYear;
constexpr std::int32_t kLastEventYear = kKoreanLastYear;

// The span a list is asked for (this year when none is given), within the
// years that list is known for.
YearSpan SpanOrThisYear(const Printer& printer, const char* option, std::int32_t first, std::int32_t last,
                        const char* outside)
{
    const std::vector<std::string>& numbers = printer.Request().numbers;
    const std::string span = numbers.empty() ? std::to_string(printer.ThisYear()) : numbers[0];
    return ParseYearSpan(option, span, true, first, last, outside);
}

YearSpan HolidaySpan(const Printer& printer)
{
    return SpanOrThisYear(
        printer, "--holidays", kFirstHolidayYear, kLastHolidayYear,
        Phrase("{1}: {2} is not within the years {3}-{4} of which Korea's public holidays are known"));
}

YearSpan TermSpan(const Printer& printer)
{
    return SpanOrThisYear(printer, "--terms", kFirstSolarTermYear, kLastSolarTermYear,
                          Phrase("{1}: {2} is not within the years {3}-{4} of which the solar terms are known"));
}

YearSpan EventSpan(const Printer& printer)
{
    return SpanOrThisYear(printer, "--events", kFirstEventYear, kLastEventYear,
                          Phrase("{1}: {2} is not within the years {3}-{4} of which the events' years are known"));
}

YearSpan DaySpan(const Printer& printer)
{
    return SpanOrThisYear(printer, "--days", kFirstSolarTermYear, kLastSolarTermYear,
                          Phrase("{1}: {2} is not within the years {3}-{4} of which the almanac's days are known"));
}

std::vector<SolarTerm> TermsOf(const YearSpan& span)
{
    std::vector<SolarTerm> terms;
    for (std::int32_t year = span.from; year <= span.to; ++year) {
        std::array<SolarTerm, kSolarTermsInYear> ofYear{};
        GetSolarTerms(year, ofYear);
        terms.insert(terms.end(), ofYear.begin(), ofYear.end());
    }
    return terms;
}

// Where the events file would be, when there is none to list (one line on stderr).
void SayWhereEventsWouldBe(const Printer& printer)
{
    const RunContext& context = printer.Context();
    if (printer.Request().noEvents || context.user.EventsFileFound()) return;
    if (const std::optional<std::string>& path = context.user.EventsPath()) {
        Complain(Messages::Shown(
            Message("no events file: write your dates in {1}, one a line (see dalcal-print(1))", {*path})));
    } else {
        Complain(Messages::Translated("no events file: neither XDG_CONFIG_HOME nor HOME is set"));
    }
}

// Each part's events added to an iCalendar file, year by year as they are made.
void AddHolidays(const Printer& printer, const YearSpan& span, ICalendarWriter& calendar)
{
    HolidayEventMaker events;
    std::vector<Holiday> ofYear;
    for (std::int32_t year = span.from; year <= span.to; ++year) {
        GetUserHolidays(year, printer.Holidays(), ofYear);
        for (const Holiday& holiday : ofYear) calendar.Add(events.Make(holiday));
    }
}

void AddTerms(const YearSpan& span, ICalendarWriter& calendar)
{
    CalendarEvent event;
    std::array<SolarTerm, kSolarTermsInYear> terms{};
    for (std::int32_t year = span.from; year <= span.to; ++year) {
        if (!GetSolarTerms(year, terms)) continue;
        for (const SolarTerm& term : terms) {
            MakeSolarTermEvent(term, event);
            calendar.Add(event);
        }
    }
}

void AddEvents(const UserDates& user, const YearSpan& span, ICalendarWriter& calendar)
{
    for (std::int32_t year = span.from; year <= span.to; ++year) {
        for (const CalendarEvent& event : UserEventEvents(EventsIn(user, year, year))) calendar.Add(event);
    }
}

}  // namespace

void PrintHolidaysText(const Printer& printer)
{
    const YearSpan span = HolidaySpan(printer);
    for (std::int32_t year = span.from; year <= span.to; ++year) {
        PrintHolidayList(year, printer.Output(), printer.Holidays());
    }
}

void PrintHolidaysJson(const Printer& printer)
{
    const YearSpan span = HolidaySpan(printer);
    std::vector<Holiday> holidays;
    std::vector<Holiday> ofYear;
    for (std::int32_t year = span.from; year <= span.to; ++year) {
        GetUserHolidays(year, printer.Holidays(), ofYear);
        holidays.insert(holidays.end(), ofYear.begin(), ofYear.end());
    }
    printer.Document(HolidaysJson(holidays, printer.Holidays().holidaySources) + "\n");
}

void PrintTermsText(const Printer& printer)
{
    const YearSpan span = TermSpan(printer);
    for (std::int32_t year = span.from; year <= span.to; ++year) PrintSolarTermList(year, printer.Output());
}

void PrintTermsJson(const Printer& printer)
{
    printer.Document(SolarTermsJson(TermsOf(TermSpan(printer))) + "\n");
}

void PrintEventsText(const Printer& printer)
{
    const YearSpan span = EventSpan(printer);
    const UserDates& user = printer.Events();
    SayWhereEventsWouldBe(printer);
    PrintEventList(span.from, span.to, user, printer.Output());
}

void PrintEventsJson(const Printer& printer)
{
    const YearSpan span = EventSpan(printer);
    const UserDates& user = printer.Events();
    SayWhereEventsWouldBe(printer);
    printer.Document(EventsJson(EventsIn(user, span.from, span.to)) + "\n");
}

void PrintDaysText(const Printer& printer)
{
    const DayKinds kinds = printer.Kinds(kListedKinds);
    const YearSpan span = DaySpan(printer);
    for (const MarkedDay& day : MarkedDays(span.from, span.to, kinds, printer.User(), kinds.terms)) {
        printer.Write(MarkedDayLine(day));
    }
}

void PrintDaysJson(const Printer& printer)
{
    const DayKinds kinds = printer.Kinds(kEveryKind);
    const YearSpan span = DaySpan(printer);
    printer.Document(MarkedDaysJson(MarkedDays(span.from, span.to, kinds, printer.User(), kinds.terms)) + "\n");
}

void PrintDaysIcs(const Printer& printer)
{
    // A calendar file is read by people, as the text is: 기념일 only when chosen.
    const DayKinds kinds = printer.Kinds(kListedKinds);
    const YearSpan span = DaySpan(printer);
    const std::string calendarName = DaysCalendarName(kinds, span.from, span.to);
    ICalendarWriter calendar = printer.Calendar(calendarName);
    HolidayEventMaker holidays;
    std::vector<Holiday> ofYear;
    for (std::int32_t year = span.from; kinds.holidays && year <= span.to; ++year) {
        if (!GetUserHolidays(year, printer.Holidays(), ofYear)) continue;
        for (const Holiday& holiday : ofYear) calendar.Add(holidays.Make(holiday));
    }
    if (kinds.terms) AddTerms(span, calendar);
    // The kinds the makers above do not write: 기념일, 잡절 and 토왕용사 (which
    // comes with the terms).
    AlmanacDayEventMaker almanacDays;
    const DayKinds almanacKinds{false, false, kinds.anniversaries, kinds.sundry, false};
    for (const MarkedDay& day : MarkedDays(span.from, span.to, almanacKinds, printer.User(), kinds.terms)) {
        if (const CalendarEvent* event = almanacDays.Make(day)) calendar.Add(*event);
    }
    if (kinds.events) AddEvents(printer.Events(), span, calendar);
    calendar.Finish();
}

void PrintCalendarFile(const Printer& printer)
{
    const CalendarParts& lists = printer.Request().lists;
    // Every span checked before a byte is written.
    const std::optional<YearSpan> holidays = lists.holidays ? std::optional(HolidaySpan(printer)) : std::nullopt;
    const std::optional<YearSpan> terms = lists.terms ? std::optional(TermSpan(printer)) : std::nullopt;
    const std::optional<YearSpan> events = lists.events ? std::optional(EventSpan(printer)) : std::nullopt;
    YearSpan span{};  // the first part's: one of them is asked for
    for (const std::optional<YearSpan>& part : {holidays, terms, events}) {
        if (part) {
            span = *part;
            break;
        }
    }
    if (events) {
        (void)printer.Events();
        SayWhereEventsWouldBe(printer);
    }
    const std::string calendarName = CalendarFileName(lists, span.from, span.to);
    ICalendarWriter calendar = printer.Calendar(calendarName);
    if (holidays) AddHolidays(printer, *holidays, calendar);
    if (terms) AddTerms(*terms, calendar);
    if (events) AddEvents(printer.Events(), *events, calendar);
    calendar.Finish();
}

namespace {

// The days --upcoming asks for: "30", "2주", "3개월", "1년" (30 where none is given).
std::int32_t UpcomingDays(const Printer& printer)
{
    constexpr std::int32_t kDefaultDays = 30;
    const std::vector<std::string>& numbers = printer.Request().numbers;
    if (numbers.empty()) return kDefaultDays;
    const std::optional<TypedDays> typed = ReadTypedDays(numbers[0]);
    if (!typed) {
        throw TypedValueError(
            Message("--upcoming: {1} is not a number of days (30, 2주, 3개월, 1년)", {Utf8::Quoted(numbers[0])}));
    }
    const std::int64_t days = DaysOf(*typed, printer.Context().today);
    if (days < 1 || days > kMostUpcomingDays) {
        throw TypedValueError(Message("--upcoming: {1} is not a number of days 1-{2}",
                                      {Utf8::Quoted(numbers[0]), std::to_string(kMostUpcomingDays)}));
    }
    return static_cast<std::int32_t>(days);
}

}  // namespace

void PrintUpcomingJson(const Printer& printer)
{
    const std::int32_t days = UpcomingDays(printer);
    printer.Document(
        UpcomingJson(UpcomingDates(printer.Context().today, days, printer.User(), printer.Kinds(kEveryKind))) + "\n");
}

void PrintUpcomingText(const Printer& printer)
{
    const std::int32_t days = UpcomingDays(printer);
    const std::vector<UpcomingDate> dates =
        UpcomingDates(printer.Context().today, days, printer.User(), printer.Kinds(kListedKinds));
    if (dates.empty()) {  // said, so that an empty screen is not taken for a failure
        printer.Write(Messages::Shown(Message("nothing in the next {1} days", {std::to_string(days)})));
    }
    for (const UpcomingDate& date : dates) {
        const std::string daysLeft = Messages::DaysLeftWords(date.daysLeft);  // in the reader's language
        if (date.kind == UpcomingKind::Reminder) {                            // as the desktop's notification says it
            printer.Write(Messages::Shown(
                Message("reminder: {1} · {2}", {daysLeft, ReminderText(date.date, date.daysLeft, date.name)})));
        } else {
            printer.Write(UpcomingLine(date, daysLeft));
        }
    }
}
