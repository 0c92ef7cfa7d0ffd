#include "arguments.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

constexpr int kExitUsage = 2;

// Flags that choose what to print; at most one of them.
struct ModeFlags {
    bool holidays = false;
    bool terms = false;
    bool fromLunar = false;
};

bool LooksLikeOption(std::string_view arg)
{
    // "-5" is a (negative) number, not an option.
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
}

void SetEncoding(PrintRequest& request, std::string_view name)
{
    if (name == "utf-8" || name == "UTF-8" || name == "utf8") {
        request.cp949 = false;
    } else if (name == "cp949" || name == "CP949") {
        request.cp949 = true;
    } else {
        UsageError("unknown encoding '" + std::string(name) + "' (use utf-8 or cp949)");
    }
}

void SetAlmanac(PrintRequest& request, std::string_view name)
{
    if (name == "korea") {
        request.almanac = Almanac::Korea;
    } else if (name == "classic") {
        request.almanac = Almanac::Classic;
    } else {
        UsageError("unknown almanac '" + std::string(name) + "' (use korea or classic)");
    }
}

void SetColor(PrintRequest& request, std::string_view when)
{
    if (when == "auto") {
        request.color = ColorWhen::Auto;
    } else if (when == "always") {
        request.color = ColorWhen::Always;
    } else if (when == "never") {
        request.color = ColorWhen::Never;
    } else {
        UsageError("unknown --color value '" + std::string(when) + "' (use auto, always or never)");
    }
}

void SetYears(PrintRequest& request, std::string_view span)
{
    request.years = span;
}

// An option that takes a value, as "--name VALUE" or "--name=VALUE"; false if arg is not it.
bool TakeValue(std::string_view option, int argc, char** argv, int& i, void (*set)(PrintRequest&, std::string_view),
               PrintRequest& request)
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

std::string Count(std::size_t count)
{
    return std::to_string(count) + " argument(s)";
}

// Decides the mode from the flags and the count of numbers.
void ChooseMode(PrintRequest& request, const ModeFlags& flags)
{
    const int chosen = int{flags.holidays} + int{flags.terms} + int{flags.fromLunar};
    if (chosen > 1) UsageError("choose one of --holidays, --terms and --from-lunar");
    const std::size_t count = request.numbers.size();
    if (request.leap && !flags.fromLunar) UsageError("--leap needs --from-lunar");
    if (!request.years.empty() && !flags.fromLunar) UsageError("--years needs --from-lunar");
    if (flags.holidays || flags.terms) {
        const std::string option = flags.holidays ? "--holidays" : "--terms";
        if (count > 1) UsageError(option + " takes one YEAR, but got " + Count(count));
        request.mode = flags.holidays ? PrintMode::Holidays : PrintMode::Terms;
    } else if (flags.fromLunar && !request.years.empty()) {
        if (count != 2) UsageError("--from-lunar with --years expects MONTH DAY, but got " + Count(count));
        request.mode = PrintMode::FromLunarYears;
    } else if (flags.fromLunar) {
        if (count != 3) UsageError("--from-lunar expects YEAR MONTH DAY, but got " + Count(count));
        request.mode = PrintMode::FromLunar;
    } else if (count == 1) {
        request.mode = PrintMode::Year;
    } else if (count == 0 || count == 2) {
        request.mode = PrintMode::Month;
    } else {
        UsageError("expected YEAR, YEAR MONTH or nothing, but got " + Count(count));
    }
}

}  // namespace

void UsageError(const std::string& message)
{
    (void)std::fprintf(stderr, "dalcal-print: %s\nTry 'dalcal-print --help'.\n", message.c_str());
    std::exit(kExitUsage);
}

PrintRequest ParsePrintArguments(int argc, char** argv)
{
    PrintRequest request;
    ModeFlags flags;
    bool optionsDone = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsDone || !LooksLikeOption(arg)) {
            request.numbers.emplace_back(arg);
        } else if (arg == "--") {
            optionsDone = true;
        } else if (arg == "--help" || arg == "-h") {
            request.help = true;
        } else if (arg == "--version") {
            request.version = true;
        } else if (arg == "--holidays") {
            flags.holidays = true;
        } else if (arg == "--terms") {
            flags.terms = true;
        } else if (arg == "--from-lunar") {
            flags.fromLunar = true;
        } else if (arg == "--leap") {
            request.leap = true;
        } else if (arg == "--color") {
            request.color = ColorWhen::Auto;
        } else if (!TakeValue("--encoding", argc, argv, i, SetEncoding, request) &&
                   !TakeValue("--almanac", argc, argv, i, SetAlmanac, request) &&
                   !TakeValue("--years", argc, argv, i, SetYears, request) &&
                   !(arg.starts_with("--color=") && (SetColor(request, arg.substr(8)), true))) {
            UsageError("unknown option '" + std::string(arg) + "'");
        }
    }
    if (!request.help && !request.version) ChooseMode(request, flags);
    return request;
}
