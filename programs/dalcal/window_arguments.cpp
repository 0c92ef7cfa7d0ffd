#include "programs/dalcal/window_arguments.h"

#include <string>
#include <string_view>
#include <vector>

#include "input/typed_date.h"
#include "runtime/exception.h"
#include "text/utf8.h"

const char* const kWindowUsage = Phrase(
    "Usage: dalcal [--almanac korea|classic]\n"
    "       dalcal --calendar [DATE | YEAR MONTH]\n"
    "       dalcal --remind [--no-wait]\n"
    "Opens the Korean month calendar window: type a year and a month, press the\n"
    "button, and the month is appended with stem-branch names and lunar dates.\n"
    "\n"
    "  --calendar          the month as a calendar of Korea's almanac: each day\n"
    "                      with its lunar date, holidays in red, solar terms and\n"
    "                      your events; PgUp/PgDn for months, arrows for days,\n"
    "                      Home for today, and a box to go to a typed month or\n"
    "                      lunar date; the selected day's whole reading beside it;\n"
    "                      your own dates added, changed and removed there (Insert,\n"
    "                      a double-click, or a date's menu); opens at DATE or\n"
    "                      YEAR MONTH where given (2027-02-07, 2027 2, 음력 1월 1일)\n"
    "  --remind            a desktop notification for each of your dates whose\n"
    "                      reminder falls today, once a day however often it runs;\n"
    "                      it then waits, until the notifications are closed or the\n"
    "                      day ends, to open the month view at a date clicked\n"
    "  --no-wait           with --remind: return at once, clicks doing nothing\n"
    "  --almanac classic   lunar dates from the classic table of the lunar years\n"
    "                      1900-2049 (the default)\n"
    "  --almanac korea     lunar dates from Korea's official calendar: lunar years\n"
    "                      1391-2050 as KASI publishes them, 2051-2100 computed\n"
    "  --help              show this help\n"
    "  --version           show the version\n");

namespace {

bool Set(const char* value)
{
    return value != nullptr && value[0] != '\0';
}

}  // namespace

namespace {

// The day that what follows --calendar names: a day, a month's first day, a
// lunar date's day in Korea's almanac.
std::variant<GregorianDate, Message> DayTyped(const std::vector<std::string>& words, const GregorianDate& today)
{
    const TypedDate typed = ReadTypedDate(JoinedArguments(words), today.year, LoneNumber::MonthOrYear);
    if (const auto* why = std::get_if<Message>(&typed)) return *why;
    if (const auto* year = std::get_if<TypedYear>(&typed)) return GregorianDate{year->year, 1, 1};
    if (const auto* month = std::get_if<TypedMonth>(&typed)) return GregorianDate{month->year, month->month, 1};
    if (const auto* day = std::get_if<GregorianDate>(&typed)) return *day;
    const auto& lunar = std::get<TypedLunarDate>(typed);
    try {
        return LunarToSolar(Almanac::Korea, lunar.year, lunar.month, lunar.day, lunar.leap);
    } catch (const EConvertError& refusal) {
        return refusal.Said().value_or(Message("no such lunar date"));
    }
}

}  // namespace

std::variant<WindowArguments, UsageError> ParseWindowArguments(std::span<const char* const> args,
                                                               const GregorianDate& today)
{
    WindowArguments arguments;
    std::vector<std::string> dateWords;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            arguments.help = true;
        } else if (arg == "--version") {
            arguments.version = true;
        } else if (arg == "--calendar") {
            arguments.calendar = true;
        } else if (arg == "--remind") {
            arguments.remind = true;
        } else if (arg == "--no-wait") {
            arguments.noWait = true;
        } else if (const AlmanacOption almanac = ReadAlmanacOption(args, i, arguments.almanac); almanac.matched) {
            if (almanac.problem) return *almanac.problem;
            arguments.almanacGiven = true;
        } else if (arguments.calendar && !LooksLikeOption(arg)) {
            dateWords.emplace_back(arg);
        } else {
            return UsageError{Message("unknown argument '{1}'", {Utf8::Sanitized(arg)})};
        }
    }
    if (arguments.remind && arguments.calendar) return UsageError{Message("choose one of --calendar and --remind")};
    if (arguments.noWait && !arguments.remind) return UsageError{Message("--no-wait goes with --remind")};
    if (!dateWords.empty()) {
        std::variant<GregorianDate, Message> day = DayTyped(dateWords, today);
        if (const auto* why = std::get_if<Message>(&day)) return UsageError{*why};
        arguments.day = std::get<GregorianDate>(day);
    }
    return arguments;
}

bool DisplayNamed(const char* qpaPlatform, const char* display, const char* waylandDisplay)
{
    if (Set(qpaPlatform)) {
        const std::string_view platform = qpaPlatform;
        if (platform.starts_with("xcb")) return Set(display);
        if (platform.starts_with("wayland")) return Set(waylandDisplay);
        return true;  // offscreen, minimal, vnc, eglfs ... need no display server
    }
    return Set(display) || Set(waylandDisplay);
}
