#include "month_page.h"

#include <algorithm>
#include <optional>

#include "civil_date.h"
#include "cp949_literals.h"
#include "date_marks.h"
#include "date_reading.h"
#include "number_text.h"
#include "sexagenary.h"
#include "solar_terms.h"
#include "terminal_month.h"
#include "year_lists.h"

namespace {

constexpr std::int32_t kMonthsInYear = 12;

// "3.15", "윤6.1".
AnsiString LunarText(const std::optional<LunarReading>& lunar)
{
    AnsiString text;
    if (!lunar) return text;
    if (lunar->date.leap != 0) text += kLeapMonthPrefix;
    AppendNumber(text, lunar->date.month);
    text += '.';
    AppendNumber(text, lunar->date.day);
    return text;
}

void AppendTwoDigits(AnsiString& out, std::int32_t value)
{
    if (value < 10) out += '0';
    AppendNumber(out, value);
}

// "입춘 05:46", " (±1일)" after one within a minute of midnight.
AnsiString SolarTermText(const SolarTerm& term)
{
    AnsiString text = SolarTermNames[static_cast<std::size_t>(term.index)];  // index in 0..23
    text += ' ';
    AppendTwoDigits(text, term.minuteOfDay / 60);
    text += ':';
    AppendTwoDigits(text, term.minuteOfDay % 60);
    if (term.uncertainDay) text += kUncertainMark;
    return text;
}

std::optional<SmallMonth> SmallMonthOf(std::int32_t year, std::int32_t month)
{
    if (month < 1) return SmallMonthOf(year - 1, kMonthsInYear);
    if (month > kMonthsInYear) return SmallMonthOf(year + 1, 1);
    if (year < 1 || year > 9999) return std::nullopt;
    return SmallMonth{year, month, GetFirstWeekday(GetDaysBeforeMonth(year, month)), GregorianMonthDays(year, month)};
}

PageDay DayOf(const DateReading& reading, bool korea)
{
    PageDay day{reading.date.day, reading.weekday, DayColor::Weekday, LunarText(reading.lunar), {}};
    const bool holiday = korea && reading.holidays && !reading.holidays->empty();
    if (reading.weekday == 0 || holiday) {
        day.color = DayColor::Holiday;
    } else if (reading.weekday == kDaysInWeek - 1) {
        day.color = DayColor::Saturday;
    }
    if (!korea) return day;
    if (reading.holidays) {
        for (const Holiday& h : *reading.holidays) day.notes.push_back(HolidayText(h, false));
        day.holidayNotes = day.notes.size();
    }
    if (reading.solarTerm) day.notes.push_back(SolarTermText(*reading.solarTerm));
    for (const EventDay& event : reading.events) day.notes.push_back(EventText(event));
    return day;
}

std::vector<AnsiString> Footer(Almanac almanac, bool uncertain)
{
    std::vector<AnsiString> footer;
    if (almanac == Almanac::Korea) {
        footer.emplace_back(
            "음력: 한국천문연구원(KASI) 역법. 음력 1391-2050년은 한국천문연구원이 발표한 대로, "
            "2051-2100년은 해와 달의 위치로 계산함. 공휴일: 관공서의 공휴일에 관한 규정");
    } else {
        footer.emplace_back("음력: 옛 음력표(음력 1900-2049년, 중국 자료). 한국천문연구원 역법과 날수의 약 4%가 다름");
    }
    if (uncertain) footer.emplace_back("(±1일): 계산한 달로, 합삭이 자정 가까이라 하루 앞이나 뒤에 시작할 수 있음");
    return footer;
}

}  // namespace

MonthPage MakeMonthPage(std::int32_t year, std::int32_t month, Almanac almanac, const UserDates& user)
{
    CheckYearAndMonth(year, month);
    const bool korea = almanac == Almanac::Korea;
    MonthPage page{year, month, {}, {}, GetFirstWeekday(GetDaysBeforeMonth(year, month)), {}, {}, {}, {}};
    AppendNumber(page.title, year);
    page.title += "년 ";
    AppendNumber(page.title, month);
    page.title += "월";

    const UserDates none;
    const UserDates& dates = korea ? user : none;
    std::vector<std::optional<LunarReading>> lunar;
    bool uncertain = false;
    for (std::int32_t day = 1; day <= GregorianMonthDays(year, month); ++day) {
        const DateReading reading = ReadDate(almanac, {year, month, day}, dates);
        lunar.push_back(reading.lunar);
        uncertain = uncertain || (reading.lunar && reading.lunar->uncertain) ||
                    (reading.solarTerm && reading.solarTerm->uncertainDay && korea);
        page.days.push_back(DayOf(reading, korea));
    }
    page.lunarLines = LunarHeaderLines(lunar, almanac);
    page.before = SmallMonthOf(year, month - 1);
    page.after = SmallMonthOf(year, month + 1);
    page.footer = Footer(almanac, uncertain);
    return page;
}
