#include "report/date_reading.h"

#include <algorithm>
#include <array>
#include <utility>

#include "report/calendar_names.h"
#include "report/korean_words.h"
#include "runtime/date_check.h"
#include "runtime/date_text.h"
#include "runtime/utf8_literals.h"

namespace {

constexpr const char* kNoLunarDate = " · 음력 없음";
constexpr const char* kHolidaysNotKnown = " · 공휴일 모름";

}  // namespace

std::optional<LunarReading> ReadLunarDate(Almanac almanac, const GregorianDate& date)
{
    const std::optional<LunarDate> lunar = ToLunar(almanac, date);
    if (!lunar) return std::nullopt;
    return LunarReading{*lunar, GetLunarYearStemBranch(lunar->year), GetLunarMonthStemBranch(lunar->year, lunar->month),
                        IsUncertainLunarMonth(almanac, lunar->year, lunar->month, lunar->leap)};
}

namespace {

std::optional<SolarTerm> TermOn(const GregorianDate& date)
{
    std::array<SolarTerm, kSolarTermsInYear> terms{};
    if (!GetSolarTerms(date.year, terms)) return std::nullopt;
    for (const SolarTerm& term : terms) {
        if (term.date == date) return term;
    }
    return std::nullopt;
}

std::optional<std::vector<Holiday>> HolidaysOn(const GregorianDate& date, const UserDates& user)
{
    std::vector<Holiday> holidays;
    if (!GetUserHolidays(date.year, user, holidays)) return std::nullopt;
    std::erase_if(holidays, [&date](const Holiday& holiday) { return holiday.date != date; });
    return holidays;
}

}  // namespace

DateReading ReadDate(Almanac almanac, const GregorianDate& date, const UserDates& user, const DayKinds& kinds)
{
    CheckDate(date);
    std::vector<EventDay> events = EventsInMonth(user, date.year, date.month);
    std::erase_if(events, [&date](const EventDay& day) { return day.observance.date != date; });
    std::vector<MarkedDay> almanacDays =
        MarkedDays(date.year, date.year, {false, false, kinds.anniversaries, kinds.sundry, false}, user,
                   kinds.terms && kinds.sundry);
    std::erase_if(almanacDays, [&date](const MarkedDay& day) { return day.date != date; });
    return {date,
            WeekdayOf(date),
            DayStemBranch(date),
            almanac,
            ReadLunarDate(almanac, date),
            HolidaysOn(date, user),
            TermOn(date),
            std::move(events),
            std::move(almanacDays)};
}

std::string DateReadingLine(const DateReading& reading)
{
    std::string line = IsoDate(reading.date);
    line += ' ';
    line += WeekdayName(reading.weekday);
    line += ' ';
    AppendDayName(line, reading.day);
    line += reading.lunar ? kPartSeparator + LunarDateText(*reading.lunar) : std::string(kNoLunarDate);
    if (!reading.holidays) line += kHolidaysNotKnown;
    for (const Holiday& holiday : reading.holidays.value_or(std::vector<Holiday>{})) {
        line += kPartSeparator;
        line += HolidayText(holiday, false);
    }
    if (reading.solarTerm) {
        const SolarTerm& term = *reading.solarTerm;
        line += kPartSeparator;
        line += SolarTermNames.at(static_cast<std::size_t>(term.index));
        line += ' ';
        AppendClockTime(line, term.minuteOfDay);
        if (term.uncertainDay) line += kUncertainMark;
    }
    for (const EventDay& event : reading.events) line += kPartSeparator + EventText(event);
    for (const MarkedDay& day : reading.almanacDays) {
        line += kPartSeparator;
        line += day.name;
        if (day.kind == DayKind::Anniversaries) line += kAnniversaryMark;
        if (day.minuteOfDay) {
            line += ' ';
            AppendClockTime(line, *day.minuteOfDay);
            if (day.uncertainDay) line += kUncertainMark;
        }
    }
    return line;
}
