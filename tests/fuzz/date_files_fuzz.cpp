// Feeds any text to both of the user's date files, through the parsers the
// programs use:
// - every line that holds something (text before a "#", or bytes that are
//   no UTF-8) is either read or reported, once, with its number;
// - what was read is a valid rule or an added holiday of 2014-2100, and it
//   works through the calendar: its days in a few years, its text, the
//   holidays it adds (still in date order), and the printable page of the
//   month of the first of them: well-formed UTF-8 SVG whose text is escaped;
// - read as the settings file, its problems are numbered lines, and the
//   choice read shows each kind as chosen, or as the view would;
// - the reminders due on a few days of the events read name days within a
//   year of them; and, read as the log of reminders sent, the text keeps
//   only a day's lines when written again, with those sent after them.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "formats/page_layout.h"
#include "formats/svg_page.h"
#include "report/month_page.h"
#include "report/reminders.h"
#include "text/utf8.h"
#include "userdata/date_files.h"
#include "userdata/reminder_log.h"
#include "userdata/settings_file.h"
#include "userdata/window_place.h"

namespace {

void Require(bool condition)
{
    if (!condition) std::abort();
}

// The lines that hold something, as both files count them (a byte-order mark
// at the start is none of the first line).
std::int32_t LinesWithContent(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
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

// Each text element's content holds no markup: no '<', and '&' only as one
// of XML's five entities.
bool TextIsEscaped(std::string_view svg)
{
    constexpr std::string_view kEntities[] = {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"};
    for (std::size_t start = svg.find("<text "); start != std::string_view::npos;
         start = svg.find("<text ", start + 1)) {
        const std::size_t open = svg.find('>', start);
        const std::size_t close = svg.find("</text>", start);
        if (open == std::string_view::npos || close == std::string_view::npos || close < open) return false;
        const std::string_view content = svg.substr(open + 1, close - open - 1);
        if (content.find('<') != std::string_view::npos) return false;
        for (std::size_t amp = content.find('&'); amp != std::string_view::npos; amp = content.find('&', amp + 1)) {
            if (std::none_of(std::begin(kEntities), std::end(kEntities),
                             [&](std::string_view entity) { return content.substr(amp).starts_with(entity); })) {
                return false;
            }
        }
    }
    return true;
}

// The page of the month of date, with the user's dates.
void RequirePage(const GregorianDate& date, const UserDates& user)
{
    const std::string svg = SvgPage(LayOutMonthPage(MakeMonthPage(date.year, date.month, Almanac::Korea, user)));
    Require(Utf8::IsWellFormed(svg) && TextIsEscaped(svg));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::int32_t lines = static_cast<std::int32_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    const std::int32_t withContent = LinesWithContent(text);

    const EventsFile events = ParseEventsFile(text);
    RequireNumbered(events.problems, lines);
    // A line used all the same (a bad attribute) is an event and a problem.
    const auto usedAnyway = std::ranges::count_if(events.problems, [](const LineProblem& p) { return p.used; });
    Require(static_cast<std::int32_t>(events.events.size() + events.problems.size()) - usedAnyway == withContent);
    UserDates user;
    user.events = events.events;
    for (const UserEvent& event : events.events) {
        Require(IsValidDateRule(event.rule) && event.line >= 1 && event.line <= lines);
        Require(event.sinceYear >= 0 && event.sinceYear <= kLastYear);
        Require(!event.remindDays || (*event.remindDays >= 0 && *event.remindDays <= kMostRemindDays));
    }
    const std::vector<EventDay> days = EventsIn(user, 2024, 2026);
    for (const EventDay& day : days) Require(!EventText(day).empty());
    if (!days.empty()) RequirePage(days.front().observance.date, user);
    std::vector<std::string> identities;
    for (const GregorianDate& today : {GregorianDate{2026, 12, 9}, GregorianDate{9999, 12, 31}}) {
        for (const Reminder& reminder : RemindersDue(today, user)) {
            Require(reminder.daysBefore >= 0 && reminder.daysBefore <= kMostRemindDays);
            Require(!ReminderText(reminder).empty());
            identities.push_back(ReminderIdentity(reminder));
        }
    }
    const GregorianDate logDay{2026, 12, 9};
    std::vector<std::string> expected = SentOn(text, logDay);
    const std::string log = LogWithSent(text, logDay, identities);
    expected.insert(expected.end(), identities.begin(), identities.end());
    Require(SentOn(log, logDay) == expected);  // a day's lines kept, in order, the new after them
    Require(SentOn(log, {2026, 12, 8}).empty());

    const SettingsFile settings = ParseSettingsFile(text);
    RequireNumbered(settings.problems, lines);
    Require(settings.problems.size() <= static_cast<std::size_t>(lines));
    for (const DayKind kind : kDayKinds) {
        const DayKinds applied = settings.kinds.Apply(kListedKinds);
        Require(applied.Has(kind) == settings.kinds.Chosen(kind).value_or(kListedKinds.Has(kind)));
    }

    // The window's place: read back as it is written, or none.
    if (const std::optional<WindowPlace> place = ReadWindowPlace(text)) {
        Require(place->width >= 1 && place->height >= 1 && ReadWindowPlace(WindowPlaceText(*place)) == place);
    }

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
    if (!holidays.holidays.empty()) RequirePage(holidays.holidays.front().date, user);
    return 0;
}
