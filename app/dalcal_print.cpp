// dalcal-print: the month calendar of the window in a terminal, Korea's
// holidays and solar terms, and lunar dates turned into Gregorian ones.
//
// Exit status: 0 done; 1 a value was refused or the output could not be
// written (lines already written stay written); 2 a usage error, reported
// before anything is printed.

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "argument_values.h"
#include "arguments.h"
#include "calendar_events.h"
#include "calendar_names.h"
#include "cp949.h"
#include "date_reading.h"
#include "exception.h"
#include "from_lunar_line.h"
#include "icalendar.h"
#include "json_documents.h"
#include "month_notes.h"
#include "print_month.h"
#include "sysutils.h"
#include "terminal_style.h"
#include "year_lists.h"

namespace {

constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;
constexpr std::int32_t kMonthsInYear = 12;

constexpr const char* kUsage =
    "Usage: dalcal-print [OPTION...] [YEAR [MONTH]]\n"
    "       dalcal-print [OPTION...] --holidays [YEAR] | --terms [YEAR]\n"
    "       dalcal-print [OPTION...] --from-lunar YEAR MONTH DAY [--leap]\n"
    "       dalcal-print [OPTION...] --from-lunar MONTH DAY --years FROM-TO [--leap]\n"
    "\n"
    "Prints the Korean month calendar of YEAR and MONTH (default: this month), or\n"
    "the twelve months of YEAR: each day with its stem-branch name and its lunar\n"
    "date ('*' for a leap lunar month), and below each month its public holidays\n"
    "and solar terms.\n"
    "  --holidays [YEAR]   Korea's public holidays of a year (2014-2100)\n"
    "  --terms [YEAR]      the 24 solar terms of a year (1900-2100), Korean time\n"
    "  --from-lunar        YEAR MONTH DAY is a lunar date: print its Gregorian day,\n"
    "                      weekday and stem-branch; --leap for a leap month\n"
    "  --years FROM-TO     with --from-lunar MONTH DAY: that lunar date in every\n"
    "                      year of the span (a lunar birthday, a 제사)\n"
    "\n"
    "  --almanac korea     Korea's official lunar calendar (the default): lunar years\n"
    "                      1391-2050 as KASI publishes them, 2051-2100 computed from\n"
    "                      the Sun and the Moon (1391-02-13 to 2101-01-28)\n"
    "  --almanac classic   the table the window shows (lunar years 1900-2049,\n"
    "                      1900-01-31 to 2050-01-22); Chinese data that differs from\n"
    "                      Korea's calendar on about 4% of days (설날 2027: 02-06, not\n"
    "                      02-07); no holiday or term lines below its months\n"
    "  --color[=WHEN]      colour on a terminal: Sundays and holidays red, Saturdays\n"
    "                      blue, today reversed; WHEN is auto (the default: only on a\n"
    "                      terminal, not with NO_COLOR set), always or never\n"
    "  --encoding utf-8    write UTF-8 (the default)\n"
    "  --encoding cp949    write the CP949 bytes unchanged\n"
    "  --help              show this help\n"
    "  --version           show the version\n"
    "\n"
    "Dates are proleptic Gregorian, also before 1582-10-15. A computed month whose new\n"
    "moon falls within two minutes of midnight may begin a day earlier or later (Delta T,\n"
    "the Earth's clock error, is not known that far ahead): such dates, and solar terms\n"
    "within a minute of midnight, are marked (±1일).\n"
    "Exit status: 0 printed, 1 a value refused, 2 a usage error.\n";

// Text from the program, CP949, in the encoding asked for.
std::string ForTerminal(const AnsiString& text, bool cp949)
{
    return cp949 ? text : Cp949::ToUtf8(text);
}

// The same for an error message, which must get out even when conversion fails.
std::string MessageForTerminal(const AnsiString& text, bool cp949) noexcept
{
    try {
        return ForTerminal(text, cp949);
    } catch (...) {
        return text;
    }
}

Today TodayNow()
{
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    Sysutils::DecodeDate(Sysutils::Now(), year, month, day);
    return {year, month, day};
}

class Printer {
public:
    explicit Printer(const PrintRequest& request)
        : request_(request),
          color_(UseColor(request.color, isatty(STDOUT_FILENO) == 1, std::getenv("NO_COLOR"), std::getenv("TERM")))
    {
    }

    LineOutput Output() const
    {
        return [this](const AnsiString& line) { Write(line); };
    }

    void Write(const AnsiString& line) const
    {
        const std::string text = ForTerminal(line, request_.cp949) + "\n";
        (void)std::fwrite(text.data(), 1, text.size(), stdout);  // checked once, at the end
    }

    // A whole document (JSON, iCalendar), UTF-8 already.
    static void Document(const std::string& utf8)
    {
        (void)std::fwrite(utf8.data(), 1, utf8.size(), stdout);  // checked once, at the end
    }

    // A month's grid and, in Korea's almanac, its holidays and terms below.
    void Month(std::int32_t year, std::int32_t month) const
    {
        const bool korea = request_.almanac == Almanac::Korea;
        const CellStyle style = color_ ? MonthColors(year, month, korea, TodayNow()) : CellStyle{};
        PrintMonth(year, month, Output(), request_.almanac, style);
        if (korea) PrintMonthNotes(year, month, Output());
    }

private:
    const PrintRequest& request_;
    bool color_;
};

// The moment every event of an iCalendar file is stamped with: SOURCE_DATE_EPOCH
// where set to a number of seconds (the file is then the same on every run), else now.
std::int64_t StampSeconds()
{
    const char* const epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch != nullptr && epoch[0] != '\0' && std::strspn(epoch, "0123456789") == std::strlen(epoch) &&
        std::strlen(epoch) <= 12) {
        return std::stoll(epoch);
    }
    return std::max<std::int64_t>(0, std::time(nullptr));
}

std::string Utf8(const AnsiString& cp949)
{
    return Cp949::ToUtf8(cp949);
}

// The span of --holidays or --terms: this year when none is given.
YearSpan SpanOrThisYear(const PrintRequest& request, const char* option, std::int32_t first, std::int32_t last,
                        const char* what)
{
    if (request.numbers.empty()) {
        const std::int32_t year = TodayNow().year;
        return ParseYearSpan(option, std::to_string(year), true, first, last, what);
    }
    return ParseYearSpan(option, request.numbers[0], true, first, last, what);
}

void PrintHolidays(const PrintRequest& request, const Printer& printer)
{
    const YearSpan span =
        SpanOrThisYear(request, "--holidays", kFirstHolidayYear, kLastHolidayYear, "Korea's public holidays");
    if (request.format == OutputFormat::Text) {
        for (std::int32_t year = span.from; year <= span.to; ++year) PrintHolidayList(year, printer.Output());
        return;
    }
    std::vector<Holiday> holidays;
    for (std::int32_t year = span.from; year <= span.to; ++year) {
        std::vector<Holiday> ofYear;
        GetHolidays(year, ofYear);
        holidays.insert(holidays.end(), ofYear.begin(), ofYear.end());
    }
    if (request.format == OutputFormat::Json) {
        Printer::Document(HolidaysJson(holidays) + "\n");
    } else {
        Printer::Document(
            ICalendar(Utf8(HolidayCalendarName(span.from, span.to)), HolidayEvents(holidays), StampSeconds()));
    }
}

void PrintTerms(const PrintRequest& request, const Printer& printer)
{
    const YearSpan span =
        SpanOrThisYear(request, "--terms", kFirstSolarTermYear, kLastSolarTermYear, "the solar terms");
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
        Printer::Document(SolarTermsJson(terms) + "\n");
    } else {
        Printer::Document(
            ICalendar(Utf8(SolarTermCalendarName(span.from, span.to)), SolarTermEvents(terms), StampSeconds()));
    }
}

void PrintLunarDate(const PrintRequest& request, const Printer& printer)
{
    const std::int32_t year = ParseNumber("YEAR", request.numbers[0]);
    const std::int32_t month = ParseNumber("MONTH", request.numbers[1]);
    const std::int32_t day = ParseNumber("DAY", request.numbers[2]);
    const GregorianDate date = LunarToSolar(request.almanac, year, month, day, request.leap);
    const DateReading reading = ReadDate(request.almanac, date);
    if (request.format == OutputFormat::Json) {
        Printer::Document(DateReadingJson(reading) + "\n");
    } else {
        printer.Write(DateReadingLine(reading));
    }
}

// The lunar date in each year of --years; returns whether any year had it.
bool PrintLunarDateInYears(const PrintRequest& request, const Printer& printer)
{
    const std::int32_t month = ParseNumber("MONTH", request.numbers[0]);
    const std::int32_t day = ParseNumber("DAY", request.numbers[1]);
    if (month < 1 || month > 12) throw EConvertError("MONTH: lunar month " + std::to_string(month) + " is not 1-12");
    if (day < 1 || day > 30) throw EConvertError("DAY: lunar day " + std::to_string(day) + " is not 1-30");
    const AlmanacRange range = RangeOf(request.almanac);
    const YearSpan span =
        ParseYearSpan("--years", request.years, false, range.firstYear, range.lastYear, "the almanac's lunar dates");
    std::vector<LunarDateOfYear> years;
    bool found = false;
    for (std::int32_t year = span.from; year <= span.to; ++year) {
        std::optional<DateReading> reading;
        try {
            reading = ReadDate(request.almanac, LunarToSolar(request.almanac, year, month, day, request.leap));
            found = true;
        } catch (const EConvertError&) {
        }
        if (request.format == OutputFormat::Text) {
            printer.Write(reading ? DateReadingLine(*reading) : MissingLunarDateLine(year, month, day, request.leap));
        }
        years.push_back({year, reading});
    }
    if (request.format == OutputFormat::Json) Printer::Document(LunarYearsJson(years) + "\n");
    if (request.format == OutputFormat::Ics) {
        const std::string lunarName = Utf8(LunarDateName(month, day, request.leap));
        const LunarAnniversary anniversary{month, day, request.leap,
                                           request.summary.empty() ? lunarName : request.summary};
        const std::string calendarName = request.summary.empty() ? lunarName : request.summary + " (" + lunarName + ")";
        Printer::Document(ICalendar(calendarName, AnniversaryEvents(anniversary, years), StampSeconds()));
    }
    return found;
}

// Prints what was asked; a refused value raises EConvertError. Returns the exit status.
int Run(const PrintRequest& request)
{
    if (request.help) {
        (void)std::fputs(kUsage, stdout);  // checked with the rest of the output
        return 0;
    }
    if (request.version) {
        (void)std::puts("dalcal-print (dalcal) " DALCAL_VERSION);
        return 0;
    }
    const Printer printer(request);
    switch (request.mode) {
        case PrintMode::Date: {
            const DateReading reading = ReadDate(request.almanac, ParseIsoDate(request.numbers[0]));
            if (request.format == OutputFormat::Json) {
                Printer::Document(DateReadingJson(reading) + "\n");
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
        case PrintMode::FromLunar:
            PrintLunarDate(request, printer);
            return 0;
        case PrintMode::FromLunarYears:
            return PrintLunarDateInYears(request, printer) ? 0 : kExitRefused;
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
        const Today today = TodayNow();
        printer.Month(today.year, today.month);
    } else {
        printer.Month(ParseNumber("YEAR", request.numbers[0]), ParseNumber("MONTH", request.numbers[1]));
    }
    return 0;
}

// Whether all output reached its reader; says why not (a full disk, a closed pipe).
bool OutputWritten()
{
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return true;
    (void)std::fprintf(stderr, "dalcal-print: write error: %s\n", std::strerror(errno));
    return false;
}

void Complain(const char* message) noexcept
{
    (void)std::fflush(stdout);
    (void)std::fprintf(stderr, "dalcal-print: %s\n", message);
}

int Main(std::span<const char* const> args)
{
    const auto parsed = ParsePrintArguments(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        (void)std::fprintf(stderr, "dalcal-print: %s\nTry 'dalcal-print --help'.\n", usage->message.c_str());
        return kExitUsage;
    }
    const PrintRequest& request = std::get<PrintRequest>(parsed);
    int status = 0;
    try {
        status = Run(request);
    } catch (const Exception& error) {
        Complain(MessageForTerminal(error.Message(), request.cp949).c_str());
        return kExitRefused;
    }
    return OutputWritten() ? status : kExitRefused;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        const char* const* args = argv;
        return Main({args, static_cast<std::size_t>(argc)});
    } catch (const std::exception& error) {  // out of memory, a fault: still one line and status 1
        Complain(error.what());
        return kExitRefused;
    }
}
