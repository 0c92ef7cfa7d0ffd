#include "user_dates.h"

#include <algorithm>

#include "cp949_literals.h"
#include "date_marks.h"
#include "sysutils.h"

namespace {

constexpr const char* kLunarFormat = "%s (음력 %s%d.%d%s)";
constexpr const char* kSolarFormat = "%s (양력 %d.%d%s)";
constexpr const char* kMovedMark = ", 옮김";

}  // namespace

namespace {

// The events whose days in fromYear..toYear the filter keeps, in date order.
template <typename Keep>
std::vector<EventDay> EventsWhere(const UserDates& user, std::int32_t fromYear, std::int32_t toYear, Keep keep)
{
    std::vector<EventDay> days;
    std::vector<Observance> observances;  // of one event at a time, its room kept
    for (const UserEvent& event : user.events) {
        observances.clear();
        AppendObservances(event.rule, fromYear, toYear, observances);
        for (const Observance& observance : observances) {
            if (keep(observance)) days.push_back({&event, observance});
        }
    }
    std::ranges::stable_sort(days, {}, [](const EventDay& day) { return day.observance.date; });
    return days;
}

}  // namespace

std::vector<EventDay> EventsIn(const UserDates& user, std::int32_t fromYear, std::int32_t toYear)
{
    return EventsWhere(user, fromYear, toYear, [](const Observance&) { return true; });
}

std::vector<EventDay> EventsInMonth(const UserDates& user, std::int32_t year, std::int32_t month)
{
    return EventsWhere(user, year, year, [month](const Observance& day) { return day.date.month == month; });
}

bool GetUserHolidays(std::int32_t year, const UserDates& user, std::vector<Holiday>& holidays)
{
    return GetHolidays(year, holidays, user.holidays);
}

AnsiString EventText(const EventDay& day)
{
    const DateRule& rule = day.event->rule;
    const char* const moved = day.observance.moved ? kMovedMark : "";
    switch (rule.kind) {
        case DateRuleKind::Lunar:
            return Sysutils::Format(kLunarFormat, day.event->name, rule.leap ? kLeapMonthPrefix : "", rule.month,
                                    rule.day, moved);
        case DateRuleKind::Solar:
            if (day.observance.moved)
                return Sysutils::Format(kSolarFormat, day.event->name, rule.month, rule.day, moved);
            break;
        case DateRuleKind::Once:
            break;
    }
    return day.event->name;
}

const char* DateRuleKindName(DateRuleKind kind)
{
    switch (kind) {
        case DateRuleKind::Lunar:
            return "lunar";
        case DateRuleKind::Solar:
            return "solar";
        case DateRuleKind::Once:
            break;
    }
    return "once";
}

std::string DateRuleIdentity(const DateRule& rule)
{
    return Sysutils::Format("%s %d-%d-%d%s\n", DateRuleKindName(rule.kind), rule.year, rule.month, rule.day,
                            rule.leap ? " leap" : "");
}
