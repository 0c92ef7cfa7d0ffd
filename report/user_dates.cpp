#include "report/user_dates.h"

#include <algorithm>
#include <array>

#include "report/korean_words.h"
#include "runtime/date_text.h"
#include "runtime/number_text.h"
#include "runtime/utf8_literals.h"

namespace {

struct KindWords {
    EventKind kind;
    const char* word;
    const char* yearsBefore;  // the years counted: before the number,
    const char* yearsAfter;   // and after it
};
constexpr std::array<KindWords, 4> kKindWords = {{
    {EventKind::Other, "기타", "", ""},
    {EventKind::Birthday, "생일", "만 ", "세"},
    {EventKind::Memorial, "기일", "", "주기"},
    {EventKind::Anniversary, "기념일", "", "주년"},
}};

const KindWords& WordsOf(EventKind kind)
{
    return kKindWords.at(static_cast<std::size_t>(kind));
}

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
            if (keep(observance) && IsInItsYears(event, observance)) days.push_back({&event, observance});
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

// Built by appending rather than formatted: a long events file gives many.
void AppendEventText(std::string& out, const EventDay& day)
{
    const DateRule& rule = day.event->rule;
    out += day.event->name;
    const bool dateSaid =
        rule.kind == DateRuleKind::Lunar || (rule.kind == DateRuleKind::Solar && day.observance.moved);
    const std::optional<std::int32_t> years = YearsCounted(day);
    if (!dateSaid && !years) return;
    out += " (";
    if (dateSaid) {
        AppendRuleDateText(out, rule.kind == DateRuleKind::Lunar, rule.month, rule.day, rule.leap);
        if (day.observance.moved) (out += ", ") += kMovedMark;
        if (years) out += ", ";
    }
    if (years) out += YearsText(day.event->kind, *years);
    out += ')';
}

bool IsInItsYears(const UserEvent& event, const Observance& day)
{
    return event.sinceYear == 0 || event.rule.kind == DateRuleKind::Once || day.ruleYear >= event.sinceYear;
}

std::optional<std::int32_t> YearsCounted(const EventDay& day)
{
    const UserEvent& event = *day.event;
    if (event.kind == EventKind::Other || event.sinceYear == 0 || event.rule.kind == DateRuleKind::Once) {
        return std::nullopt;
    }
    const std::int32_t years = day.observance.ruleYear - event.sinceYear;  // both within 1..9999
    if (years < 1) return std::nullopt;
    return years;
}

std::string YearsText(EventKind kind, std::int32_t years)
{
    const KindWords& words = WordsOf(kind);
    if (kind == EventKind::Other) return {};
    std::string text = words.yearsBefore;
    AppendNumber(text, years);
    text += words.yearsAfter;
    return text;
}

const char* EventKindWord(EventKind kind)
{
    return WordsOf(kind).word;
}

std::string EventText(const EventDay& day)
{
    std::string text;
    AppendEventText(text, day);
    return text;
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
    std::string identity = DateRuleKindName(rule.kind);
    identity += ' ';
    AppendNumber(identity, rule.year);
    identity += '-';
    AppendNumber(identity, rule.month);
    identity += '-';
    AppendNumber(identity, rule.day);
    if (rule.leap) identity += " leap";
    identity += '\n';
    return identity;
}

std::string KeptElsewhereText(const DateRule& rule)
{
    return LackingYearText(rule.kind == DateRuleKind::Lunar, rule.month, rule.day, rule.leap);
}

std::vector<EventDay> NextDaysOf(const UserEvent& event, const GregorianDate& from, std::size_t count)
{
    constexpr std::int32_t kYearsLooked = 12;  // every rule that falls at all falls within a year or two
    std::vector<EventDay> days;
    std::vector<Observance> ofYear;
    const std::int32_t last = std::min(kLastYear, from.year + kYearsLooked);
    for (std::int32_t year = from.year; year <= last && days.size() < count; ++year) {
        ofYear.clear();
        AppendObservances(event.rule, year, year, ofYear);
        for (const Observance& day : ofYear) {
            if (day.date < from || !IsInItsYears(event, day) || days.size() == count) continue;
            days.push_back({&event, day});
        }
    }
    return days;
}

std::string NextDayLine(const EventDay& day)
{
    std::string line = IsoDate(day.observance.date);
    line += " (";
    line += WeekdaySyllable(WeekdayOf(day.observance.date));
    line += ')';
    if (day.observance.moved) (line += ' ') += kMovedMark;
    if (const std::optional<std::int32_t> years = YearsCounted(day)) line += ' ' + YearsText(day.event->kind, *years);
    return line;
}
