#include "report/month_page.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "engine/sexagenary.h"
#include "engine/solar_terms.h"
#include "report/almanac_days.h"
#include "report/date_reading.h"
#include "report/korean_words.h"
#include "report/terminal_month.h"
#include "runtime/civil_date.h"
#include "runtime/date_check.h"
#include "runtime/date_text.h"
#include "runtime/utf8_literals.h"

namespace {

// "3.15", "윤6.1".
std::string LunarText(const std::optional<LunarReading>& lunar)
{
    std::string text;
    if (!lunar) return text;
    if (lunar->date.leap) text += kLeapMonthPrefix;
    AppendNumber(text, lunar->date.month);
    text += '.';
    AppendNumber(text, lunar->date.day);
    return text;
}

// "입춘 05:46", " (±1일)" after one within a minute of midnight.
std::string SolarTermText(const SolarTerm& term)
{
    std::string text = SolarTermNames[static_cast<std::size_t>(term.index)];  // index in 0..23
    text += ' ';
    AppendClockTime(text, term.minuteOfDay);
    if (term.uncertainDay) text += kUncertainMark;
    return text;
}

// A neighbouring month, its holidays marked in Korea's almanac.
std::optional<SmallMonth> SmallMonthOf(std::int32_t year, std::int32_t month, Almanac almanac, const UserDates& user)
{
    if (month < 1) return SmallMonthOf(year - 1, kMonthsInYear, almanac, user);
    if (month > kMonthsInYear) return SmallMonthOf(year + 1, 1, almanac, user);
    if (year < kFirstYear || year > kLastYear) return std::nullopt;
    SmallMonth small{year, month, MonthTitle(year, month), MonthGridOf(year, month), {}};
    std::vector<Holiday> holidays;
    if (almanac == Almanac::Korea && GetUserHolidays(year, user, holidays)) {
        for (const Holiday& holiday : holidays) {
            const bool again = !small.holidays.empty() && small.holidays.back() == holiday.date.day;
            if (holiday.date.month == month && !again) small.holidays.push_back(holiday.date.day);
        }
    }
    return small;
}

// What Korea's almanac writes in a month's cells, found once for the month:
// of the kinds shown, the year's holidays (none where not known), its solar
// terms, the month's events, 기념일 and 잡절. The classic table writes none.
struct MonthNotes {
    std::vector<Holiday> holidays;
    std::vector<SolarTerm> terms;
    std::vector<EventDay> events;
    std::vector<MarkedDay> almanacDays;  // 기념일 and 잡절
};

MonthNotes NotesOf(std::int32_t year, std::int32_t month, Almanac almanac, const UserDates& user, const DayKinds& kinds)
{
    MonthNotes notes;
    if (almanac != Almanac::Korea) return notes;
    if (!kinds.holidays || !GetUserHolidays(year, user, notes.holidays)) notes.holidays.clear();
    std::array<SolarTerm, kSolarTermsInYear> terms{};
    if (kinds.terms && GetSolarTerms(year, terms)) notes.terms.assign(terms.begin(), terms.end());
    if (kinds.events) notes.events = EventsInMonth(user, year, month);
    notes.almanacDays = MarkedDaysOfMonth(year, month, {false, false, kinds.anniversaries, kinds.sundry, false}, user);
    return notes;
}

PageDay DayOf(const GregorianDate& date, Weekday weekday, const std::optional<LunarReading>& lunar,
              const MonthNotes& notes)
{
    PageDay day{date.day, weekday, DayColor::Weekday, LunarText(lunar), lunar, {}};
    const auto note = [&day](DayKind kind, std::string text) {
        std::string name = text;
        day.notes.push_back({kind, std::move(text), std::move(name)});
    };
    for (const Holiday& h : notes.holidays) {
        if (h.date == date) day.notes.push_back({DayKind::Holidays, HolidayText(h, false), HolidayTitle(h)});
    }
    day.color = DayColorOf(weekday, !day.notes.empty());
    for (const SolarTerm& term : notes.terms) {
        if (term.date == date) note(DayKind::Terms, SolarTermText(term));
    }
    for (const EventDay& event : notes.events) {
        if (event.observance.date == date) note(DayKind::Events, EventText(event));
    }
    for (const MarkedDay& marked : notes.almanacDays) {
        if (marked.date == date) note(marked.kind, marked.name);
    }
    return day;
}

// What the page shows that has a source: lunar dates, public holidays, and
// computed months that may begin a day off.
struct Shown {
    bool lunar = false;
    bool holidays = false;
    bool labourDay = false;  // a holiday by the law's 2026 amendment, not by the regulation
    bool uncertain = false;
};

// The sources of what the page shows, and only those: a page of 1300 cites none.
std::vector<std::string> Footer(Almanac almanac, const Shown& shown)
{
    std::vector<std::string> footer;
    std::string sources;
    if (shown.lunar) {
        sources = almanac == Almanac::Korea
                      ? "음력: 한국천문연구원(KASI) 역법. 음력 1391-2050년은 한국천문연구원이 발표한 대로, "
                        "2051-2100년은 해와 달의 위치로 계산함."
                      : "음력: 옛 음력표(음력 1900-2049년, 중국 자료). 한국천문연구원 역법과 날수의 약 4%가 다름.";
    }
    if (shown.holidays) {
        if (!sources.empty()) sources += ' ';
        sources += "공휴일: 관공서의 공휴일에 관한 규정";
        if (shown.labourDay) sources += ", 노동절은 공휴일에 관한 법률(2026년 개정)";
    }
    if (!sources.empty()) footer.push_back(std::move(sources));
    if (shown.uncertain)
        footer.emplace_back("(±1일): 계산한 달로, 합삭이 자정 가까이라 하루 앞이나 뒤에 시작할 수 있음");
    return footer;
}

}  // namespace

MonthPage MakeMonthPage(std::int32_t year, std::int32_t month, Almanac almanac, const UserDates& user,
                        const DayKinds& kinds)
{
    CheckYearAndMonth(year, month);
    MonthPage page{year, month, MonthTitle(year, month), {}, MonthGridOf(year, month), {}, {}, {}, {}};

    const MonthNotes notes = NotesOf(year, month, almanac, user, kinds);
    std::vector<std::optional<LunarReading>> lunar;
    Shown shown;
    for (std::int32_t day = 1; day <= page.grid.days; ++day) {
        const GregorianDate date{year, month, day};
        lunar.push_back(ReadLunarDate(almanac, date));
        shown.lunar = shown.lunar || lunar.back().has_value();
        shown.uncertain = shown.uncertain || (lunar.back() && lunar.back()->uncertain);
        page.days.push_back(DayOf(date, MonthGrid::WeekdayOfCell(page.grid.CellOf(day)), lunar.back(), notes));
        const std::vector<PageNote>& dayNotes = page.days.back().notes;
        shown.holidays = shown.holidays || (!dayNotes.empty() && dayNotes.front().kind == DayKind::Holidays);
    }
    shown.labourDay = std::ranges::any_of(notes.holidays, [month](const Holiday& holiday) {
        return holiday.date.month == month && holiday.name.find(kLabourDayName) != std::string::npos;
    });
    for (const SolarTerm& term : notes.terms) {
        shown.uncertain = shown.uncertain || (term.uncertainDay && term.date.month == month);
    }
    page.lunarLines = LunarHeaderLines(lunar, almanac);
    page.before = SmallMonthOf(year, month - 1, almanac, user);
    page.after = SmallMonthOf(year, month + 1, almanac, user);
    for (const std::optional<SmallMonth>& small : {page.before, page.after}) {
        shown.holidays = shown.holidays || (small && !small->holidays.empty());
    }
    page.footer = Footer(almanac, shown);
    return page;
}
