#include "window_arguments.h"

#include <string_view>

const char* const kWindowUsage =
    "Usage: dalcal [--almanac korea|classic]\n"
    "Opens the Korean month calendar window: type a year and a month, press the\n"
    "button, and the month is appended with stem-branch names and lunar dates.\n"
    "\n"
    "  --almanac classic   lunar dates from the classic table of the lunar years\n"
    "                      1900-2049 (the default)\n"
    "  --almanac korea     lunar dates from Korea's official calendar: lunar years\n"
    "                      1391-2050 as KASI publishes them, 2051-2100 computed\n"
    "  --help              show this help\n"
    "  --version           show the version\n";

namespace {

bool SetAlmanac(std::string_view name, WindowArguments& arguments, std::string& error)
{
    if (name == "korea") {
        arguments.almanac = Almanac::Korea;
    } else if (name == "classic") {
        arguments.almanac = Almanac::Classic;
    } else {
        error = "unknown almanac '" + std::string(name) + "' (use korea or classic)";
        return false;
    }
    return true;
}

bool Set(const char* value)
{
    return value != nullptr && value[0] != '\0';
}

}  // namespace

bool ParseWindowArguments(int argc, const char* const* argv, WindowArguments& arguments, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            arguments.help = true;
        } else if (arg == "--version") {
            arguments.version = true;
        } else if (arg == "--almanac") {
            if (i + 1 >= argc) {
                error = "--almanac needs a value (korea or classic)";
                return false;
            }
            if (!SetAlmanac(argv[++i], arguments, error)) return false;
        } else if (arg.starts_with("--almanac=")) {
            if (!SetAlmanac(arg.substr(10), arguments, error)) return false;
        } else {
            error = "unknown argument '" + std::string(arg) + "'";
            return false;
        }
    }
    return true;
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
