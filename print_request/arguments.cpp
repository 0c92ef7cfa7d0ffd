#include "arguments.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "argument_values.h"
#include "utf8.h"

namespace {

constexpr const char* kYearsMissing = Phrase("--years needs a value (a span like 2026-2035)");
constexpr const char* kSummaryMissing = Phrase("--summary needs a value (the events' name)");
constexpr const char* kEventsFileMissing = Phrase("--events-file needs a value (a file of events)");

// Flags that choose what to print; at most one of them.
struct ModeFlags {
    bool holidays = false;
    bool terms = false;
    bool fromLunar = false;
    bool events = false;
};

UsageProblem Refuse(const char* pattern, std::vector<std::string> values = {})
{
    return UsageError{Message(pattern, std::move(values))};
}

bool LooksLikeOption(std::string_view arg)
{
    // "-5" is a (negative) number, not an option.
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
}

UsageProblem SetEncoding(PrintRequest& request, std::string_view name)
{
    if (name == "utf-8" || name == "UTF-8" || name == "utf8") {
        request.cp949 = false;
    } else if (name == "cp949" || name == "CP949") {
        request.cp949 = true;
    } else {
        return Refuse("unknown encoding '{1}' (use utf-8 or cp949)", {Utf8::Sanitized(name)});
    }
    return std::nullopt;
}

UsageProblem SetLayout(PrintRequest& request, std::string_view name)
{
    if (name == "terminal") {
        request.layout = MonthLayout::Terminal;
    } else if (name == "window") {
        request.layout = MonthLayout::Window;
    } else {
        return Refuse("unknown layout '{1}' (use terminal or window)", {Utf8::Sanitized(name)});
    }
    return std::nullopt;
}

UsageProblem SetColor(PrintRequest& request, std::string_view when)
{
    if (when == "auto") {
        request.color = ColorWhen::Auto;
    } else if (when == "always") {
        request.color = ColorWhen::Always;
    } else if (when == "never") {
        request.color = ColorWhen::Never;
    } else {
        return Refuse("unknown --color value '{1}' (use auto, always or never)", {Utf8::Sanitized(when)});
    }
    return std::nullopt;
}

UsageProblem SetYears(PrintRequest& request, std::string_view span)
{
    if (span.empty()) return ValueMissing(kYearsMissing);
    request.years = span;
    return std::nullopt;
}

UsageProblem SetSummary(PrintRequest& request, std::string_view summary)
{
    if (summary.empty()) return ValueMissing(kSummaryMissing);
    request.summary = summary;
    return std::nullopt;
}

UsageProblem SetEventsFile(PrintRequest& request, std::string_view path)
{
    if (path.empty()) return ValueMissing(kEventsFileMissing);
    request.eventsFile = path;
    return std::nullopt;
}

UsageProblem SetFormat(PrintRequest& request, OutputFormat format)
{
    if (request.format != OutputFormat::Text && request.format != format)
        return Refuse("choose one of --json, --ics, --pdf and --svg");
    request.format = format;
    return std::nullopt;
}

// A date rather than a year: a dash (any, as typed) after the first character ("-5" is a year).
bool LooksLikeDate(std::string_view arg)
{
    return AsTypedNumber(arg).find('-', 1) != std::string::npos;
}

std::string Count(std::size_t count)
{
    return std::to_string(count);
}

// The options that take a value as "--name VALUE" or "--name=VALUE".
struct ValueOption {
    std::string_view name;
    const char* missing;  // the usage error without a value
    UsageProblem (*set)(PrintRequest&, std::string_view);
};
constexpr ValueOption kValueOptions[] = {
    {"--encoding", Phrase("--encoding needs a value (utf-8 or cp949)"), SetEncoding},
    {"--layout", Phrase("--layout needs a value (terminal or window)"), SetLayout},
    {"--years", kYearsMissing, SetYears},
    {"--summary", kSummaryMissing, SetSummary},
    {"--events-file", kEventsFileMissing, SetEventsFile},
};

// The flag of an option that takes its span after '=' ("--holidays=2027"), if arg is one.
std::optional<bool*> SpanOption(std::string_view arg, ModeFlags& flags)
{
    if (arg.starts_with("--holidays=")) return &flags.holidays;
    if (arg.starts_with("--terms=")) return &flags.terms;
    if (arg.starts_with("--events=")) return &flags.events;
    return std::nullopt;
}

// Reads the option at args[i] (moving i past its value); a usage error for one it does not know.
UsageProblem ReadOption(std::span<const char* const> args, std::size_t& i, PrintRequest& request, ModeFlags& flags)
{
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
        request.help = true;
    } else if (arg == "--version") {
        request.version = true;
    } else if (arg == "--holidays") {
        flags.holidays = true;
    } else if (arg == "--terms") {
        flags.terms = true;
    } else if (arg == "--from-lunar") {
        flags.fromLunar = true;
    } else if (arg == "--events") {
        flags.events = true;
    } else if (const std::optional<bool*> spanOption = SpanOption(arg, flags)) {  // --holidays=SPAN and the like
        **spanOption = true;
        request.numbers.emplace_back(arg.substr(arg.find('=') + 1));
    } else if (arg == "--no-events") {
        request.noEvents = true;
    } else if (arg == "--leap") {
        request.leap = true;
    } else if (arg == "--color") {
        request.color = ColorWhen::Auto;
    } else if (arg == "--json") {
        return SetFormat(request, OutputFormat::Json);
    } else if (arg == "--ics") {
        return SetFormat(request, OutputFormat::Ics);
    } else if (arg == "--pdf") {
        return SetFormat(request, OutputFormat::Pdf);
    } else if (arg == "--svg") {
        return SetFormat(request, OutputFormat::Svg);
    } else if (arg.starts_with("--color=")) {
        return SetColor(request, arg.substr(8));
    } else if (const AlmanacOption almanac = ReadAlmanacOption(args, i, request.almanac); almanac.matched) {
        return almanac.problem;
    } else {
        for (const ValueOption& option : kValueOptions) {
            const OptionValue value = ReadOptionValue(option.name, args, i);
            if (!value.matched) continue;
            if (!value.value) return ValueMissing(option.missing);
            return option.set(request, *value.value);
        }
        return Refuse("unknown option '{1}'", {Utf8::Sanitized(arg)});
    }
    return std::nullopt;
}

// Decides the mode from the flags and the count of numbers.
UsageProblem ChooseMode(PrintRequest& request, const ModeFlags& flags)
{
    const int chosen = int{flags.holidays} + int{flags.terms} + int{flags.fromLunar} + int{flags.events};
    if (chosen > 1) return Refuse("choose one of --holidays, --terms, --events and --from-lunar");
    if (request.noEvents && request.eventsFile) return Refuse("choose one of --events-file and --no-events");
    const std::size_t count = request.numbers.size();
    if (request.leap && !flags.fromLunar) return Refuse("--leap needs --from-lunar");
    if (!request.years.empty() && !flags.fromLunar) return Refuse("--years needs --from-lunar");
    if (flags.holidays || flags.terms || flags.events) {
        const std::string option = flags.holidays ? "--holidays" : flags.terms ? "--terms" : "--events";
        if (count > 1) return Refuse("{1} takes one YEAR or FROM-TO, but got {2} argument(s)", {option, Count(count)});
        request.mode = flags.holidays ? PrintMode::Holidays : flags.terms ? PrintMode::Terms : PrintMode::Events;
    } else if (flags.fromLunar && !request.years.empty()) {
        if (count != 2)
            return Refuse("--from-lunar with --years expects MONTH DAY, but got {1} argument(s)", {Count(count)});
        request.mode = PrintMode::FromLunarYears;
    } else if (flags.fromLunar) {
        if (count != 3) return Refuse("--from-lunar expects YEAR MONTH DAY, but got {1} argument(s)", {Count(count)});
        request.mode = PrintMode::FromLunar;
    } else if (count == 1) {
        request.mode = LooksLikeDate(request.numbers[0]) ? PrintMode::Date : PrintMode::Year;
    } else if (count == 0 || count == 2) {
        request.mode = PrintMode::Month;
    } else {
        return Refuse("expected YEAR, YEAR MONTH or nothing, but got {1} argument(s)", {Count(count)});
    }
    return std::nullopt;
}

// Which modes each output format serves, and what goes with what.
UsageProblem CheckFormat(const PrintRequest& request)
{
    const PrintMode mode = request.mode;
    if (request.format == OutputFormat::Json) {
        if (request.cp949) return Refuse("--json writes UTF-8: leave out --encoding cp949");
        if (mode == PrintMode::Month || mode == PrintMode::Year) {
            return Refuse("--json goes with a date, --holidays, --terms, --events or --from-lunar");
        }
    }
    if (request.format == OutputFormat::Ics) {
        if (request.cp949) return Refuse("--ics writes UTF-8: leave out --encoding cp949");
        if (mode != PrintMode::Holidays && mode != PrintMode::Terms && mode != PrintMode::Events &&
            mode != PrintMode::FromLunarYears) {
            return Refuse("--ics goes with --holidays, --terms, --events or --from-lunar MONTH DAY --years FROM-TO");
        }
    }
    if (request.format == OutputFormat::Pdf && mode != PrintMode::Month && mode != PrintMode::Year) {
        return Refuse("--pdf goes with YEAR [MONTH]");
    }
    if (request.format == OutputFormat::Svg && (mode != PrintMode::Month || request.numbers.size() != 2)) {
        return Refuse("--svg goes with YEAR MONTH");
    }
    if (!request.summary.empty() && !(request.format == OutputFormat::Ics && mode == PrintMode::FromLunarYears)) {
        return Refuse("--summary goes with --ics --from-lunar MONTH DAY --years FROM-TO");
    }
    return std::nullopt;
}

}  // namespace

std::variant<PrintRequest, UsageError> ParsePrintArguments(std::span<const char* const> args)
{
    PrintRequest request;
    ModeFlags flags;
    bool optionsDone = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsDone || !LooksLikeOption(arg)) {
            request.numbers.emplace_back(arg);
        } else if (arg == "--") {
            optionsDone = true;
        } else if (UsageProblem problem = ReadOption(args, i, request, flags)) {
            return *std::move(problem);
        }
    }
    if (request.help || request.version) return request;
    if (UsageProblem problem = ChooseMode(request, flags)) return *std::move(problem);
    if (UsageProblem problem = CheckFormat(request)) return *std::move(problem);
    return request;
}
