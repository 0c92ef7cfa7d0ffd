#include "report/reminders.h"

#include <algorithm>

#include "report/korean_words.h"
#include "runtime/date_text.h"
#include "runtime/number_text.h"
#include "runtime/utf8_literals.h"

std::vector<Reminder> RemindersDue(const GregorianDate& today, const UserDates& user)
{
    std::vector<Reminder> due;
    const std::int32_t todayCount = DayCountOf(today.year, today.month, today.day);
    std::vector<Observance> days;
    for (const UserEvent& event : user.events) {
        if (!event.remindDays) continue;
        const std::int32_t dayCount = todayCount + *event.remindDays;  // within int32: at most a year on 9999
        if (dayCount > DayCountOf(kLastYear, 12, 31)) continue;
        const GregorianDate date = DateOfDayCount(dayCount);
        days.clear();
        AppendObservances(event.rule, date.year, date.year, days);
        for (const Observance& day : days) {
            if (day.date == date && IsInItsYears(event, day)) due.push_back({{&event, day}, *event.remindDays});
        }
    }
    std::ranges::stable_sort(due, {}, [](const Reminder& reminder) { return reminder.daysBefore; });
    return due;
}

std::string ReminderText(const GregorianDate& date, std::int32_t daysBefore, std::string_view eventText)
{
    std::string text;
    if (daysBefore > 0) {
        AppendMonthDayWeekday(text, date);
        text += ' ';
    }
    text += eventText;
    return text;
}

std::string ReminderText(const Reminder& reminder)
{
    return ReminderText(reminder.day.observance.date, reminder.daysBefore, EventText(reminder.day));
}

std::string ReminderIdentity(const Reminder& reminder)
{
    std::string identity = IsoDate(reminder.day.observance.date);
    identity += ' ';
    std::string rule = DateRuleIdentity(reminder.day.event->rule);
    rule.pop_back();  // its line break
    identity += rule;
    identity += ' ';
    for (const char c : reminder.day.event->name) identity += c == '\n' || c == '\r' ? ' ' : c;
    return identity;
}
