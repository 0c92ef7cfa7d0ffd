#include "upcoming.h"

#include <algorithm>
#include <array>

#include "holidays.h"
#include "korean_words.h"
#include "reminders.h"
#include "solar_terms.h"

namespace {

// The order of a day's dates, as below a month: holidays, events, terms.
// (The reminders come before all days.)
constexpr std::int32_t OrderOf(UpcomingKind kind)
{
    return kind == UpcomingKind::Holiday ? 0 : kind == UpcomingKind::Event ? 1 : 2;
}

}  // namespace

std::vector<UpcomingDate> UpcomingDates(const GregorianDate& today, std::int32_t days, const UserDates& user)
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
    std::vector<Holiday> holidays;
    std::array<SolarTerm, kSolarTermsInYear> terms{};
    for (std::int32_t year = today.year; year <= lastYear; ++year) {
        if (GetUserHolidays(year, user, holidays)) {
            for (const Holiday& holiday : holidays) {
                if (const auto left = daysLeft(holiday.date)) {
                    dates.push_back(
                        {holiday.date, *left, UpcomingKind::Holiday, HolidayTitle(holiday), holiday.kind, {}, false});
                }
            }
        }
        if (year < kFirstSolarTermYear || year > kLastSolarTermYear) continue;
        GetSolarTerms(year, terms);
        for (const SolarTerm& term : terms) {
            if (const auto left = daysLeft(term.date)) {
                dates.push_back({term.date,
                                 *left,
                                 UpcomingKind::SolarTerm,
                                 SolarTermNames.at(static_cast<std::size_t>(term.index)),
                                 {},
                                 term.minuteOfDay,
                                 false});
            }
        }
    }
    for (const EventDay& event : EventsIn(user, today.year, lastYear)) {
        if (const auto left = daysLeft(event.observance.date)) {
            dates.push_back(
                {event.observance.date, *left, UpcomingKind::Event, EventText(event), {}, {}, event.observance.moved});
        }
    }
    for (const Reminder& reminder : RemindersDue(today, user)) {
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
