// dalcal-print: the month calendar of the window in a terminal, Korea's
// holidays and solar terms, and lunar dates turned into Gregorian ones.
//
// Exit status: 0 done; 1 a value was refused or the output could not be
// written (lines already written stay written); 2 a usage error, reported
// before anything is printed.

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <span>
#include <string>
#include <variant>

#include "arguments.h"
#include "cp949.h"
#include "exception.h"
#include "from_lunar_line.h"
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

// Parses one argument as the window parses its edit boxes; names the argument when refused.
std::int32_t ParseNumber(const char* name, const std::string& arg)
{
    try {
        return Sysutils::StrToInt(Cp949::FromUtf8(arg));
    } catch (const EConvertError& error) {
        throw EConvertError(AnsiString(name) + ": " + error.Message());
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

// FROM-TO of --years, each within the almanac.
struct YearSpan {
    std::int32_t from;
    std::int32_t to;
};

YearSpan ParseYearSpan(const PrintRequest& request)
{
    const std::size_t dash = request.years.find('-', 1);  // not a leading minus sign
    if (dash == std::string::npos) {
        throw EConvertError("--years: \"" + request.years + "\" is not a span like 2026-2035");
    }
    const YearSpan span{ParseNumber("--years", request.years.substr(0, dash)),
                        ParseNumber("--years", request.years.substr(dash + 1))};
    const AlmanacRange range = RangeOf(request.almanac);
    if (span.from > span.to) throw EConvertError("--years: " + request.years + " runs backwards");
    if (span.from < range.firstYear || span.to > range.lastYear) {
        throw EConvertError("--years: " + request.years + " is not within the almanac's lunar years " +
                            std::to_string(range.firstYear) + "-" + std::to_string(range.lastYear));
    }
    return span;
}

// One line a year; returns whether any year had the day.
bool PrintLunarDateInYears(const PrintRequest& request, const Printer& printer)
{
    const std::int32_t month = ParseNumber("MONTH", request.numbers[0]);
    const std::int32_t day = ParseNumber("DAY", request.numbers[1]);
    if (month < 1 || month > 12) throw EConvertError("MONTH: lunar month " + std::to_string(month) + " is not 1-12");
    if (day < 1 || day > 30) throw EConvertError("DAY: lunar day " + std::to_string(day) + " is not 1-30");
    const YearSpan span = ParseYearSpan(request);
    bool found = false;
    for (std::int32_t year = span.from; year <= span.to; ++year) {
        try {
            printer.Write(FromLunarLine(request.almanac, year, month, day, request.leap));
            found = true;
        } catch (const EConvertError&) {
            printer.Write(MissingLunarDateLine(year, month, day, request.leap));
        }
    }
    return found;
}

std::int32_t YearOrThisYear(const PrintRequest& request)
{
    return request.numbers.empty() ? TodayNow().year : ParseNumber("YEAR", request.numbers[0]);
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
        case PrintMode::Holidays:
            PrintHolidayList(YearOrThisYear(request), printer.Output());
            return 0;
        case PrintMode::Terms:
            PrintSolarTermList(YearOrThisYear(request), printer.Output());
            return 0;
        case PrintMode::FromLunar: {
            const std::int32_t year = ParseNumber("YEAR", request.numbers[0]);
            const std::int32_t month = ParseNumber("MONTH", request.numbers[1]);
            const std::int32_t day = ParseNumber("DAY", request.numbers[2]);
            printer.Write(FromLunarLine(request.almanac, year, month, day, request.leap));
            return 0;
        }
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
