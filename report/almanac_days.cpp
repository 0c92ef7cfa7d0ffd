#include "report/almanac_days.h"

#include <algorithm>
#include <array>

#include "engine/anniversaries.h"
#include "engine/holidays.h"
#include "engine/solar_terms.h"
#include "engine/sundry_days.h"
#include "engine/towang_yongsa.h"
#include "report/korean_words.h"
#include "runtime/date_text.h"
#include "runtime/utf8_literals.h"

namespace {

constexpr const char* kTowangName = "토왕용사";

// The order of a day's marks, as below a month.
constexpr std::int32_t OrderOf(DayKind kind)
{
    switch (kind) {
        case DayKind::Holidays:
            return 0;
        case DayKind::Events:
            return 1;
        case DayKind::Anniversaries:
            return 2;
        case DayKind::Sundry:
            return 3;
        case DayKind::Terms:
            return 4;
    }
    return 5;
}

MarkedDay Mark(const GregorianDate& date, DayKind kind, std::string name)
{
    MarkedDay day;
    day.date = date;
    day.kind = kind;
    day.name = std::move(name);
    return day;
}

void AddHolidays(std::int32_t year, const UserDates& user, std::vector<MarkedDay>& days)
{
    std::vector<Holiday> holidays;
    if (!GetUserHolidays(year, user, holidays)) return;
    for (const Holiday& holiday : holidays) {
        MarkedDay day = Mark(holiday.date, DayKind::Holidays, HolidayTitle(holiday));
        day.holidayKind = holiday.kind;
        days.push_back(std::move(day));
    }
}

void AddTerms(std::int32_t year, std::vector<MarkedDay>& days)
{
    std::array<SolarTerm, kSolarTermsInYear> terms{};
    if (!GetSolarTerms(year, terms)) return;
    for (const SolarTerm& term : terms) {
        MarkedDay day = Mark(term.date, DayKind::Terms, SolarTermNames.at(static_cast<std::size_t>(term.index)));
        day.minuteOfDay = term.minuteOfDay;
        day.published = term.published;
        day.uncertainDay = term.uncertainDay;
        days.push_back(std::move(day));
    }
}

void AddTowangYongsa(std::int32_t year, std::vector<MarkedDay>& days)
{
    std::array<TowangYongsa, kTowangInYear> moments{};
    if (!GetTowangYongsa(year, moments)) return;
    for (const TowangYongsa& moment : moments) {
        MarkedDay day = Mark(moment.date, DayKind::Sundry, kTowangName);
        day.minuteOfDay = moment.minuteOfDay;
        day.uncertainDay = moment.uncertainDay;
        days.push_back(std::move(day));
    }
}

void AddAnniversaries(std::int32_t year, std::vector<MarkedDay>& days)
{
    std::vector<Anniversary> anniversaries;
    if (!GetAnniversaries(year, anniversaries)) return;
    for (const Anniversary& anniversary : anniversaries) {
        days.push_back(Mark(anniversary.date, DayKind::Anniversaries, anniversary.name));
    }
}

void AddSundryDays(std::int32_t year, std::vector<MarkedDay>& days)
{
    std::vector<SundryDay> sundry;
    if (!GetSundryDays(year, sundry)) return;
    for (const SundryDay& day : sundry) days.push_back(Mark(day.date, DayKind::Sundry, SundryDayName(day.kind)));
}

void AddEvents(std::int32_t fromYear, std::int32_t toYear, const UserDates& user, std::vector<MarkedDay>& days)
{
    for (const EventDay& event : EventsIn(user, fromYear, toYear)) {
        MarkedDay day = Mark(event.observance.date, DayKind::Events, EventText(event));
        day.moved = event.observance.moved;
        days.push_back(std::move(day));
    }
}

}  // namespace

std::vector<MarkedDay> MarkedDays(std::int32_t fromYear, std::int32_t toYear, const DayKinds& kinds,
                                  const UserDates& user, bool withTowang)
{
    std::vector<MarkedDay> days;
    fromYear = std::max(fromYear, kFirstYear);
    toYear = std::min(toYear, kLastYear);
    // Sorted a year at a time (a century is ten thousand days), the events
    // of all the years merged in after.
    const auto earlier = [](const MarkedDay& a, const MarkedDay& b) {
        return a.date != b.date ? a.date < b.date : OrderOf(a.kind) < OrderOf(b.kind);
    };
    for (std::int32_t year = fromYear; year <= toYear; ++year) {
        const std::size_t yearStart = days.size();
        if (kinds.holidays) AddHolidays(year, user, days);
        if (kinds.terms) AddTerms(year, days);
        if (withTowang) AddTowangYongsa(year, days);
        if (kinds.anniversaries) AddAnniversaries(year, days);
        if (kinds.sundry) AddSundryDays(year, days);
        std::stable_sort(days.begin() + static_cast<std::ptrdiff_t>(yearStart), days.end(), earlier);
    }
    const auto eventsStart = static_cast<std::ptrdiff_t>(days.size());
    if (kinds.events && fromYear <= toYear) AddEvents(fromYear, toYear, user, days);
    std::stable_sort(days.begin() + eventsStart, days.end(), earlier);
    std::inplace_merge(days.begin(), days.begin() + eventsStart, days.end(), earlier);
    return days;
}

std::vector<MarkedDay> MarkedDaysOfMonth(std::int32_t year, std::int32_t month, const DayKinds& kinds,
                                         const UserDates& user)
{
    std::vector<MarkedDay> days = MarkedDays(year, year, kinds, user, false);
    std::erase_if(days, [month](const MarkedDay& day) { return day.date.month != month; });
    return days;
}

std::optional<const char*> KasiDateKind(const MarkedDay& day)
{
    switch (day.kind) {
        case DayKind::Holidays:
            return "01";
        case DayKind::Anniversaries:
            return "02";
        case DayKind::Terms:
            return "03";
        case DayKind::Sundry:
            return "04";
        case DayKind::Events:
            return std::nullopt;
    }
    return std::nullopt;
}

std::string MarkedKindWord(const MarkedDay& day)
{
    if (day.kind == DayKind::Holidays && day.holidayKind) return HolidayKindName(*day.holidayKind);
    if (day.kind == DayKind::Terms) return "절기";
    return DayKindName(day.kind);
}

std::string MarkedDayLine(const MarkedDay& day)
{
    std::string line;
    AppendListedDay(line, day.date, day.name, day.minuteOfDay);
    if (day.minuteOfDay && day.uncertainDay) line += kUncertainMark;
    line += " (";
    line += MarkedKindWord(day);
    line += ')';
    return line;
}
