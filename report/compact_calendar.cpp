#include "report/compact_calendar.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "engine/holidays.h"
#include "report/date_reading.h"
#include "report/korean_words.h"
#include "report/month_grid.h"
#include "runtime/civil_date.h"
#include "runtime/date_check.h"
#include "runtime/number_text.h"
#include "runtime/utf8_literals.h"
#include "text/utf8.h"

namespace {

constexpr std::size_t kMonthCell = 5;  // columns a day in a month: seven make 35, within 40
constexpr std::size_t kYearCell = 3;   // in a year: seven make 21, three months 67 with their gaps
constexpr std::size_t kYearMonthWidth = kYearCell * kDaysInWeek;
constexpr std::size_t kMonthGap = 2;       // between the months of a row
constexpr std::size_t kNarrowest = 40;     // the compact month's lines, its header wrapped to it
constexpr std::size_t kHolidayEntry = 40;  // a holiday below a year, two to a line of 80

// A line as it is built, with the columns it shows: colour marks show none.
struct ShownLine {
    std::string text;
    std::size_t columns = 0;

    void Append(std::string_view part)
    {
        text += part;
        columns += Utf8::Columns(part);
    }
    void PadTo(std::size_t width)
    {
        if (columns < width) text.append(width - columns, ' ');
        columns = std::max(columns, width);
    }
};

// A cell's text at the right of its width, in its marks.
void AppendCell(ShownLine& line, const std::string& text, std::size_t width, const CellMarks& marks)
{
    const std::size_t columns = Utf8::Columns(text);
    if (columns < width) line.Append(std::string(width - columns, ' '));
    if (text.empty()) return;
    line.text += marks.before;
    line.Append(text);
    line.text += marks.after;
}

std::vector<std::optional<LunarReading>> LunarDaysOf(std::int32_t year, std::int32_t month, std::int32_t days,
                                                     Almanac almanac)
{
    std::vector<std::optional<LunarReading>> lunar;
    lunar.reserve(static_cast<std::size_t>(days));
    for (std::int32_t day = 1; day <= days; ++day) lunar.push_back(ReadLunarDate(almanac, {year, month, day}));
    return lunar;
}

// Under a day in a month: "1월" or "윤6" on a lunar month's first day, else its day.
std::string MonthLunarText(const std::optional<LunarReading>& lunar)
{
    return lunar ? ShortLunarDayText(*lunar) : std::string();
}

// Under a day in a year: its lunar day alone (the months are named above).
std::string YearLunarText(const std::optional<LunarReading>& lunar)
{
    std::string text;
    if (lunar) AppendNumber(text, lunar->date.day);
    return text;
}

// The weekdays' names, each at the right of its cell.
ShownLine Heading(std::size_t cell, const WeekdayStyle& headingStyle)
{
    ShownLine line;
    for (std::int32_t column = 0; column < kDaysInWeek; ++column) {
        const Weekday weekday = WeekdayAt(column);
        AppendCell(line, WeekdaySyllable(weekday), cell, headingStyle ? headingStyle(weekday) : CellMarks{});
    }
    return line;
}

// A month's weeks, two lines each: the days, then what lunarText puts under them.
using LunarText = std::string (*)(const std::optional<LunarReading>&);
std::vector<ShownLine> WeekLines(const MonthGrid& grid, const std::vector<std::optional<LunarReading>>& lunar,
                                 std::size_t cell, LunarText lunarText, const CellStyle& style)
{
    std::vector<ShownLine> lines;
    ShownLine days;
    ShownLine under;
    days.Append(std::string(static_cast<std::size_t>(grid.firstWeekday) * cell, ' '));
    under = days;
    for (std::int32_t day = 1; day <= grid.days; ++day) {
        const CellMarks marks = style ? style(day) : CellMarks{};
        AppendCell(days, std::to_string(day), cell, marks);
        AppendCell(under, lunarText(lunar[static_cast<std::size_t>(day - 1)]), cell, marks);
        if (!grid.EndsRow(day)) continue;
        lines.push_back(std::move(days));
        lines.push_back(std::move(under));
        days = {};
        under = {};
    }
    return lines;
}

// The parts joined by " · " after prefix, a new line " · ..." where the next
// part would pass width.
std::vector<std::string> Wrapped(const std::string& prefix, const std::vector<std::string>& parts, std::size_t width)
{
    std::vector<std::string> lines{prefix};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::string& line = lines.back();
        const std::size_t added = (i == 0 ? 0 : Utf8::Columns(kPartSeparator)) + Utf8::Columns(parts[i]);
        if (i > 0 && Utf8::Columns(line) + added > width) {
            lines.emplace_back(kPartSeparator + parts[i]);
            continue;
        }
        if (i > 0) line += kPartSeparator;
        line += parts[i];
    }
    return lines;
}

// A month of a year: its title centred, its lunar months, the heading, its weeks.
std::vector<ShownLine> YearMonthBlock(std::int32_t year, std::int32_t month, Almanac almanac, const CellStyle& style,
                                      const WeekdayStyle& headingStyle)
{
    const MonthGrid grid = MonthGridOf(year, month);
    const std::vector<std::optional<LunarReading>> lunar = LunarDaysOf(year, month, grid.days, almanac);
    std::vector<ShownLine> block(2);
    const std::string title = MonthTitle(year, month);
    block[0].Append(std::string((kYearMonthWidth - std::min(kYearMonthWidth, Utf8::Columns(title))) / 2, ' '));
    block[0].Append(title);
    const std::string months = ShortLunarMonthsText(FirstDaysOfLunarMonths(lunar));
    block[1].Append(std::string((kYearMonthWidth - std::min(kYearMonthWidth, Utf8::Columns(months))) / 2, ' '));
    block[1].Append(months);
    block.push_back(Heading(kYearCell, headingStyle));
    for (ShownLine& line : WeekLines(grid, lunar, kYearCell, YearLunarText, style)) block.push_back(std::move(line));
    return block;
}

// The year's holidays, two to a line where they fit in columns, a long one
// continued below.
void PrintYearHolidays(std::int32_t year, const TextOutput& output, std::size_t columns, const UserDates& user)
{
    std::vector<Holiday> holidays;
    if (!GetUserHolidays(year, user, holidays)) return;
    std::vector<std::string> entries;
    for (const Holiday& holiday : holidays) {
        std::string entry;
        AppendMonthDayWeekday(entry, holiday.date, true);
        entry += ' ';
        entry += HolidayTitle(holiday);
        entries.push_back(std::move(entry));
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ShownLine line;
        line.Append(entries[i]);
        const bool pair = i + 1 < entries.size() && line.columns < kHolidayEntry &&
                          kHolidayEntry + Utf8::Columns(entries[i + 1]) <= columns;
        if (pair) {
            line.PadTo(kHolidayEntry);
            line.Append(entries[++i]);
        }
        for (const std::string& part : Utf8::Wrapped(line.text, columns, "          ")) output(part);
    }
}

}  // namespace

void PrintCompactMonth(std::int32_t year, std::int32_t month, const TextOutput& output, Almanac almanac,
                       const CellStyle& style, const WeekdayStyle& headingStyle)
{
    CheckYearAndMonth(year, month);
    const MonthGrid grid = MonthGridOf(year, month);
    const std::vector<std::optional<LunarReading>> lunar = LunarDaysOf(year, month, grid.days, almanac);
    output(MonthTitle(year, month));
    const std::vector<std::string> header = LunarHeaderLines(lunar, almanac);
    const bool someDays = std::ranges::any_of(lunar, [](const auto& day) { return day.has_value(); });
    if (someDays) {
        for (const std::string& line : Wrapped(kLunarPrefix, LunarMonthParts(lunar), kNarrowest)) output(line);
    }
    if (header.size() > (someDays ? 1u : 0u)) {  // where the almanac lacks days: which it has, wrapped
        const std::string& missing = header.back();
        const std::size_t cut = missing.rfind(' ', missing.find_first_of("0123456789"));  // before the first date
        output(missing.substr(0, cut));
        if (cut != std::string::npos) output(' ' + missing.substr(cut + 1));
    }
    output(std::string(kMonthCell * kDaysInWeek, '-'));
    output(Heading(kMonthCell, headingStyle).text);
    for (ShownLine& line : WeekLines(grid, lunar, kMonthCell, MonthLunarText, style)) {
        while (!line.text.empty() && line.text.back() == ' ') line.text.pop_back();
        output(line.text);
    }
}

void PrintCompactYear(std::int32_t year, const TextOutput& output, Almanac almanac, std::int32_t columns,
                      const UserDates& user, const MonthStyles& styles, const WeekdayStyle& headingStyle)
{
    CheckYearAndMonth(year, 1);
    const std::int32_t across = MonthsAcross(columns);
    ShownLine title;
    const std::string yearTitle = YearTitle(year);
    const std::size_t rowWidth =
        kYearMonthWidth * static_cast<std::size_t>(across) + kMonthGap * static_cast<std::size_t>(across - 1);
    title.Append(std::string((rowWidth - Utf8::Columns(yearTitle)) / 2, ' '));
    title.Append(yearTitle);
    output(title.text);
    for (std::int32_t first = 1; first <= kMonthsInYear; first += across) {
        output("");
        std::vector<std::vector<ShownLine>> blocks;
        for (std::int32_t month = first; month < first + across && month <= kMonthsInYear; ++month) {
            blocks.push_back(YearMonthBlock(year, month, almanac, styles ? styles(month) : CellStyle{}, headingStyle));
        }
        const std::size_t height = std::ranges::max_element(blocks, {}, &std::vector<ShownLine>::size)->size();
        for (std::size_t row = 0; row < height; ++row) {
            ShownLine line;
            for (std::size_t b = 0; b < blocks.size(); ++b) {
                if (b > 0) line.PadTo(b * (kYearMonthWidth + kMonthGap));
                if (row < blocks[b].size()) {
                    line.text += blocks[b][row].text;
                    line.columns += blocks[b][row].columns;
                }
            }
            while (!line.text.empty() && line.text.back() == ' ') line.text.pop_back();
            output(line.text);
        }
    }
    if (almanac != Almanac::Korea) return;
    output("");
    PrintYearHolidays(year, output, static_cast<std::size_t>(std::max<std::int32_t>(columns, kNarrowest)), user);
}

std::int32_t MonthsAcross(std::int32_t columns)
{
    for (std::int32_t across = 3; across > 1; --across) {
        const auto width =
            static_cast<std::int32_t>(kYearMonthWidth) * across + static_cast<std::int32_t>(kMonthGap) * (across - 1);
        if (columns >= width) return across;
    }
    return 1;
}
