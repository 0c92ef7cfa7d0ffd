#pragma once

#include <optional>
#include <span>
#include <variant>

#include "engine/almanac.h"
#include "runtime/civil_date.h"
#include "shell/command_line.h"

// What the window program was asked for on its command line (no Qt here).
struct WindowArguments {
    Almanac almanac = Almanac::Classic;  // the window's designed calendar
    bool almanacGiven = false;           // --almanac was given: the month view's too (else Korea's)
    bool calendar = false;               // --calendar: the month view instead
    std::optional<GregorianDate> day;    // --calendar DATE | YEAR MONTH: the day it opens at (a month: its 1st)
    bool remind = false;                 // --remind: the reminders due today, as desktop notifications
    bool noWait = false;                 // --no-wait: with --remind, not staying for a click on one
    bool help = false;
    bool version = false;
};

// Reads --almanac korea|classic (or --almanac=...), --calendar with what
// follows it (a day, a month or a lunar date, as the month view's box takes
// them; a lunar date of this year where its year is left out, as today
// gives it), --remind [--no-wait], --help and --version from args (args[0] is
// the program); anything else, or a date that is none, is a usage error.
std::variant<WindowArguments, UsageError> ParseWindowArguments(std::span<const char* const> args,
                                                               const GregorianDate& today);

// Whether a display is there to open, by the environment Qt reads: the
// platform asked for in QT_QPA_PLATFORM (xcb needs DISPLAY, wayland needs
// WAYLAND_DISPLAY, offscreen and the like need nothing), else DISPLAY or
// WAYLAND_DISPLAY. A display that is named but cannot be reached is found
// when Qt starts (see TApplication::Initialize).
bool DisplayNamed(const char* qpaPlatform, const char* display, const char* waylandDisplay);

extern const char* const kWindowUsage;
