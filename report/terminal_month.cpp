#include "report/terminal_month.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "engine/sexagenary.h"
#include "report/date_reading.h"
#include "report/korean_words.h"
#include "report/month_grid.h"
#include "runtime/civil_date.h"
#include "runtime/date_check.h"
#include "runtime/date_text.h"
#include "runtime/exception.h"
#include "runtime/utf8_literals.h"
#include "text/utf8.h"

namespace {

// Widths in columns, which are UTF-8 bytes: a syllable is two. A weekday's
// column is 11 wide; seven make 77, within a terminal's 80.
constexpr std::size_t kColumnWidth = 11;
constexpr const char* kRule = "-----------------------------------------------------------------------------";
constexpr const char* kLunarIndent = "   ";  // the lunar date under the stem-branch

// " 7 정사": the day and its stem-branch.
std::string DayText(std::int32_t day, const StemBranch& position)
{
    std::string text;
    AppendNumberWidth2(text, day);
    text += ' ';
    text += StemBranchName(position);
    return text;
}

// The lunar date under the stem-branch, "   12.30"; nothing outside the almanac.
std::string LunarText(const std::optional<LunarReading>& lunar)
{
    if (!lunar) return {};
    return kLunarIndent + LunarDayText(*lunar);
}

// Appends a column's text with marks around it, then the blanks to the next
// column (none after the last of a line).
void AppendColumn(std::string& line, const std::string& text, const CellMarks& marks, bool last)
{
    if (!text.empty()) {
        line += marks.before;
        line += text;
        line += marks.after;
    }
    const std::size_t columns = Utf8::Columns(text);
    if (!last && columns < kColumnWidth) line.append(kColumnWidth - columns, ' ');
}

}  // namespace

std::vector<const LunarReading*> FirstDaysOfLunarMonths(const std::vector<std::optional<LunarReading>>& days)
{
    std::vector<const LunarReading*> firsts;
    for (const std::optional<LunarReading>& day : days) {
        if (!day) continue;
        const LunarReading* previous = firsts.empty() ? nullptr : firsts.back();
        if (previous != nullptr && previous->date.month == day->date.month && previous->date.leap == day->date.leap)
            continue;
        firsts.push_back(&*day);
    }
    return firsts;
}

std::vector<std::string> LunarMonthParts(const std::vector<std::optional<LunarReading>>& days)
{
    std::vector<std::string> parts;
    const LunarReading* previous = nullptr;
    for (const LunarReading* first : FirstDaysOfLunarMonths(days)) {
        parts.push_back(LunarMonthPart(*first, previous == nullptr || previous->date.year != first->date.year));
        previous = first;
    }
    return parts;
}

std::vector<std::string> LunarHeaderLines(const std::vector<std::optional<LunarReading>>& days, Almanac almanac)
{
    std::vector<std::string> lines;
    const bool someDays = std::ranges::any_of(days, [](const auto& day) { return day.has_value(); });
    const bool allDays = std::ranges::all_of(days, [](const auto& day) { return day.has_value(); });
    if (someDays) {
        std::string line = kLunarPrefix;
        const std::vector<std::string> parts = LunarMonthParts(days);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (i > 0) line += kPartSeparator;
            line += parts[i];
        }
        lines.push_back(std::move(line));
    }
    if (!allDays) lines.push_back(AlmanacSpanLine(almanac));
    return lines;
}

void PrintTerminalMonth(std::int32_t year, std::int32_t month, const TextOutput& output, Almanac almanac,
                        const CellStyle& style, const WeekdayStyle& headingStyle)
{
    CheckYearAndMonth(year, month);
    const MonthGrid grid = MonthGridOf(year, month);
    std::vector<std::optional<LunarReading>> lunar;
    lunar.reserve(static_cast<std::size_t>(grid.days));
    for (std::int32_t day = 1; day <= grid.days; ++day) lunar.push_back(ReadLunarDate(almanac, {year, month, day}));

    output(MonthTitle(year, month));
    for (const std::string& line : LunarHeaderLines(lunar, almanac)) output(line);
    output(kRule);

    std::string heading;
    for (std::int32_t column = 0; column < kDaysInWeek; ++column) {
        const Weekday weekday = WeekdayAt(column);
        const CellMarks marks = headingStyle ? headingStyle(weekday) : CellMarks{};
        AppendColumn(heading, WeekdaySyllable(weekday), marks, weekday == kSaturday);
    }
    output(heading);

    const std::int32_t firstDayCount = DayCountOf(year, month, 1);
    std::string dayLine(static_cast<std::size_t>(grid.firstWeekday) * kColumnWidth, ' ');
    std::string lunarLine = dayLine;
    for (std::int32_t day = 1; day <= grid.days; ++day) {
        const bool last = grid.EndsRow(day);
        const CellMarks marks = style ? style(day) : CellMarks{};
        AppendColumn(dayLine, DayText(day, DayStemBranchOfCount(firstDayCount + day - 1)), marks, last);
        AppendColumn(lunarLine, LunarText(lunar[static_cast<std::size_t>(day - 1)]), marks, last);
        if (!last) continue;
        output(dayLine);
        while (!lunarLine.empty() && lunarLine.back() == ' ') lunarLine.pop_back();
        output(lunarLine);
        dayLine.clear();
        lunarLine.clear();
    }
}
