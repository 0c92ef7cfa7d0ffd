#include "print_request/arguments.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "input/typed_date.h"
#include "input/typed_numbers.h"
#include "print_request/positional_date.h"
#include "text/utf8.h"
#include "userdata/event_line.h"
#include "userdata/user_files.h"

namespace {

constexpr const char* kYearsMissing = Phrase("--years needs a value (a span like 2026-2035)");
constexpr const char* kSummaryMissing = Phrase("--summary needs a value (the events' name)");
constexpr const char* kEventsFileMissing = Phrase("--events-file needs a value (a file of events)");
constexpr const char* kAddEventMissing = Phrase("--add-event needs a value (a line: '음력 3-15 어머니 생신')");
constexpr const char* kRemoveEventMissing = Phrase("--remove-event needs a value (the name of the events)");
constexpr const char* kShowMissing =
    Phrase("--show needs a value (kinds of days: holidays, terms, anniversaries, sundry, events, all)");
constexpr const char* kHideMissing =
    Phrase("--hide needs a value (kinds of days: holidays, terms, anniversaries, sundry, events, all)");

// Flags that choose what to print; at most one of them.
struct ModeFlags {
    bool holidays = false;
    bool terms = false;
    bool fromLunar = false;
    bool events = false;
    bool upcoming = false;
    bool days = false;
    bool addEvent = false;
    bool removeEvent = false;
};

UsageProblem Refuse(const char* pattern, std::vector<std::string> values = {})
{
    return UsageError{Message(pattern, std::move(values))};
}

constexpr OptionWord<bool> kEncodingWords[] = {
    {"utf-8", false}, {"UTF-8", false}, {"utf8", false}, {"cp949", true}, {"CP949", true}};
constexpr OptionWord<MonthLayout> kLayoutWords[] = {
    {"terminal", MonthLayout::Terminal}, {"compact", MonthLayout::Compact}, {"window", MonthLayout::Window}};
// --format's words: an output format, "compact" the text in the compact layout.
struct FormatChoice {
    OutputFormat format;
    bool compact;
};
constexpr OptionWord<FormatChoice> kFormatWords[] = {
    {"text", {OutputFormat::Text, false}}, {"compact", {OutputFormat::Text, true}},
    {"json", {OutputFormat::Json, false}}, {"ics", {OutputFormat::Ics, false}},
    {"pdf", {OutputFormat::Pdf, false}},   {"svg", {OutputFormat::Svg, false}}};
constexpr OptionWord<ColorWhen> kColorWords[] = {
    {"auto", ColorWhen::Auto}, {"always", ColorWhen::Always}, {"never", ColorWhen::Never}};

// What the options read into: the request, and the flags that choose its mode.
struct Parsing {
    PrintRequest request;
    ModeFlags flags;
};

// A value given to an option; none where it takes none or was given none
// ("--color", "--holidays").
using GivenValue = std::optional<std::string_view>;

UsageProblem SetFormat(PrintRequest& request, OutputFormat format)
{
    if (request.format != OutputFormat::Text && request.format != format)
        return Refuse("choose one of --json, --ics, --pdf and --svg");
    request.format = format;
    return std::nullopt;
}

// --format WORD: the format, as its own option sets it ("compact": the text
// in the compact layout, as --layout compact).
UsageProblem SetFormatWord(PrintRequest& request, std::string_view word)
{
    FormatChoice choice{OutputFormat::Text, false};
    if (UsageProblem problem = ChooseWord<FormatChoice>(
            word, kFormatWords, Phrase("unknown format '{1}' (use text, compact, json, ics, pdf or svg)"), choice)) {
        return problem;
    }
    if (choice.compact) request.layout = MonthLayout::Compact;
    return SetFormat(request, choice.format);
}

// The text an option must be given ("--years ''" is no span).
UsageProblem SetText(std::string_view given, const char* missing, std::string& into)
{
    if (given.empty()) return ValueMissing(missing);
    into = given;
    return std::nullopt;
}

// A flag that chooses what to print, with the span it may be given ("--holidays=2027").
UsageProblem SetModeFlag(Parsing& parsing, bool ModeFlags::*flag, GivenValue span)
{
    parsing.flags.*flag = true;
    if (span) parsing.request.numbers.emplace_back(*span);
    return std::nullopt;
}

// --show and --hide: kinds of days, by comma ("anniversaries,sundry", "all");
// the last word said of a kind holds.
UsageProblem ChooseKinds(Parsing& parsing, std::string_view option, std::string_view words, bool show)
{
    std::size_t start = 0;
    while (start <= words.size()) {
        const std::size_t comma = std::min(words.find(',', start), words.size());
        const std::string_view word = words.substr(start, comma - start);
        start = comma + 1;
        if (word == "all") {
            for (const DayKind kind : kDayKinds) parsing.request.kinds.Choose(kind, show);
        } else if (const std::optional<DayKind> kind = DayKindOfWord(word)) {
            parsing.request.kinds.Choose(*kind, show);
        } else {
            return Refuse("{1}: {2} is not a kind of day (holidays, terms, anniversaries, sundry, events, all)",
                          {std::string(option), Utf8::Quoted(word)});
        }
    }
    return std::nullopt;
}

// How an option takes its value.
enum class Takes {
    Nothing,     // "--json"
    MaybeValue,  // "--color" or "--color=WHEN" (never the next argument)
    Value,       // "--layout VALUE" or "--layout=VALUE"
};

// Every option of dalcal-print: its name, how it takes a value, the usage
// error without one (Takes::Value), and what it does.
struct Option {
    std::string_view name;
    Takes takes;
    const char* missing;
    UsageProblem (*apply)(Parsing& parsing, GivenValue value);
};

constexpr Option kOptions[] = {
    {"--help", Takes::Nothing, nullptr, [](Parsing& p, GivenValue) { return (p.request.help = true, UsageProblem{}); }},
    {"-h", Takes::Nothing, nullptr, [](Parsing& p, GivenValue) { return (p.request.help = true, UsageProblem{}); }},
    {"--version", Takes::Nothing, nullptr,
     [](Parsing& p, GivenValue) { return (p.request.version = true, UsageProblem{}); }},
    {"--holidays", Takes::MaybeValue, nullptr,
     [](Parsing& p, GivenValue span) { return SetModeFlag(p, &ModeFlags::holidays, span); }},
    {"--terms", Takes::MaybeValue, nullptr,
     [](Parsing& p, GivenValue span) { return SetModeFlag(p, &ModeFlags::terms, span); }},
    {"--events", Takes::MaybeValue, nullptr,
     [](Parsing& p, GivenValue span) { return SetModeFlag(p, &ModeFlags::events, span); }},
    {"--days", Takes::MaybeValue, nullptr,
     [](Parsing& p, GivenValue span) { return SetModeFlag(p, &ModeFlags::days, span); }},
    {"--show", Takes::Value, kShowMissing,
     [](Parsing& p, GivenValue kinds) { return ChooseKinds(p, "--show", kinds.value_or(""), true); }},
    {"--hide", Takes::Value, kHideMissing,
     [](Parsing& p, GivenValue kinds) { return ChooseKinds(p, "--hide", kinds.value_or(""), false); }},
    {"--upcoming", Takes::MaybeValue, nullptr,
     [](Parsing& p, GivenValue days) { return SetModeFlag(p, &ModeFlags::upcoming, days); }},
    {"--from-lunar", Takes::Nothing, nullptr,
     [](Parsing& p, GivenValue) { return SetModeFlag(p, &ModeFlags::fromLunar, std::nullopt); }},
    {"--no-events", Takes::Nothing, nullptr,
     [](Parsing& p, GivenValue) { return (p.request.noEvents = true, UsageProblem{}); }},
    {"--leap", Takes::Nothing, nullptr, [](Parsing& p, GivenValue) { return (p.request.leap = true, UsageProblem{}); }},
    {"--observe", Takes::Nothing, nullptr,
     [](Parsing& p, GivenValue) { return (p.request.observe = true, UsageProblem{}); }},
    {"--json", Takes::Nothing, nullptr,
     [](Parsing& p, GivenValue) { return SetFormat(p.request, OutputFormat::Json); }},
    {"--ics", Takes::Nothing, nullptr, [](Parsing& p, GivenValue) { return SetFormat(p.request, OutputFormat::Ics); }},
    {"--pdf", Takes::Nothing, nullptr, [](Parsing& p, GivenValue) { return SetFormat(p.request, OutputFormat::Pdf); }},
    {"--svg", Takes::Nothing, nullptr, [](Parsing& p, GivenValue) { return SetFormat(p.request, OutputFormat::Svg); }},
    {"--format", Takes::Value, Phrase("--format needs a value (text, compact, json, ics, pdf or svg)"),
     [](Parsing& p, GivenValue word) { return SetFormatWord(p.request, *word); }},
    {"--color", Takes::MaybeValue, nullptr,
     [](Parsing& p, GivenValue when) {
         if (!when) return (p.request.color = ColorWhen::Always, UsageProblem{});  // as ls --color
         return ChooseWord<ColorWhen>(
             *when, kColorWords, Phrase("unknown --color value '{1}' (use auto, always or never)"), p.request.color);
     }},
    {"--almanac", Takes::Value, Phrase("--almanac needs a value (korea or classic)"),
     [](Parsing& p, GivenValue name) { return SetAlmanac(*name, p.request.almanac); }},
    {"--encoding", Takes::Value, Phrase("--encoding needs a value (utf-8 or cp949)"),
     [](Parsing& p, GivenValue name) {
         p.request.encodingGiven = true;
         return ChooseWord<bool>(*name, kEncodingWords, Phrase("unknown encoding '{1}' (use utf-8 or cp949)"),
                                 p.request.cp949);
     }},
    {"--layout", Takes::Value, Phrase("--layout needs a value (terminal, compact or window)"),
     [](Parsing& p, GivenValue name) {
         return ChooseWord<MonthLayout>(
             *name, kLayoutWords, Phrase("unknown layout '{1}' (use terminal, compact or window)"), p.request.layout);
     }},
    {"--years", Takes::Value, kYearsMissing,
     [](Parsing& p, GivenValue span) { return SetText(*span, kYearsMissing, p.request.years); }},
    {"--summary", Takes::Value, kSummaryMissing,
     [](Parsing& p, GivenValue summary) { return SetText(*summary, kSummaryMissing, p.request.summary); }},
    {"--add-event", Takes::Value, kAddEventMissing,
     [](Parsing& p, GivenValue line) {
         p.flags.addEvent = true;
         return SetText(*line, kAddEventMissing, p.request.eventLine);
     }},
    {"--remove-event", Takes::Value, kRemoveEventMissing,
     [](Parsing& p, GivenValue name) {
         p.flags.removeEvent = true;
         return SetText(*name, kRemoveEventMissing, p.request.eventLine);
     }},
    {"--events-file", Takes::Value, kEventsFileMissing,
     [](Parsing& p, GivenValue path) {
         std::string file;
         UsageProblem problem = SetText(*path, kEventsFileMissing, file);
         if (!problem) p.request.eventsFile = std::move(file);
         return problem;
     }},
};

// Reads the option at args[i] (moving i past a value in the next argument);
// a usage error for one it does not know.
UsageProblem ReadOption(std::span<const char* const> args, std::size_t& i, Parsing& parsing)
{
    const std::string_view arg = args[i];
    for (const Option& option : kOptions) {
        if (option.takes == Takes::Value) {
            const OptionValue value = ReadOptionValue(option.name, args, i);
            if (!value.matched) continue;
            if (!value.value) return ValueMissing(option.missing);
            return option.apply(parsing, value.value);
        }
        if (arg == option.name) return option.apply(parsing, std::nullopt);
        const bool attached =
            arg.size() > option.name.size() && arg.starts_with(option.name) && arg[option.name.size()] == '=';
        if (option.takes == Takes::MaybeValue && attached) {
            return option.apply(parsing, arg.substr(option.name.size() + 1));
        }
    }
    return Refuse("unknown option '{1}'", {Utf8::Sanitized(arg)});
}

// The mode of a date: what a refusal would have been, by the shape typed
// (one number a year, a dash or three numbers a day, else a month).
PrintMode ModeOf(const TypedDate& typed, const std::vector<std::string>& args)
{
    if (std::holds_alternative<TypedYear>(typed)) return PrintMode::Year;
    if (std::holds_alternative<TypedMonth>(typed)) return PrintMode::Month;
    if (std::holds_alternative<GregorianDate>(typed)) return PrintMode::Date;
    if (std::holds_alternative<TypedLunarDate>(typed)) return PrintMode::FromLunar;
    const std::string joined = JoinedArguments(args);
    const std::size_t numbers = DateNumbersIn(joined);
    if (numbers == 3 || (args.size() == 1 && AsTypedNumber(joined).find('-', 1) != std::string::npos)) {
        return PrintMode::Date;
    }
    return args.size() == 1 && numbers <= 1 ? PrintMode::Year : PrintMode::Month;
}

std::string Count(std::size_t count)
{
    return std::to_string(count);
}

// The mode of --holidays, --terms or --events: with --ics any of them in one file.
UsageProblem ChooseListMode(PrintRequest& request, const ModeFlags& flags)
{
    const std::size_t count = request.numbers.size();
    const char* const option = flags.holidays ? "--holidays" : flags.terms ? "--terms" : "--events";
    if (count > 1) return Refuse("{1} takes one YEAR or FROM-TO, but got {2} argument(s)", {option, Count(count)});
    request.lists = {flags.holidays, flags.terms, flags.events};
    if (request.format == OutputFormat::Ics) {
        request.mode = PrintMode::CalendarFile;
    } else {
        request.mode = flags.holidays ? PrintMode::Holidays : flags.terms ? PrintMode::Terms : PrintMode::Events;
    }
    return std::nullopt;
}

// --add-event LINE and --remove-event NAME: alone, with nothing to print; a
// line checked by the events file's own reader before anything is written.
UsageProblem ChooseEventChange(PrintRequest& request, const ModeFlags& flags)
{
    const auto others = std::ranges::count(std::initializer_list<bool>{flags.holidays, flags.terms, flags.events,
                                                                       flags.fromLunar, flags.upcoming, flags.days},
                                           true);
    if (others > 0 || (flags.addEvent && flags.removeEvent) || !request.numbers.empty() ||
        request.format != OutputFormat::Text || request.noEvents) {
        return Refuse("--add-event and --remove-event go alone (with --events-file at most)");
    }
    if (request.eventsFile == kStandardInputPath) {
        return Refuse("--add-event and --remove-event change a file, not standard input (--events-file -)");
    }
    request.mode = flags.addEvent ? PrintMode::AddEvent : PrintMode::RemoveEvent;
    if (flags.removeEvent) return std::nullopt;
    std::variant<UserEvent, Message> read = ReadEventLine(request.eventLine);
    if (const auto* why = std::get_if<Message>(&read)) return UsageError{*why};
    request.event = std::get<UserEvent>(std::move(read));
    return std::nullopt;
}

// Decides the mode from the flags and the count of numbers.
UsageProblem ChooseMode(PrintRequest& request, const ModeFlags& flags, std::int32_t thisYear)
{
    if (flags.addEvent || flags.removeEvent) return ChooseEventChange(request, flags);
    const auto lists = std::ranges::count(std::initializer_list<bool>{flags.holidays, flags.terms, flags.events}, true);
    const auto others =
        std::ranges::count(std::initializer_list<bool>{flags.fromLunar, flags.upcoming, flags.days}, true);
    if (lists + others > 1 && (others > 0 || request.format != OutputFormat::Ics)) {
        return Refuse(
            "choose one of --holidays, --terms, --events, --days, --from-lunar and --upcoming (--ics takes any of the "
            "first three)");
    }
    if (request.noEvents && request.eventsFile) return Refuse("choose one of --events-file and --no-events");
    if (request.noEvents && flags.events) return Refuse("choose one of --events and --no-events");
    const std::size_t count = request.numbers.size();
    if (request.leap && !flags.fromLunar) return Refuse("--leap needs --from-lunar");
    if (request.observe && !flags.fromLunar) return Refuse("--observe needs --from-lunar");
    if (!request.years.empty() && !flags.fromLunar) return Refuse("--years needs --from-lunar");
    if (lists > 0) return ChooseListMode(request, flags);
    if (flags.days) {
        if (count > 1)
            return Refuse("{1} takes one YEAR or FROM-TO, but got {2} argument(s)", {"--days", Count(count)});
        request.mode = PrintMode::Days;
        return std::nullopt;
    }
    if (flags.upcoming) {
        if (count > 1) return Refuse("--upcoming takes one number of DAYS, but got {1} argument(s)", {Count(count)});
        request.mode = PrintMode::Upcoming;
        return std::nullopt;
    }
    if (flags.fromLunar) {
        request.date = ReadLunarPositional(request.numbers, thisYear, request.leap);
        // The numbers of the lunar date, in one argument or up to one each
        // (text that is no date: as many as the arguments).
        const std::size_t inText = count <= 3 ? DateNumbersIn(JoinedArguments(request.numbers)) : count;
        const std::size_t numbers = inText == 0 ? count : inText;
        if (!request.years.empty()) {
            if (numbers != 2 || count > 2)
                return Refuse("--from-lunar with --years expects MONTH DAY, but got {1} argument(s)", {Count(count)});
            request.mode = PrintMode::FromLunarYears;
        } else {
            if (numbers != 2 && numbers != 3)
                return Refuse("--from-lunar expects YEAR MONTH DAY, but got {1} argument(s)", {Count(count)});
            request.mode = PrintMode::FromLunar;
        }
        return std::nullopt;
    }
    if (count == 0) {
        request.mode = PrintMode::Month;
        return std::nullopt;
    }
    request.date = ReadPositionalDate(request.numbers, thisYear);
    if (std::holds_alternative<Message>(*request.date) && count > 2)
        return Refuse("expected YEAR, YEAR MONTH or nothing, but got {1} argument(s)", {Count(count)});
    request.mode = ModeOf(*request.date, request.numbers);
    return std::nullopt;
}

// Which modes each output format serves, and what goes with what.
UsageProblem CheckFormat(const PrintRequest& request)
{
    const PrintMode mode = request.mode;
    if (request.format == OutputFormat::Json) {
        if (request.cp949) return Refuse("--json writes UTF-8: leave out --encoding cp949");
    }
    if (request.format == OutputFormat::Ics) {
        if (request.cp949) return Refuse("--ics writes UTF-8: leave out --encoding cp949");
        if (mode != PrintMode::CalendarFile && mode != PrintMode::FromLunarYears && mode != PrintMode::Days) {
            return Refuse(
                "--ics goes with --holidays, --terms, --events, --days or --from-lunar MONTH DAY --years FROM-TO");
        }
    }
    const bool page = request.format == OutputFormat::Pdf || request.format == OutputFormat::Svg;
    if (request.format == OutputFormat::Pdf && mode != PrintMode::Month && mode != PrintMode::Year) {
        return Refuse("--pdf goes with YEAR [MONTH]");
    }
    if (request.format == OutputFormat::Svg && mode != PrintMode::Month) {
        return Refuse("--svg draws one month: YEAR MONTH, or nothing for this month");
    }
    if (page && request.layout != MonthLayout::Auto) return Refuse("--layout lays out text: leave it out of a page");
    if (page && request.encodingGiven) return Refuse("a page has no encoding: leave --encoding out of a page");
    if (!request.summary.empty() && !(request.format == OutputFormat::Ics && mode == PrintMode::FromLunarYears)) {
        return Refuse("--summary goes with --ics --from-lunar MONTH DAY --years FROM-TO");
    }
    return std::nullopt;
}

}  // namespace

std::variant<PrintRequest, UsageError> ParsePrintArguments(std::span<const char* const> args, std::int32_t thisYear)
{
    Parsing parsing;
    PrintRequest& request = parsing.request;
    const ModeFlags& flags = parsing.flags;
    bool optionsDone = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsDone || !LooksLikeOption(arg)) {
            request.numbers.emplace_back(arg);
        } else if (arg == "--") {
            optionsDone = true;
        } else if (UsageProblem problem = ReadOption(args, i, parsing)) {
            return *std::move(problem);
        }
    }
    if (request.help || request.version) return request;
    if (UsageProblem problem = ChooseMode(request, flags, thisYear)) return *std::move(problem);
    if (UsageProblem problem = CheckFormat(request)) return *std::move(problem);
    return request;
}
