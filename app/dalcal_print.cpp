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
#include <vector>

#include "argument_values.h"
#include "arguments.h"
#include "cp949.h"
#include "exception.h"
#include "messages.h"
#include "print_run.h"
#include "sysutils.h"
#include "terminal_style.h"
#include "user_files.h"

namespace {

constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage = Phrase(  // xgettext:no-c-format (its "4% of" is no format)
    "Usage: dalcal-print [OPTION...] [YEAR [MONTH]]\n"
    "       dalcal-print [OPTION...] YYYY-MM-DD\n"
    "       dalcal-print [OPTION...] --holidays [YEAR|FROM-TO]\n"
    "       dalcal-print [OPTION...] --terms [YEAR|FROM-TO]\n"
    "       dalcal-print [OPTION...] --events [YEAR|FROM-TO]\n"
    "       dalcal-print [OPTION...] --from-lunar YEAR MONTH DAY [--leap]\n"
    "       dalcal-print [OPTION...] --from-lunar MONTH DAY --years FROM-TO [--leap]\n"
    "\n"
    "Prints the Korean month calendar of YEAR and MONTH (default: this month), or\n"
    "the twelve months of YEAR: each day under its weekday with its stem-branch\n"
    "name and, below, its lunar date (the month's name on its first day, 윤 in a\n"
    "leap month), and below each month its public holidays and solar terms.\n"
    "YYYY-MM-DD reads one day whole: weekday, stem-branch, lunar date with its\n"
    "year's and month's stem-branch, holidays, solar term, events.\n"
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
    "                      Korea's calendar on about 4% of days (설날 2027: 02-06,\n"
    "                      not 02-07); no holiday or term lines below its months\n"
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
    "Dates are proleptic Gregorian, also before 1582-10-15. A computed month whose\n"
    "new moon falls within two minutes of midnight may begin a day earlier or later\n"
    "(Delta T, the Earth's clock error, is not known that far ahead): such dates,\n"
    "and solar terms within a minute of midnight, are marked (±1일).\n"
    "SOURCE_DATE_EPOCH, where set, stamps the events of --ics, which are then the\n"
    "same bytes on every run.\n"
    "Your events show below each month of Korea's almanac and in a date's reading.\n"
    "Holidays designated after this program was built can be added, one a line\n"
    "(YYYY-MM-DD NAME [KIND]), in /etc/dalcal/holidays or\n"
    "$XDG_CONFIG_HOME/dalcal/holidays. A line that cannot be read is reported as\n"
    "FILE:LINE and skipped; the files are only read. Formats: dalcal-print(1).\n"
    "Exit status: 0 printed, 1 a value refused, 2 a usage error.\n");

// A refusal as the reader reads it: in their language, UTF-8. Its values
// are UTF-8 where they quote what was typed, CP949 otherwise.
std::string Shown(const Exception& error)
{
    if (!error.Said()) return Cp949::ToUtf8(error.Message());
    if (dynamic_cast<const TypedValueError*>(&error) != nullptr) return Messages::Shown(*error.Said());
    std::vector<std::string> values;
    for (const std::string& value : error.Said()->Values()) values.push_back(Cp949::ToUtf8(value));
    return Messages::Shown(Message(error.Said()->Pattern(), std::move(values), error.Said()->SystemError()));
}

// The same in the encoding of the output; it must get out even when conversion fails.
std::string MessageForTerminal(const Exception& error, bool cp949) noexcept
{
    try {
        const std::string utf8 = Shown(error);
        return cp949 ? Cp949::FromUtf8(utf8) : utf8;
    } catch (...) {
        return error.Message();
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
    const int writeError = errno;
    (void)std::fprintf(stderr, "dalcal-print: %s\n", Messages::Shown(Message("write error", {}, writeError)).c_str());
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
    return ReadUserDates(paths, [](const std::string& where, const Message& what) {
        (void)std::fprintf(stderr, "%s: %s\n", where.c_str(), Messages::Shown(what).c_str());
    });
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
        (void)std::fprintf(stderr, "dalcal-print: %s\n%s\n", Messages::Shown(usage->message).c_str(),
                           Messages::Translated("Try 'dalcal-print --help'."));
        return kExitUsage;
    }
    const PrintRequest& request = std::get<PrintRequest>(parsed);
    if (request.help || request.version) {
        (void)std::fputs(request.help ? Messages::Translated(kUsage) : "dalcal-print (dalcal) " DALCAL_VERSION "\n",
                         stdout);
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
    } catch (const Exception& error) {
        Complain(MessageForTerminal(error, request.cp949).c_str());
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
