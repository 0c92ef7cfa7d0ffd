#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print_request/arguments.h"
#include "report/user_dates.h"
#include "runtime/civil_date.h"
#include "userdata/user_files.h"

// What a run of dalcal-print (and of the page drawer it starts) takes from
// its surroundings besides its arguments, read once by its main and fixed
// by the tests.

// The user's files, each read when a command first uses it and its problems
// reported then: a command that uses no events (--terms, --holidays) says
// nothing of the events file. An events file named on the command line that
// cannot be read raises UnreadableNamedFile.
class UserFiles {
public:
    UserFiles() = default;  // none
    UserFiles(UserFilePaths paths, ProblemReport report) : paths_(std::move(paths)), report_(std::move(report)) {}
    explicit UserFiles(UserDates dates)
        : dates_(std::move(dates)), eventsRead_(true), holidaysRead_(true), eventsFound_(true)
    {
    }

    const UserDates& Holidays() const;      // the added holidays (events not read)
    const UserDates& Events() const;        // the events (added holidays not read)
    const UserDates& All() const;           // both
    const DayKindChoice& Settings() const;  // the kinds of days the settings file shows or hides

    // After Events(): whether there was an events file, and where it is looked for.
    bool EventsFileFound() const { return eventsFound_; }
    const std::optional<std::string>& EventsPath() const { return paths_.events; }

private:
    UserFilePaths paths_;
    ProblemReport report_;
    mutable UserDates dates_;
    mutable bool eventsRead_ = false;
    mutable bool holidaysRead_ = false;
    mutable bool eventsFound_ = false;
    mutable std::optional<DayKindChoice> settings_;
};

struct RunContext {
    bool color = false;                // colour the cells (a terminal that wants it)
    GregorianDate today;               // the local date: the default month and year, today's cell (zero: none)
    std::int64_t stampSeconds = 0;     // DTSTAMP of iCalendar events, a PDF's date: seconds since 1970 (UTC)
    std::int32_t terminalColumns = 0;  // the terminal's width (else COLUMNS); 0: neither
    UserFiles user;                    // the user's events and added holidays, read when used
    bool stampGiven = false;           // stampSeconds is SOURCE_DATE_EPOCH's: the same bytes every run
};

// SOURCE_DATE_EPOCH's value: decimal seconds since 1970 up to 9999-12-31
// 23:59:59 UTC; none where it is anything else.
std::optional<std::int64_t> ParseSourceDateEpoch(std::string_view text);

// Seconds since 1970 (0..253402300799) as "YYYY-MM-DDTHH:MM:SS", UTC.
std::string UtcMoment(std::int64_t seconds);

// Whether to colour: --color=always or never as asked; auto colours only a
// terminal, and not where NO_COLOR is set (to anything) or TERM is "dumb".
bool UseColor(ColorWhen when, bool stdoutIsTerminal, const char* noColor, const char* term);

// The columns output is shown in: the terminal's width where standard output
// is one, else COLUMNS where set to a number (1..9999), else 0.
std::int32_t TerminalColumns(bool stdoutIsTerminal, std::int32_t terminalWidth, const char* columns);

// Today, the stamp of iCalendar events and PDF files (for those alone: a
// malformed SOURCE_DATE_EPOCH raises EConvertError naming it), colour and
// width for a terminal, and the user's files (read when used).
RunContext ReadSurroundings(const PrintRequest& request);

// "--events-file FILE: what is wrong" on stderr, with the program's name first.
void ComplainOfNamedFile(const UnreadableNamedFile& error);

// Whether standard output is a terminal, which PDF or SVG bytes are never
// written onto (as compressors refuse): then says so.
bool RefusedOntoTerminal(OutputFormat format);

// The months a --pdf or --svg request draws: YEAR MONTH, the twelve of YEAR,
// or this month; a refused year or month raises EConvertError naming it.
struct MonthOfPage {
    std::int32_t year;
    std::int32_t month;
};
std::vector<MonthOfPage> RequestedMonths(const PrintRequest& request, const RunContext& context);
