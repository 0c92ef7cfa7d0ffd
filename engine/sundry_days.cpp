#include "engine/sundry_days.h"

#include <algorithm>
#include <array>

#include "engine/almanac.h"
#include "engine/sexagenary.h"
#include "engine/solar_terms.h"
#include "runtime/utf8_literals.h"

namespace {

constexpr std::int32_t kHansikDaysAfterDongji = 105;
constexpr std::int32_t kGyeongStem = 6;  // 庚, of 甲乙丙丁戊己庚辛壬癸
constexpr std::int32_t kStems = 10;
constexpr std::int32_t kHajiIndex = 11;    // 하지
constexpr std::int32_t kIpchuIndex = 14;   // 입추
constexpr std::int32_t kDongjiIndex = 23;  // 동지

struct LunarSundryDay {
    SundryDayKind kind;
    std::int32_t lunarMonth;
    std::int32_t lunarDay;
};
constexpr std::array<LunarSundryDay, 3> kLunarSundryDays = {{
    {SundryDayKind::Daeboreum, 1, 15},
    {SundryDayKind::Dano, 5, 5},
    {SundryDayKind::Chilseok, 7, 7},
}};

std::int32_t TermDayCount(std::int32_t year, std::int32_t index)
{
    SolarTerm term{};
    GetSolarTerm(year, index, term);  // the callers' years are within the terms'
    return DayCountOf(term.date.year, term.date.month, term.date.day);
}

// The first 경일 on or after a day.
std::int32_t FirstGyeongDayFrom(std::int32_t dayCount)
{
    const std::int32_t stem = DayStemBranchOfCount(dayCount).stem;
    return dayCount + (kGyeongStem - stem + kStems) % kStems;
}

}  // namespace

const char* SundryDayName(SundryDayKind kind)
{
    switch (kind) {
        case SundryDayKind::Daeboreum:
            return "정월대보름";
        case SundryDayKind::Hansik:
            return "한식";
        case SundryDayKind::Dano:
            return "단오";
        case SundryDayKind::Chobok:
            return "초복";
        case SundryDayKind::Jungbok:
            return "중복";
        case SundryDayKind::Chilseok:
            return "칠석";
        case SundryDayKind::Malbok:
            return "말복";
    }
    return "";
}

bool GetSundryDays(std::int32_t year, std::vector<SundryDay>& days)
{
    days.clear();
    if (year < kFirstSundryYear || year > kLastSundryYear) return false;
    days.push_back(
        {DateOfDayCount(TermDayCount(year - 1, kDongjiIndex) + kHansikDaysAfterDongji), SundryDayKind::Hansik});
    const std::int32_t thirdGyeong = FirstGyeongDayFrom(TermDayCount(year, kHajiIndex)) + 2 * kStems;
    days.push_back({DateOfDayCount(thirdGyeong), SundryDayKind::Chobok});
    days.push_back({DateOfDayCount(thirdGyeong + kStems), SundryDayKind::Jungbok});
    days.push_back({DateOfDayCount(FirstGyeongDayFrom(TermDayCount(year, kIpchuIndex))), SundryDayKind::Malbok});
    // Lunar 1.15 .. 7.7 of a lunar year fall in the Gregorian year of its number.
    for (const LunarSundryDay& lunar : kLunarSundryDays) {
        const LunarDateLookup found = FindLunarDate(Almanac::Korea, year, lunar.lunarMonth, lunar.lunarDay, false);
        if (found.lack == LunarDateLack::None) days.push_back({found.date, lunar.kind});
    }
    std::ranges::stable_sort(days, [](const SundryDay& a, const SundryDay& b) {
        return a.date != b.date ? a.date < b.date : a.kind < b.kind;
    });
    return true;
}
