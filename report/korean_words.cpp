#include "report/korean_words.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "runtime/civil_date.h"
#include "runtime/date_text.h"
#include "runtime/number_text.h"
#include "runtime/utf8_literals.h"
#include "text/cp949.h"

const char* const kUncertainMark = " (±1일)";
const char* const kLeapMonthPrefix = "윤";
const char* const kScheduledMark = "예정";
const char* const kScheduledElectionNote = "예정 (공직선거법 제34조)";
const char* const kLunarPrefix = "음력 ";
const char* const kPartSeparator = " · ";
const char* const kAnniversaryMark = " (기념일)";
const char* const kMovedMark = "옮김";
const char* const kClassicTableMark = " (옛 음력표)";

namespace {

constexpr std::array<const char*, kDaysInWeek> kWeekdayNames = {"일요일", "월요일", "화요일", "수요일",
                                                                "목요일", "금요일", "토요일"};
constexpr std::array<const char*, kDaysInWeek> kWeekdaySyllables = {"일", "월", "화", "수", "목", "금", "토"};
constexpr const char* kAddedMark = "추가";

}  // namespace

const char* WeekdayName(Weekday weekday)
{
    const char* const name = kWeekdayNames.at(static_cast<std::size_t>(weekday));
    return name;
}

const char* WeekdaySyllable(Weekday weekday)
{
    const char* const name = kWeekdaySyllables.at(static_cast<std::size_t>(weekday));
    return name;
}

namespace {

// The engine's names of the stems and branches are CP949, as the window's
// calendar writes them; every other view writes them in UTF-8, converted once.
template <std::size_t N>
std::array<std::string, N> InUtf8(const std::array<const char*, N>& cp949Names)
{
    std::array<std::string, N> names;
    for (std::size_t i = 0; i < N; ++i) names[i] = Cp949::ToUtf8(AnsiString(cp949Names[i]));
    return names;
}

const std::array<std::string, 10>& StemWords()
{
    static const std::array<std::string, 10> words = InUtf8(StemNames);
    return words;
}

const std::array<std::string, 12>& BranchWords()
{
    static const std::array<std::string, 12> words = InUtf8(BranchNames);
    return words;
}

}  // namespace

void AppendStemBranchName(std::string& out, const StemBranch& position)
{
    out += StemWords().at(static_cast<std::size_t>(position.stem));
    out += BranchWords().at(static_cast<std::size_t>(position.branch));
}

std::string StemBranchName(const StemBranch& position)
{
    std::string name;
    AppendStemBranchName(name, position);
    return name;
}

std::string YearTitle(std::int32_t year)
{
    std::string title;
    AppendNumber(title, year);
    title += "년";
    return title;
}

std::string DayTitle(const GregorianDate& date)
{
    std::string title = MonthTitle(date.year, date.month);
    title += ' ';
    AppendNumber(title, date.day);
    title += "일 ";
    title += WeekdayName(WeekdayOf(date));
    return title;
}

std::string MonthTitle(std::int32_t year, std::int32_t month)
{
    std::string title;
    AppendNumber(title, year);
    title += "년 ";
    AppendNumber(title, month);
    title += "월";
    return title;
}

void AppendMonthDay(std::string& out, std::int32_t month, std::int32_t day, bool aligned)
{
    const auto append = aligned ? AppendNumberWidth2 : AppendNumber;
    append(out, month);
    out += "월 ";
    append(out, day);
    out += "일";
}

void AppendMonthDayWeekday(std::string& out, const GregorianDate& date, bool aligned)
{
    AppendMonthDay(out, date.month, date.day, aligned);
    out += '(';
    out += WeekdaySyllable(WeekdayOf(date));
    out += ')';
}

void AppendListedDay(std::string& out, const GregorianDate& date, std::string_view name,
                     std::optional<std::int32_t> minuteOfDay)
{
    AppendIsoDate(out, date);
    out += ' ';
    out += WeekdayName(WeekdayOf(date));
    out += ' ';
    out += name;
    if (minuteOfDay) {
        out += ' ';
        AppendClockTime(out, *minuteOfDay);
    }
}

std::string LunarMonthDayText(std::int32_t lunarMonth, std::int32_t lunarDay, bool leap)
{
    std::string text = "음력 ";
    if (leap) text += kLeapMonthPrefix;
    AppendMonthDay(text, lunarMonth, lunarDay);
    return text;
}

std::string HolidayTitle(const Holiday& holiday)
{
    std::string title = holiday.name;
    if (holiday.kind == HolidayKind::Substitute) {
        title += ' ';
        title += HolidayKindName(holiday.kind);
    }
    return title;
}

std::string HolidayText(const Holiday& holiday, bool markAdded)
{
    const std::string_view kind = HolidayKindName(holiday.kind);
    std::array<std::string_view, 3> marks{};
    std::size_t count = 0;
    if (!std::string_view(holiday.name).ends_with(kind)) marks[count++] = kind;
    if (markAdded && holiday.source >= 0) marks[count++] = kAddedMark;
    if (holiday.source == kScheduledByStatute) marks[count++] = kScheduledMark;
    std::string text = holiday.name;
    for (std::size_t i = 0; i < count; ++i) {
        text += i == 0 ? " (" : ", ";
        text += marks[i];
    }
    if (count > 0) text += ')';
    return text;
}

// Built by appending rather than formatted: an iCalendar file of holidays
// writes one for each of its days.
void AppendLunarDateText(std::string& out, const LunarReading& lunar)
{
    out += "음력 ";
    AppendNumber(out, lunar.date.year);
    out += "년 ";
    if (lunar.date.leap) out += kLeapMonthPrefix;
    AppendNumber(out, lunar.date.month);
    out += "월 ";
    AppendNumber(out, lunar.date.day);
    out += "일 (";
    AppendStemBranchName(out, lunar.year);
    out += "년 ";
    AppendStemBranchName(out, lunar.month);
    out += "월)";
    if (lunar.uncertain) out += kUncertainMark;
}

std::string LunarDateText(const LunarReading& lunar)
{
    std::string text;
    AppendLunarDateText(text, lunar);
    return text;
}

std::string LunarDayText(const LunarReading& lunar)
{
    std::string text = lunar.date.leap ? kLeapMonthPrefix : "";
    AppendNumber(text, lunar.date.month);
    if (lunar.date.day == 1) return text + "월";
    text += '.';
    AppendNumber(text, lunar.date.day);
    return text;
}

std::string MissingLunarDateLine(std::int32_t lunarYear, std::int32_t lunarMonth, std::int32_t lunarDay, bool leap,
                                 const LunarDateLookup& found)
{
    std::string line = std::to_string(lunarYear);
    line += "년 ";
    line += LunarMonthDayText(lunarMonth, lunarDay, leap);
    line += " 없음 (";
    if (found.lack == LunarDateLack::Day) {
        line += "그해 ";
        if (leap) line += kLeapMonthPrefix;
        line += std::to_string(lunarMonth);
        line += "월은 ";
        line += std::to_string(found.monthDays);
        line += "일까지)";
    } else if (found.lack == LunarDateLack::LeapMonth && found.leapMonth != 0) {
        line += "그해 윤달은 ";
        line += kLeapMonthPrefix;
        line += std::to_string(found.leapMonth);
        line += "월)";
    } else if (found.lack == LunarDateLack::LeapMonth) {
        line += "그해 윤달 없음)";
    } else {
        line += "역법 밖)";
    }
    return line;
}

std::string MovedAnniversaryNote(std::int32_t lunarMonth, std::int32_t lunarDay, bool leap)
{
    std::string note = " (";
    note += LunarMonthDayText(lunarMonth, lunarDay, leap);
    (note += ", ") += kMovedMark;
    note += ')';
    return note;
}

std::string LunarMonthPart(const LunarReading& firstDay, bool withYear)
{
    std::string part;
    if (withYear) {
        AppendStemBranchName(part, firstDay.year);
        part += "년 ";
    }
    if (firstDay.date.leap) part += kLeapMonthPrefix;
    AppendNumber(part, firstDay.date.month);
    part += "월(";
    AppendStemBranchName(part, firstDay.month);
    part += ')';
    if (firstDay.uncertain) part += kUncertainMark;
    return part;
}

std::string ShortLunarMonthsText(const std::vector<const LunarReading*>& months)
{
    std::string text;
    for (const LunarReading* month : months) {
        text += text.empty() ? kLunarPrefix : "·";
        if (month->date.leap) text += kLeapMonthPrefix;
        AppendNumber(text, month->date.month);
    }
    if (!text.empty()) text += "월";
    return text;
}

std::string ShortLunarDayText(const LunarReading& lunar)
{
    std::string text;
    const LunarDate& date = lunar.date;
    if (date.day != 1) {
        AppendNumber(text, date.day);
    } else if (date.leap) {
        text += kLeapMonthPrefix;
        AppendNumber(text, date.month);
    } else {
        AppendNumber(text, date.month);
        text += "월";
    }
    return text;
}

std::string AlmanacSpanLine(Almanac almanac)
{
    const AlmanacRange range = RangeOf(almanac);
    std::string line = almanac == Almanac::Korea ? "한국천문연구원 역법의 음력은 " : "옛 음력표의 음력은 ";
    AppendIsoDate(line, range.firstDay);
    line += "부터 ";
    AppendIsoDate(line, range.lastDay);
    line += "까지만 있음";
    return line;
}

void AppendDayName(std::string& out, const StemBranch& position)
{
    AppendStemBranchName(out, position);
    out += "일";
}

void AppendRuleDateText(std::string& out, bool lunar, std::int32_t month, std::int32_t day, bool leap)
{
    out += lunar ? kLunarPrefix : "양력 ";
    if (leap) out += kLeapMonthPrefix;
    AppendNumber(out, month);
    out += '.';
    AppendNumber(out, day);
}

std::string LackingYearText(bool lunar, std::int32_t month, std::int32_t day, bool leap)
{
    constexpr std::int32_t kLongestLunarMonth = 30;
    constexpr std::int32_t kFebruary = 2;
    constexpr std::int32_t kLeapDay = 29;
    const bool thirtieth = lunar && day == kLongestLunarMonth;
    std::string text;
    if (lunar && leap) {
        text += kLeapMonthPrefix;
        AppendNumber(text, month);
        text += "월이 없는 해에는 ";
        AppendNumber(text, month);
        text += "월 ";
        AppendNumber(text, day);
        text += thirtieth ? "일에 (30일이 없으면 29일에)" : "일에";
    } else if (thirtieth) {
        text += kLunarPrefix;
        AppendNumber(text, month);
        text += "월 30일이 없는 해에는 29일에";
    } else if (!lunar && month == kFebruary && day == kLeapDay) {
        text += "양력 2월 29일이 없는 해에는 28일에";
    }
    return text;
}

std::string MoreItemsText(std::int32_t count)
{
    std::string more = "외 ";  // appended: GCC 12 misreads "..." + std::string at -O3 (-Wrestrict)
    AppendNumber(more, count);
    more += "건";
    return more;
}
