// Feeds any text to both of the user's date files, through the parsers the
// programs use:
// - every line that holds something (text before a "#", or bytes that are
//   no UTF-8) is either read or reported, once, with its number;
// - what was read is a valid rule or an added holiday of 2014-2100, and it
//   works through the calendar: its days in a few years, its text, the
//   holidays it adds (still in date order).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "date_files.h"
#include "utf8.h"

namespace {

void Require(bool condition)
{
    if (!condition) std::abort();
}

// The lines that hold something, as both files count them.
std::int32_t LinesWithContent(std::string_view text)
{
    std::int32_t count = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // of a CRLF
        if (!Utf8::IsWellFormed(line)) {
            ++count;
            continue;
        }
        line = line.substr(0, line.find('#'));
        if (line.find_first_not_of(" \t") != std::string_view::npos) ++count;
    }
    return count;
}

void RequireNumbered(const std::vector<LineProblem>& problems, std::int32_t lines)
{
    std::int32_t previous = 0;
    for (const LineProblem& problem : problems) {
        Require(problem.line > previous && !problem.why.English().empty());
        previous = problem.line;
    }
    Require(previous <= lines);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::int32_t lines = static_cast<std::int32_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    const std::int32_t withContent = LinesWithContent(text);

    const EventsFile events = ParseEventsFile(text);
    RequireNumbered(events.problems, lines);
    Require(static_cast<std::int32_t>(events.events.size() + events.problems.size()) == withContent);
    UserDates user;
    user.events = events.events;
    for (const UserEvent& event : events.events) Require(IsValidDateRule(event.rule));
    for (const EventDay& day : EventsIn(user, 2024, 2026)) Require(!EventText(day).empty());

    const HolidaysFile holidays = ParseHolidaysFile(text);
    RequireNumbered(holidays.problems, lines);
    Require(static_cast<std::int32_t>(holidays.holidays.size() + holidays.problems.size()) == withContent);
    user.holidays = holidays.holidays;
    for (const AddedHoliday& added : holidays.holidays) {
        Require(added.date.year >= kFirstHolidayYear && added.date.year <= kLastHolidayYear && !added.name.empty());
        std::vector<Holiday> ofYear;
        Require(GetUserHolidays(added.date.year, user, ofYear));
        for (std::size_t i = 1; i < ofYear.size(); ++i) Require(!(ofYear[i].date < ofYear[i - 1].date));
    }
    return 0;
}
