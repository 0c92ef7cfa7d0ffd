#include "window_arguments.h"

#include <string>
#include <string_view>

#include "utf8.h"

const char* const kWindowUsage = Phrase(
    "Usage: dalcal [--almanac korea|classic]\n"
    "       dalcal --calendar\n"
    "Opens the Korean month calendar window: type a year and a month, press the\n"
    "button, and the month is appended with stem-branch names and lunar dates.\n"
    "\n"
    "  --calendar          the month as a calendar of Korea's almanac: each day\n"
    "                      with its lunar date, holidays in red, solar terms and\n"
    "                      your events; PgUp/PgDn for months, arrows for days,\n"
    "                      Home for today, and a box to go to a typed month or\n"
    "                      lunar date; the selected day's whole reading beside it\n"
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

std::variant<WindowArguments, UsageError> ParseWindowArguments(std::span<const char* const> args)
{
    WindowArguments arguments;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            arguments.help = true;
        } else if (arg == "--version") {
            arguments.version = true;
        } else if (arg == "--calendar") {
            arguments.calendar = true;
        } else if (const AlmanacOption almanac = ReadAlmanacOption(args, i, arguments.almanac); almanac.matched) {
            if (almanac.problem) return *almanac.problem;
        } else {
            return UsageError{Message("unknown argument '{1}'", {Utf8::Sanitized(arg)})};
        }
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
