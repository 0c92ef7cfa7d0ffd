#include "korean_words.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "civil_date.h"
#include "cp949_literals.h"
#include "number_text.h"

const char* const kUncertainMark = " (±1일)";
const char* const kLeapMonthPrefix = "윤";
const char* const kScheduledMark = "예정";
const char* const kScheduledElectionNote = "예정 (공직선거법 제34조)";

namespace {

constexpr std::array<const char*, kDaysInWeek> kWeekdayNames = {"일요일", "월요일", "화요일", "수요일",
                                                                "목요일", "금요일", "토요일"};
constexpr std::array<const char*, kDaysInWeek> kWeekdaySyllables = {"일", "월", "화", "수", "목", "금", "토"};
constexpr const char* kAddedMark = "추가";

}  // namespace

const char* WeekdayName(std::int32_t weekday)
{
    const char* const name = kWeekdayNames.at(static_cast<std::size_t>(weekday));
    return name;
}

const char* WeekdaySyllable(std::int32_t weekday)
{
    const char* const name = kWeekdaySyllables.at(static_cast<std::size_t>(weekday));
    return name;
}

AnsiString StemBranchName(const StemBranch& position)
{
    AnsiString name = StemNames.at(static_cast<std::size_t>(position.stem));
    name += BranchNames.at(static_cast<std::size_t>(position.branch));
    return name;
}

AnsiString MonthTitle(std::int32_t year, std::int32_t month)
{
    AnsiString title;
    AppendNumber(title, year);
    title += "년 ";
    AppendNumber(title, month);
    title += "월";
    return title;
}

AnsiString HolidayText(const Holiday& holiday, bool markAdded)
{
    const std::string_view kind = HolidayKindName(holiday.kind);
    std::array<std::string_view, 3> marks{};
    std::size_t count = 0;
    if (!std::string_view(holiday.name).ends_with(kind)) marks[count++] = kind;
    if (markAdded && holiday.source >= 0) marks[count++] = kAddedMark;
    if (holiday.source == kScheduledByStatute) marks[count++] = kScheduledMark;
    AnsiString text = holiday.name;
    for (std::size_t i = 0; i < count; ++i) {
        text += i == 0 ? " (" : ", ";
        text += marks[i];
    }
    if (count > 0) text += ')';
    return text;
}
