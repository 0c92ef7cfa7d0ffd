#pragma once

#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "engine/almanac.h"
#include "input/typed_date.h"
#include "input/typed_numbers.h"
#include "report/calendar_names.h"
#include "report/day_kinds.h"
#include "report/user_dates.h"
#include "shell/command_line.h"

// What dalcal-print was asked to do, read from its command line.

enum class PrintMode {
    Month,           // [YEAR MONTH]: a month (this month without numbers)
    Year,            // YEAR: the twelve months of a year
    Date,            // YYYY-MM-DD: everything known of one day
    Holidays,        // --holidays [YEAR | FROM-TO]
    Terms,           // --terms [YEAR | FROM-TO]
    Events,          // --events [YEAR | FROM-TO]: the user's events
    CalendarFile,    // --ics with any of --holidays, --terms and --events: one file
    Upcoming,        // --upcoming [DAYS]: what is coming from today
    Days,            // --days [YEAR | FROM-TO]: every kind of day the almanac marks
    FromLunar,       // --from-lunar YEAR MONTH DAY [--leap]
    FromLunarYears,  // --from-lunar MONTH DAY --years FROM-TO [--leap]
    AddEvent,        // --add-event LINE: a line added to the user's events file
    RemoveEvent,     // --remove-event NAME: the events of that name removed from it
};

enum class ColorWhen { Auto, Always, Never };

// What the output is written as: text lines, one JSON document, or an iCalendar file.
enum class OutputFormat { Text, Json, Ics, Pdf, Svg };

// How a month is laid out: as the terminal's width allows (not asked for),
// the terminal's own layout within 80 columns, the compact one within 40
// (a year: months side by side), or exactly the window's text.
enum class MonthLayout { Auto, Terminal, Compact, Window };

struct PrintRequest {
    PrintMode mode = PrintMode::Month;
    bool help = false;
    bool version = false;
    bool cp949 = false;
    bool leap = false;
    bool observe = false;                   // --observe: a lunar date that year lacks, on the day it is kept
    bool noEvents = false;                  // --no-events: read no events file
    std::optional<std::string> eventsFile;  // --events-file: read this one rather than the user's
    Almanac almanac = Almanac::Korea;
    ColorWhen color = ColorWhen::Auto;
    MonthLayout layout = MonthLayout::Auto;
    bool encodingGiven = false;  // --encoding, of either kind
    OutputFormat format = OutputFormat::Text;
    std::string summary;               // --summary: the name of the events of --ics (UTF-8), empty: a default
    std::string years;                 // FROM-TO, with --years
    std::string eventLine;             // --add-event's line, --remove-event's name (UTF-8)
    std::optional<UserEvent> event;    // --add-event's line as the events file's reader reads it
    std::vector<std::string> numbers;  // the positional arguments, as given
    // What they name, read once (typed_date.h): a year, a month, a day or a
    // lunar date (--from-lunar's, with --leap), or the refusal of what was
    // typed, said when the run begins; none for the lists' spans and
    // --upcoming's days, and where none were given (this month).
    std::optional<TypedDate> date;
    CalendarParts lists;  // which lists --holidays, --terms and --events chose
    DayKindChoice kinds;  // --show and --hide, over the settings file's choice
};

// The request read from args (args[0] is the program), or the usage error
// that main reports with exit status 2 before anything is printed; a month or
// day typed without its year is of thisYear.
std::variant<PrintRequest, UsageError> ParsePrintArguments(std::span<const char* const> args, std::int32_t thisYear);

// The date the positional arguments named, as T; their refusal raised as a
// refused value (TypedValueError, exit status 1).
template <typename T>
const T& TypedArgument(const PrintRequest& request)
{
    const TypedDate& date = request.date.value();  // the mode was chosen by it
    if (const auto* refused = std::get_if<Message>(&date)) throw TypedValueError(*refused);
    return std::get<T>(date);
}
