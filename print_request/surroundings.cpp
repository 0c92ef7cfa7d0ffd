#include "print_request/surroundings.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string_view>

#include "input/typed_date.h"
#include "input/typed_numbers.h"
#include "runtime/civil_date.h"
#include "runtime/clock.h"
#include "runtime/date_check.h"
#include "runtime/date_text.h"
#include "runtime/exception.h"
#include "runtime/number_text.h"
#include "shell/messages.h"
#include "shell/program.h"
#include "text/utf8.h"
#include "userdata/user_files.h"

namespace {

// The moment an iCalendar file's events and a PDF are stamped with:
// SOURCE_DATE_EPOCH where set (the file is then the same on every run), else now.
struct Stamp {
    std::int64_t seconds = 0;
    bool given = false;
};
Stamp ReadStamp()
{
    const std::string epoch = Environment("SOURCE_DATE_EPOCH");
    if (epoch.empty()) return {std::max<std::int64_t>(0, std::time(nullptr)), false};
    const std::optional<std::int64_t> seconds = ParseSourceDateEpoch(epoch);
    if (!seconds) {
        throw EConvertError(
            Message("SOURCE_DATE_EPOCH: {1} is not a number of seconds since 1970-01-01 (0-253402300799)",
                    {Utf8::Quoted(epoch)}));
    }
    return {*seconds, true};
}

UserFiles LocateFiles(const PrintRequest& request)
{
    const UserFileChoice choice{request.eventsFile, request.noEvents};
    return {LocateUserFiles(choice, Environment("XDG_CONFIG_HOME"), Environment("HOME")), ReportFileProblem};
}

}  // namespace

const UserDates& UserFiles::Holidays() const
{
    if (!holidaysRead_) {
        holidaysRead_ = true;
        ReadAddedHolidays(paths_, report_, dates_);
    }
    return dates_;
}

const UserDates& UserFiles::Events() const
{
    if (!eventsRead_) {
        eventsRead_ = true;
        eventsFound_ = ReadUserEvents(paths_, report_, dates_);
    }
    return dates_;
}

const UserDates& UserFiles::All() const
{
    Events();
    return Holidays();
}

const DayKindChoice& UserFiles::Settings() const
{
    if (!settings_) settings_ = ReadUserSettings(paths_, report_);
    return *settings_;
}

bool UseColor(ColorWhen when, bool stdoutIsTerminal, const char* noColor, const char* term)
{
    if (when != ColorWhen::Auto) return when == ColorWhen::Always;
    const bool noColorSet = noColor != nullptr && noColor[0] != '\0';
    const bool dumb = term != nullptr && std::string_view(term) == "dumb";
    return stdoutIsTerminal && !noColorSet && !dumb;
}

std::int32_t TerminalColumns(bool stdoutIsTerminal, std::int32_t terminalWidth, const char* columns)
{
    if (stdoutIsTerminal && terminalWidth > 0) return terminalWidth;
    constexpr std::size_t kLongest = 4;  // columns 1..9999
    const std::string_view text = columns != nullptr ? columns : "";
    if (text.empty() || text.size() > kLongest || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return 0;
    }
    return std::stoi(std::string(text));
}

std::optional<std::int64_t> ParseSourceDateEpoch(std::string_view text)
{
    constexpr std::int64_t kLastSecond = 253402300799;  // 9999-12-31T23:59:59Z
    constexpr std::size_t kLongest = 12;
    if (text.empty() || text.size() > kLongest || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::int64_t seconds = std::stoll(std::string(text));
    if (seconds > kLastSecond) return std::nullopt;
    return seconds;
}

std::string UtcMoment(std::int64_t seconds)
{
    constexpr std::int64_t kSecondsInDay = 86400;
    const auto dayCount = static_cast<std::int32_t>(DayCountOf(1970, 1, 1) + seconds / kSecondsInDay);
    const auto secondOfDay = static_cast<std::int32_t>(seconds % kSecondsInDay);
    std::string moment = IsoDate(DateOfDayCount(dayCount));
    moment += 'T';
    moment += ClockTime(secondOfDay / 60);
    moment += ':';
    AppendZeroFilled(moment, secondOfDay % 60, 2);
    return moment;
}

RunContext ReadSurroundings(const PrintRequest& request)
{
    const bool stdoutIsTerminal = isatty(STDOUT_FILENO) == 1;
    winsize size{};
    const std::int32_t terminalWidth =
        stdoutIsTerminal && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
    // Only what is stamped reads the stamp: a malformed SOURCE_DATE_EPOCH refuses those alone.
    const bool stamped = request.format == OutputFormat::Ics || request.format == OutputFormat::Pdf;
    const Stamp stamp = stamped ? ReadStamp() : Stamp{};
    RunContext context{UseColor(request.color, stdoutIsTerminal, std::getenv("NO_COLOR"), std::getenv("TERM")), Today(),
                       stamp.seconds, TerminalColumns(stdoutIsTerminal, terminalWidth, std::getenv("COLUMNS")),
                       LocateFiles(request)};
    context.stampGiven = stamp.given;
    return context;
}

void ComplainOfNamedFile(const UnreadableNamedFile& error)
{
    std::string said = "--events-file ";  // appended: GCC 12 misreads "..." + std::string at -O3 (-Wrestrict)
    said += error.Path();
    said += ": ";
    said += Messages::Shown(error);
    Complain(said);
}

bool RefusedOntoTerminal(OutputFormat format)
{
    if (isatty(STDOUT_FILENO) != 1) return false;
    Complain(Messages::Translated(format == OutputFormat::Svg
                                      ? Phrase("refusing to write SVG to a terminal (redirect it: > FILE.svg)")
                                      : Phrase("refusing to write PDF to a terminal (redirect it: > FILE.pdf)")));
    return true;
}

std::vector<MonthOfPage> RequestedMonths(const PrintRequest& request, const RunContext& context)
{
    if (!request.date) return {{context.today.year, context.today.month}};
    if (request.mode == PrintMode::Year) {
        const std::int32_t year = TypedArgument<TypedYear>(request).year;
        std::vector<MonthOfPage> months;
        for (std::int32_t month = 1; month <= kMonthsInYear; ++month) months.push_back({year, month});
        return months;
    }
    const TypedMonth& month = TypedArgument<TypedMonth>(request);
    return {{month.year, month.month}};
}
