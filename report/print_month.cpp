#include "report/print_month.h"

#include "engine/sexagenary.h"
#include "runtime/cp949_literals.h"
#include "runtime/sysutils.h"

namespace {

// Every width below is in CP949 bytes, which are columns in a fixed-pitch font
// where a syllable takes two. A day cell is 15 bytes (16 with the leap mark):
// day part 8 + lunar part 6 + separator 1.
constexpr const char* kHeaderFormat = "   ▶ %d년 %02d월 (년:%s%s, 월:%s%s)";
constexpr const char* kRule = "----------------------------------------------------------";
constexpr const char* kWeekdayHeader = "  일      월      화      수      목      금      토";
constexpr const char* kBlankCell = "        ";        // 8: one weekday column before day 1
constexpr const char* kLeapMark = "*";                // 1: day in a leap lunar month
constexpr const char* kDayPartFormat = "%2d(%s%s)";   // 8: day and its stem-branch
constexpr const char* kLunarPartFormat = "%2d.%2d|";  // 6: lunar month.day
constexpr const char* kNoLunarPart = "     |";        // 6: outside the almanac
constexpr const char* kCellSeparator = " ";           // 1
constexpr std::size_t kLongestRow = std::size_t{7} * 16;

// The names of a position's stem and branch; the engine keeps its indices in
// range. (The named local lets cppcheck see that a pointer is returned.)
const char* StemName(StemBranch position)
{
    const char* const name = StemNames[static_cast<std::size_t>(position.stem)];
    return name;
}

const char* BranchName(StemBranch position)
{
    const char* const name = BranchNames[static_cast<std::size_t>(position.branch)];
    return name;
}

AnsiString LunarPart(const LunarDate& lunar)
{
    if (lunar.month == 0) return AnsiString(kNoLunarPart);
    return Sysutils::Format(kLunarPartFormat, lunar.month, lunar.day);
}

// The lunar date a cell shows: the classic table's four outputs as they are
// (its counted-back days before 1900 included), all 0 where Korea's calendar
// has none.
LunarDate CellLunarDate(Almanac almanac, std::int32_t year, std::int32_t month, std::int32_t day)
{
    if (almanac == Almanac::Korea) return ToLunar(Almanac::Korea, {year, month, day}).value_or(LunarDate{});
    LunarDate lunar;
    std::int32_t leap = 0;
    SolarToLunar(year, month, day, lunar.year, lunar.month, lunar.day, leap);
    lunar.leap = leap != 0;
    return lunar;
}

// The cell of one day: leap mark, day part, lunar part and separator.
AnsiString DayCell(Almanac almanac, std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t daysBefore,
                   const CellStyle& style)
{
    const StemBranch position = GetDayStemBranch(daysBefore, day);
    const LunarDate lunar = CellLunarDate(almanac, year, month, day);
    AnsiString cell(lunar.leap ? kLeapMark : "");
    cell += Sysutils::Format(kDayPartFormat, day, StemName(position), BranchName(position));
    cell += LunarPart(lunar);
    if (style) {
        const CellMarks marks = style(day);
        cell = AnsiString(marks.before) + cell + AnsiString(marks.after);  // escape sequences: ASCII
    }
    cell += kCellSeparator;
    return cell;
}

AnsiString Header(std::int32_t year, std::int32_t month)
{
    const StemBranch yearPosition = GetYearStemBranch(year);
    const StemBranch monthPosition = GetMonthStemBranch(year, month);
    return Sysutils::Format(kHeaderFormat, year, month, StemName(yearPosition), BranchName(yearPosition),
                            StemName(monthPosition), BranchName(monthPosition));
}

}  // namespace

void PrintMonth(std::int32_t year, std::int32_t month, const LineOutput& output, Almanac almanac,
                const CellStyle& style)
{
    const std::int32_t daysBefore = GetDaysBeforeMonth(year, month);
    output(Header(year, month));
    output(AnsiString(kRule));
    output(AnsiString(kWeekdayHeader));

    const std::int32_t firstWeekday = GetFirstWeekday(daysBefore);
    const std::int32_t monthLength = GetSolarMonthDays(year, month);
    // A month outside 1..12 has no days; its day 1 is refused like any date that does not exist.
    if (monthLength == 0) Sysutils::EncodeDate(year, month, 1);

    AnsiString row;
    row.reserve(kLongestRow);
    for (std::int32_t column = 0; column < firstWeekday; ++column) row += kBlankCell;
    for (std::int32_t day = 1; day <= monthLength; ++day) {
        row += DayCell(almanac, year, month, day, daysBefore, style);
        const bool saturday = (day + firstWeekday) % kDaysInWeek == 0;
        if (saturday || day == monthLength) {
            output(row);
            row.clear();
        }
    }
}
