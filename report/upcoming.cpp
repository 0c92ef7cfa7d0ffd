#include "report/upcoming.h"

#include <algorithm>

#include "report/almanac_days.h"
#include "report/korean_words.h"
#include "report/reminders.h"
#include "runtime/date_text.h"

namespace {

// The order of a day's dates, as below a month: holidays, events, 기념일,
// 잡절, terms. (The reminders come before all days.)
constexpr std::int32_t OrderOf(UpcomingKind kind)
{
    switch (kind) {
        case UpcomingKind::Holiday:
            return 0;
        case UpcomingKind::Event:
            return 1;
        case UpcomingKind::Anniversary:
            return 2;
        case UpcomingKind::Sundry:
            return 3;
        case UpcomingKind::SolarTerm:
            return 4;
        case UpcomingKind::Reminder:
            return -1;
    }
    return 5;
}

UpcomingKind UpcomingKindOf(DayKind kind)
{
    switch (kind) {
        case DayKind::Holidays:
            return UpcomingKind::Holiday;
        case DayKind::Terms:
            return UpcomingKind::SolarTerm;
        case DayKind::Anniversaries:
            return UpcomingKind::Anniversary;
        case DayKind::Sundry:
            return UpcomingKind::Sundry;
        case DayKind::Events:
            return UpcomingKind::Event;
    }
    return UpcomingKind::Event;
}

}  // namespace

std::string UpcomingLine(const UpcomingDate& date, std::string_view daysLeft)
{
    std::string line;
    AppendListedDay(line, date.date, date.name, date.minuteOfDay);
    line += kPartSeparator;
    line += daysLeft;
    return line;
}

std::vector<UpcomingDate> UpcomingDates(const GregorianDate& today, std::int32_t days, const UserDates& user,
                                        const DayKinds& kinds)
{
    std::vector<UpcomingDate> dates;
    if (days <= 0 || today.year < kFirstYear || today.year > kLastYear) return dates;
    const std::int32_t first = DayCountOf(today.year, today.month, today.day);
    const std::int32_t last = std::min(first + std::min(days, kMostUpcomingDays) - 1, DayCountOf(kLastYear, 12, 31));
    const std::int32_t lastYear = DateOfDayCount(last).year;
    // Whether a date is within the span, its days left where it is: checked
    // before a name is made (a long events file has thousands of dates a year).
    const auto daysLeft = [&](const GregorianDate& date) -> std::optional<std::int32_t> {
        const std::int32_t day = DayCountOf(date.year, date.month, date.day);
        if (day < first || day > last) return std::nullopt;
        return day - first;
    };
    for (const MarkedDay& day :
         MarkedDays(today.year, lastYear, {kinds.holidays, kinds.terms, kinds.anniversaries, kinds.sundry, false}, user,
                    false)) {
        if (const auto left = daysLeft(day.date)) {
            dates.push_back(
                {day.date, *left, UpcomingKindOf(day.kind), day.name, day.holidayKind, day.minuteOfDay, false});
        }
    }
    const std::vector<EventDay> events = kinds.events ? EventsIn(user, today.year, lastYear) : std::vector<EventDay>{};
    for (const EventDay& event : events) {
        if (const auto left = daysLeft(event.observance.date)) {
            dates.push_back(
                {event.observance.date, *left, UpcomingKind::Event, EventText(event), {}, {}, event.observance.moved});
        }
    }
    const std::vector<Reminder> reminders = kinds.events ? RemindersDue(today, user) : std::vector<Reminder>{};
    for (const Reminder& reminder : reminders) {
        dates.push_back({reminder.day.observance.date,
                         reminder.daysBefore,
                         UpcomingKind::Reminder,
                         EventText(reminder.day),
                         {},
                         {},
                         reminder.day.observance.moved});
    }
    std::ranges::stable_sort(dates, [](const UpcomingDate& a, const UpcomingDate& b) {
        const bool aReminds = a.kind == UpcomingKind::Reminder;
        const bool bReminds = b.kind == UpcomingKind::Reminder;
        if (aReminds != bReminds) return aReminds;
        return a.daysLeft != b.daysLeft ? a.daysLeft < b.daysLeft : OrderOf(a.kind) < OrderOf(b.kind);
    });
    return dates;
}
