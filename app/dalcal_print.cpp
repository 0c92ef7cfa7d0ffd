// dalcal-print: the month calendar of the window, written to a terminal, and
// the Gregorian day of a lunar date.
//
//   dalcal-print [--almanac korea|classic] [--encoding utf-8|cp949] [YEAR MONTH]
//   dalcal-print [--almanac ...] [--encoding ...] --from-lunar YEAR MONTH DAY [--leap]
//
// Exit status: 0 done; 1 a value was refused (lines already written stay
// written); 2 a usage error, reported before anything is printed.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cp949.h"
#include "exception.h"
#include "from_lunar_line.h"
#include "print_month.h"
#include "sysutils.h"

namespace {

constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "Usage: dalcal-print [--almanac korea|classic] [--encoding utf-8|cp949] [YEAR MONTH]\n"
    "       dalcal-print [--almanac korea|classic] [--encoding utf-8|cp949] --from-lunar YEAR MONTH DAY [--leap]\n"
    "\n"
    "Prints the Korean month calendar of YEAR and MONTH (default: this month):\n"
    "each day with its stem-branch name and its lunar date, '*' for a leap lunar month.\n"
    "With --from-lunar, prints the Gregorian day of a lunar date instead:\n"
    "the ISO date, the weekday and the day's stem-branch.\n"
    "\n"
    "  --almanac korea     Korea's official lunar calendar (the default): lunar years\n"
    "                      1391-2050 as KASI publishes them, 2051-2100 computed from\n"
    "                      the Sun and the Moon (1391-02-13 to 2101-01-28)\n"
    "  --almanac classic   the table the window shows (lunar years 1900-2049,\n"
    "                      1900-01-31 to 2050-01-22); Chinese data that differs from\n"
    "                      Korea's calendar on about 4% of days (설날 2027: 02-06, not 02-07)\n"
    "  --from-lunar        YEAR MONTH DAY are a lunar date; --leap for a leap month\n"
    "  --encoding utf-8    write UTF-8 (the default)\n"
    "  --encoding cp949    write the CP949 bytes unchanged\n"
    "  --help              show this help\n"
    "\n"
    "Dates are proleptic Gregorian, also before 1582-10-15. A computed month whose new\n"
    "moon falls within two minutes of midnight may begin a day earlier or later (Delta T,\n"
    "the Earth's clock error, is not known that far ahead): --from-lunar marks it (±1일).\n";

struct Request {
    bool cp949 = false;
    bool help = false;
    Almanac almanac = Almanac::Korea;
    bool fromLunar = false;
    bool leap = false;
    std::vector<std::string> numbers;  // YEAR MONTH, YEAR MONTH DAY, or none
};

[[noreturn]] void UsageError(const std::string& message)
{
    (void)std::fprintf(stderr, "dalcal-print: %s\nTry 'dalcal-print --help'.\n", message.c_str());
    std::exit(kExitUsage);
}

bool LooksLikeOption(std::string_view arg)
{
    // "-5" is a (negative) year, not an option.
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
}

void SetEncoding(Request& request, std::string_view name)
{
    if (name == "utf-8" || name == "UTF-8" || name == "utf8") {
        request.cp949 = false;
    } else if (name == "cp949" || name == "CP949") {
        request.cp949 = true;
    } else {
        UsageError("unknown encoding '" + std::string(name) + "' (use utf-8 or cp949)");
    }
}

void SetAlmanac(Request& request, std::string_view name)
{
    if (name == "korea") {
        request.almanac = Almanac::Korea;
    } else if (name == "classic") {
        request.almanac = Almanac::Classic;
    } else {
        UsageError("unknown almanac '" + std::string(name) + "' (use korea or classic)");
    }
}

// An option that takes a value, as "--name VALUE" or "--name=VALUE"; false if arg is not it.
bool TakeValue(std::string_view option, int argc, char** argv, int& i, void (*set)(Request&, std::string_view),
               Request& request)
{
    const std::string_view arg = argv[i];
    if (arg == option) {
        if (i + 1 >= argc) UsageError(std::string(option) + " needs a value");
        set(request, argv[++i]);
        return true;
    }
    if (arg.size() > option.size() && arg.starts_with(option) && arg[option.size()] == '=') {
        set(request, arg.substr(option.size() + 1));
        return true;
    }
    return false;
}

void CheckNumbers(const Request& request)
{
    const std::size_t count = request.numbers.size();
    if (request.fromLunar && count != 3) {
        UsageError("--from-lunar expects YEAR MONTH DAY, but got " + std::to_string(count) + " argument(s)");
    }
    if (!request.fromLunar && count != 0 && count != 2) {
        UsageError("expected YEAR and MONTH, or nothing, but got " + std::to_string(count) + " argument(s)");
    }
    if (request.leap && !request.fromLunar) UsageError("--leap needs --from-lunar");
}

Request ParseArguments(int argc, char** argv)
{
    Request request;
    bool optionsDone = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsDone || !LooksLikeOption(arg)) {
            request.numbers.emplace_back(arg);
        } else if (arg == "--") {
            optionsDone = true;
        } else if (arg == "--help" || arg == "-h") {
            request.help = true;
        } else if (arg == "--from-lunar") {
            request.fromLunar = true;
        } else if (arg == "--leap") {
            request.leap = true;
        } else if (!TakeValue("--encoding", argc, argv, i, SetEncoding, request) &&
                   !TakeValue("--almanac", argc, argv, i, SetAlmanac, request)) {
            UsageError("unknown option '" + std::string(arg) + "'");
        }
    }
    if (!request.help) CheckNumbers(request);
    return request;
}

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

void WriteLine(const AnsiString& line, bool cp949)
{
    const std::string text = ForTerminal(line, cp949) + "\n";
    (void)std::fwrite(text.data(), 1, text.size(), stdout);  // checked once, at the end
}

// Prints the calendar or the date asked for; a refused value raises EConvertError.
void Run(const Request& request)
{
    if (request.fromLunar) {
        const std::int32_t year = ParseNumber("YEAR", request.numbers[0]);
        const std::int32_t month = ParseNumber("MONTH", request.numbers[1]);
        const std::int32_t day = ParseNumber("DAY", request.numbers[2]);
        WriteLine(FromLunarLine(request.almanac, year, month, day, request.leap), request.cp949);
        return;
    }
    std::int32_t year = 0;
    std::int32_t month = 0;
    if (request.numbers.empty()) {
        std::uint16_t thisYear = 0;
        std::uint16_t thisMonth = 0;
        std::uint16_t today = 0;
        Sysutils::DecodeDate(Sysutils::Now(), thisYear, thisMonth, today);
        year = thisYear;
        month = thisMonth;
    } else {
        year = ParseNumber("YEAR", request.numbers[0]);
        month = ParseNumber("MONTH", request.numbers[1]);
    }
    PrintMonth(
        year, month, [&request](const AnsiString& line) { WriteLine(line, request.cp949); }, request.almanac);
}

}  // namespace

int main(int argc, char** argv)
{
    const Request request = ParseArguments(argc, argv);
    if (request.help) {
        return std::fputs(kUsage, stdout) >= 0 ? 0 : kExitRefused;
    }
    try {
        Run(request);
    } catch (const Exception& error) {
        (void)std::fflush(stdout);
        (void)std::fprintf(stderr, "dalcal-print: %s\n", MessageForTerminal(error.Message(), request.cp949).c_str());
        return kExitRefused;
    }
    // A calendar that did not all reach its reader (a full disk, a closed pipe) is a failure.
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : kExitRefused;
}
