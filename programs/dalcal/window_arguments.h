#pragma once

#include <span>
#include <variant>

#include "almanac.h"
#include "command_line.h"

// What the window program was asked for on its command line (no Qt here).
struct WindowArguments {
    Almanac almanac = Almanac::Classic;  // the window's designed calendar
    bool calendar = false;               // --calendar: the month view instead
    bool help = false;
    bool version = false;
};

// Reads --almanac korea|classic (or --almanac=...), --help and --version from
// args (args[0] is the program); anything else is a usage error.
std::variant<WindowArguments, UsageError> ParseWindowArguments(std::span<const char* const> args);

// Whether a display is there to open, by the environment Qt reads: the
// platform asked for in QT_QPA_PLATFORM (xcb needs DISPLAY, wayland needs
// WAYLAND_DISPLAY, offscreen and the like need nothing), else DISPLAY or
// WAYLAND_DISPLAY. A display that is named but cannot be reached is found
// when Qt starts (see TApplication::Initialize).
bool DisplayNamed(const char* qpaPlatform, const char* display, const char* waylandDisplay);

extern const char* const kWindowUsage;
