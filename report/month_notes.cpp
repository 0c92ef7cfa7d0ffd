#include "report/month_notes.h"

#include <algorithm>
#include <vector>

#include "engine/holidays.h"
#include "engine/solar_terms.h"
#include "report/almanac_days.h"
#include "report/korean_words.h"
#include "runtime/civil_date.h"
#include "runtime/date_text.h"
#include "runtime/utf8_literals.h"

namespace {

constexpr const char* kHolidaysNotKnown = "   (공휴일은 2014-2100년만 표시함)";

struct Note {
    std::int32_t day;
    std::int32_t order;  // holidays, events, 기념일, 잡절, then terms on the same day
    std::string line;
};

// What follows a holiday's title: " (예정)" for an election the statute
// schedules, else nothing.
std::string HolidaySuffix(const Holiday& holiday)
{
    if (holiday.source != kScheduledByStatute) return {};
    return std::string(" (") + kScheduledMark + ')';
}

// " 4월 21일", then "(화)" where the weekday is wanted, and a blank: how every
// note begins, built by appending (a long events file gives a month many).
std::string NoteDate(const GregorianDate& date, bool withWeekday)
{
    std::string line;
    if (withWeekday) {
        AppendMonthDayWeekday(line, date, true);
    } else {
        AppendMonthDay(line, date.month, date.day, true);
    }
    line += ' ';
    return line;
}

std::string HolidayLine(const Holiday& holiday)
{
    std::string line = NoteDate(holiday.date, true);
    line += HolidayTitle(holiday);
    line += HolidaySuffix(holiday);
    return line;
}

std::string EventLine(const EventDay& day)
{
    std::string line = NoteDate(day.observance.date, true);
    AppendEventText(line, day);
    return line;
}

std::string TermLine(const SolarTerm& term)
{
    std::string line = NoteDate(term.date, true);
    line += SolarTermNames.at(static_cast<std::size_t>(term.index));
    line += ' ';
    AppendClockTime(line, term.minuteOfDay);
    if (term.uncertainDay) line += kUncertainMark;
    return line;
}

std::string AlmanacDayLine(const MarkedDay& day)
{
    std::string line = NoteDate(day.date, true);
    line += day.name;
    if (day.kind == DayKind::Anniversaries) line += kAnniversaryMark;
    return line;
}

}  // namespace

void PrintMonthNotes(std::int32_t year, std::int32_t month, const TextOutput& output, const UserDates& user,
                     const DayKinds& kinds)
{
    if (month < 1 || month > kMonthsInYear) return;
    std::vector<Note> notes;
    std::vector<Holiday> holidays;
    const bool holidaysKnown = !kinds.holidays || GetUserHolidays(year, user, holidays);
    for (const Holiday& holiday : holidays) {
        if (holiday.date.month == month) notes.push_back({holiday.date.day, 0, HolidayLine(holiday)});
    }
    if (kinds.events) {
        for (const EventDay& day : EventsInMonth(user, year, month)) {
            notes.push_back({day.observance.date.day, 1, EventLine(day)});
        }
    }
    DayKinds almanacKinds{false, false, kinds.anniversaries, kinds.sundry, false};
    for (const MarkedDay& day : MarkedDaysOfMonth(year, month, almanacKinds, user)) {
        notes.push_back({day.date.day, day.kind == DayKind::Anniversaries ? 2 : 3, AlmanacDayLine(day)});
    }
    // The two terms of a month are those of index 2(month - 1) and the next.
    for (std::int32_t index = 2 * (month - 1); kinds.terms && index < 2 * month; ++index) {
        SolarTerm term{};
        if (GetSolarTerm(year, index, term)) notes.push_back({term.date.day, 4, TermLine(term)});
    }
    std::ranges::stable_sort(
        notes, [](const Note& a, const Note& b) { return a.day != b.day ? a.day < b.day : a.order < b.order; });
    for (const Note& note : notes) output(note.line);
    if (!holidaysKnown) output(kHolidaysNotKnown);
}
