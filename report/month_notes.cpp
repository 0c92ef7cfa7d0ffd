#include "month_notes.h"

#include <algorithm>
#include <vector>

#include "civil_date.h"
#include "cp949_literals.h"
#include "date_marks.h"
#include "date_reading.h"
#include "holidays.h"
#include "number_text.h"
#include "solar_terms.h"
#include "sysutils.h"

namespace {

constexpr const char* kHolidayFormat = "%2d월 %2d일(%s) %s%s";
constexpr const char* kTermFormat = "%2d월 %2d일 %s %.2d:%.2d%s";
constexpr const char* kSubstituteSuffix = " 대체공휴일";
constexpr const char* kHolidaysNotKnown = "   (공휴일은 2014-2100년만 표시함)";

struct Note {
    std::int32_t day;
    std::int32_t order;  // holidays, then events, then terms on the same day
    AnsiString line;
};

// What follows a holiday's name: " 대체공휴일" for a substitute day, " (예정)"
// for an election the statute schedules, else nothing.
AnsiString HolidaySuffix(const Holiday& holiday)
{
    if (holiday.kind == HolidayKind::Substitute) return kSubstituteSuffix;
    if (holiday.source != kScheduledByStatute) return {};
    return AnsiString(" (") + kScheduledMark + ')';
}

AnsiString HolidayLine(const Holiday& holiday)
{
    const std::int32_t weekday = WeekdayOf(holiday.date);  // [0, 6]
    return Sysutils::Format(kHolidayFormat, holiday.date.month, holiday.date.day, WeekdaySyllable(weekday),
                            holiday.name.c_str(), HolidaySuffix(holiday));
}

// " 4월 21일(화) " and the event, built by appending: a long events file gives a month many.
AnsiString EventLine(const EventDay& day)
{
    const GregorianDate& date = day.observance.date;
    AnsiString line;
    AppendNumberWidth2(line, date.month);
    line += "월 ";
    AppendNumberWidth2(line, date.day);
    line += "일(";
    line += WeekdaySyllable(WeekdayOf(date));
    line += ") ";
    AppendEventText(line, day);
    return line;
}

AnsiString TermLine(const SolarTerm& term)
{
    const std::int32_t hour = term.minuteOfDay / 60;
    const std::int32_t minute = term.minuteOfDay % 60;
    return Sysutils::Format(kTermFormat, term.date.month, term.date.day,
                            SolarTermNames[static_cast<std::size_t>(term.index)], hour, minute,
                            term.uncertainDay ? kUncertainMark : "");
}

}  // namespace

void PrintMonthNotes(std::int32_t year, std::int32_t month, const LineOutput& output, const UserDates& user)
{
    if (month < 1 || month > 12) return;
    std::vector<Note> notes;
    std::vector<Holiday> holidays;
    const bool holidaysKnown = GetUserHolidays(year, user, holidays);
    for (const Holiday& holiday : holidays) {
        if (holiday.date.month == month) notes.push_back({holiday.date.day, 0, HolidayLine(holiday)});
    }
    for (const EventDay& day : EventsInMonth(user, year, month)) {
        notes.push_back({day.observance.date.day, 1, EventLine(day)});
    }
    // The two terms of a month are those of index 2(month - 1) and the next.
    for (std::int32_t index = 2 * (month - 1); index < 2 * month; ++index) {
        SolarTerm term{};
        if (GetSolarTerm(year, index, term)) notes.push_back({term.date.day, 2, TermLine(term)});
    }
    std::ranges::stable_sort(
        notes, [](const Note& a, const Note& b) { return a.day != b.day ? a.day < b.day : a.order < b.order; });
    for (const Note& note : notes) output(note.line);
    if (!holidaysKnown) output(kHolidaysNotKnown);
}
