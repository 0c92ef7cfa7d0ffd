// dalcal-print: the month calendar of the window in a terminal, Korea's
// holidays and solar terms, and lunar dates turned into Gregorian ones.
//
// Exit status: 0 done; 1 a value was refused or the output could not be
// written (lines already written stay written); 2 a usage error, reported
// before anything is printed.

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "argument_values.h"
#include "arguments.h"
#include "cp949.h"
#include "exception.h"
#include "print_run.h"
#include "sysutils.h"
#include "terminal_style.h"
#include "user_files.h"

namespace {

constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "Usage: dalcal-print [OPTION...] [YEAR [MONTH]]\n"
    "       dalcal-print [OPTION...] YYYY-MM-DD\n"
    "       dalcal-print [OPTION...] --holidays [YEAR|FROM-TO] | --terms [YEAR|FROM-TO]\n"
    "       dalcal-print [OPTION...] --events [YEAR|FROM-TO]\n"
    "       dalcal-print [OPTION...] --from-lunar YEAR MONTH DAY [--leap]\n"
    "       dalcal-print [OPTION...] --from-lunar MONTH DAY --years FROM-TO [--leap]\n"
    "\n"
    "Prints the Korean month calendar of YEAR and MONTH (default: this month), or\n"
    "the twelve months of YEAR: each day under its weekday with its stem-branch\n"
    "name and, below, its lunar date (the month's name on its first day, 윤 in a\n"
    "leap month), and below each month its public holidays and solar terms. YYYY-MM-DD reads one day whole: weekday, "
    "stem-branch, lunar\n"
    "date with its year's and month's stem-branch, holidays, solar term, events.\n"
    "  --holidays [SPAN]   Korea's public holidays of a year or FROM-TO (2014-2100)\n"
    "  --terms [SPAN]      the 24 solar terms of a year or FROM-TO (1900-2100),\n"
    "                      Korean time\n"
    "  --from-lunar        YEAR MONTH DAY is a lunar date: read its Gregorian day\n"
    "                      whole; --leap for a leap month\n"
    "  --years FROM-TO     with --from-lunar MONTH DAY: that lunar date in every\n"
    "                      year of the span (a lunar birthday, a 제사)\n"
    "  --events [SPAN]     your own dates of a year or FROM-TO (1391-2100), from\n"
    "                      $XDG_CONFIG_HOME/dalcal/events (~/.config/dalcal/events)\n"
    "  --events-file FILE  read your dates from FILE instead\n"
    "  --no-events         read no events file\n"
    "\n"
    "  --json              one JSON document (UTF-8) for a date, --holidays, --terms,\n"
    "                      --events or --from-lunar; keys in dalcal-print(1)\n"
    "  --ics               an iCalendar file (RFC 5545) of --holidays, --terms,\n"
    "                      --events or --from-lunar MONTH DAY --years FROM-TO\n"
    "  --summary TEXT      the events' name with --ics --from-lunar ... --years\n"
    "                      (default: the lunar date, e.g. \"음력 3월 15일\")\n"
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
    "  --layout terminal   the month within 80 columns, two lines a week (the\n"
    "                      default)\n"
    "  --layout window     exactly the window's text: a line a week, 105 columns\n"
    "  --encoding utf-8    write UTF-8 (the default)\n"
    "  --encoding cp949    write the CP949 bytes unchanged (not with --json, --ics)\n"
    "  --help              show this help\n"
    "  --version           show the version\n"
    "\n"
    "Dates are proleptic Gregorian, also before 1582-10-15. A computed month whose new\n"
    "moon falls within two minutes of midnight may begin a day earlier or later (Delta T,\n"
    "the Earth's clock error, is not known that far ahead): such dates, and solar terms\n"
    "within a minute of midnight, are marked (±1일). SOURCE_DATE_EPOCH, where set,\n"
    "stamps the events of --ics, which are then the same bytes on every run.\n"
    "Your events show below each month of Korea's almanac and in a date's reading.\n"
    "Holidays designated after this program was built can be added, one a line\n"
    "(YYYY-MM-DD NAME [KIND]), in /etc/dalcal/holidays or\n"
    "$XDG_CONFIG_HOME/dalcal/holidays. A line that cannot be read is reported as\n"
    "FILE:LINE and skipped; the files are only read. Formats: dalcal-print(1).\n"
    "Exit status: 0 printed, 1 a value refused, 2 a usage error.\n";

// The same for an error message, which must get out even when conversion fails.
std::string MessageForTerminal(const AnsiString& text, bool cp949) noexcept
{
    try {
        return cp949 ? text : Cp949::ToUtf8(text);
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

// Whether all output reached its reader; says why not (a full disk, a closed pipe).
bool OutputWritten()
{
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return true;
    (void)std::fprintf(stderr, "dalcal-print: write error: %s\n", std::strerror(errno));
    return false;
}

std::string Environment(const char* name)
{
    const char* const value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The user's events and added holidays; each line or file that cannot be
// used is one message on stderr, and the rest is used.
UserDates ReadUserDates(const PrintRequest& request)
{
    const UserFileChoice choice{request.eventsFile, request.noEvents};
    const UserFilePaths paths = LocateUserFiles(choice, Environment("XDG_CONFIG_HOME"), Environment("HOME"));
    return ReadUserDates(paths,
                         [](const std::string& message) { (void)std::fprintf(stderr, "%s\n", message.c_str()); });
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
    if (request.help || request.version) {
        (void)std::fputs(request.help ? kUsage : "dalcal-print (dalcal) " DALCAL_VERSION "\n", stdout);
        return OutputWritten() ? 0 : kExitRefused;
    }
    const RunContext context{
        UseColor(request.color, isatty(STDOUT_FILENO) == 1, std::getenv("NO_COLOR"), std::getenv("TERM")), TodayNow(),
        StampSeconds(), ReadUserDates(request)};
    const ByteOutput toStdout = [](std::string_view bytes) {
        (void)std::fwrite(bytes.data(), 1, bytes.size(), stdout);  // checked once, at the end
    };
    int status = 0;
    try {
        status = RunPrintRequest(request, context, toStdout);
    } catch (const TypedValueError& error) {  // UTF-8 already, quoting what was typed
        Complain(request.cp949 ? Cp949::FromUtf8(error.Message()).c_str() : error.Message().c_str());
        return kExitRefused;
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
