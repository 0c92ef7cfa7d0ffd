// dalcal-print: the month calendar of the window, written to a terminal.
//
//   dalcal-print [--encoding utf-8|cp949] [YEAR MONTH]
//
// Exit status: 0 done; 1 the year or month was refused (lines already written
// stay written); 2 a usage error, reported before anything is printed.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cp949.h"
#include "exception.h"
#include "print_month.h"
#include "sysutils.h"

namespace {

constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "Usage: dalcal-print [--encoding utf-8|cp949] [YEAR MONTH]\n"
    "Prints the Korean month calendar of YEAR and MONTH (default: this month):\n"
    "each day with its stem-branch name and its lunar date, '*' for a leap lunar month.\n"
    "Lunar dates are shown from 1900-01-31 to 2050-01-22.\n"
    "\n"
    "  --encoding utf-8   write UTF-8 (the default)\n"
    "  --encoding cp949   write the CP949 bytes unchanged\n"
    "  --help             show this help\n";

struct Request {
    bool cp949 = false;
    bool help = false;
    std::vector<std::string> numbers;  // YEAR MONTH, or none
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
        } else if (arg == "--encoding") {
            if (i + 1 >= argc) UsageError("--encoding needs a value");
            SetEncoding(request, argv[++i]);
        } else if (arg.starts_with("--encoding=")) {
            SetEncoding(request, arg.substr(std::strlen("--encoding=")));
        } else {
            UsageError("unknown option '" + std::string(arg) + "'");
        }
    }
    if (!request.numbers.empty() && request.numbers.size() != 2) {
        UsageError("expected YEAR and MONTH, or nothing, but got " + std::to_string(request.numbers.size()) +
                   " argument(s)");
    }
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

// Prints the calendar asked for; a refused year or month raises EConvertError.
void Run(const Request& request)
{
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
    PrintMonth(year, month, [&request](const AnsiString& line) {
        const std::string text = ForTerminal(line, request.cp949) + "\n";
        (void)std::fwrite(text.data(), 1, text.size(), stdout);  // checked once, at the end
    });
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
