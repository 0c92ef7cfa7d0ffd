#include "engine/anniversaries.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "engine/almanac.h"
#include "runtime/utf8_literals.h"

namespace {

// How a 기념일 finds its day in a year.
enum class DayRule {
    Fixed,        // month-day
    NthWeekday,   // the nth (day 1..4) weekday of the month
    LastWeekday,  // the last weekday of the month
    Lunar,        // lunar month-day in Korea's almanac
};

// The table's weekdays, as the runtime numbers them (kSunday 0); AnyDay where a rule has none.
enum RuleWeekday : std::int8_t { Sun, Mon, Tue, Wed, Thu, Fri, Sat, AnyDay = -1 };

constexpr std::int32_t kStillInForce = std::numeric_limits<std::int32_t>::max();

struct Entry {
    const char* name;
    DayRule rule;
    std::int32_t month;      // 1..12
    std::int32_t day;        // Fixed and Lunar: the day; NthWeekday: n
    RuleWeekday weekday;     // NthWeekday and LastWeekday
    std::int32_t firstYear;  // the first year in force; kFirstAnniversaryYear where in force before it
    std::int32_t lastYear;   // the last; kStillInForce
};

constexpr std::int32_t kBefore = kFirstAnniversaryYear;
constexpr std::int32_t kNow = kStillInForce;

// 「각종 기념일 등에 관한 규정」 별표 1 and the laws that fix a day, as amended
// to 2026 (docs/sources.md names each law and amendment).
constexpr Entry kEntries[] = {
    {"2·28 민주운동 기념일", DayRule::Fixed, 2, 28, AnyDay, 2018, kNow},
    {"납세자의 날", DayRule::Fixed, 3, 3, AnyDay, kBefore, kNow},
    {"국립공원의 날", DayRule::Fixed, 3, 3, AnyDay, 2027, kNow},
    {"3·8민주의거 기념일", DayRule::Fixed, 3, 8, AnyDay, 2018, kNow},
    {"여성의 날", DayRule::Fixed, 3, 8, AnyDay, 2018, kNow},
    {"3·15 의거 기념일", DayRule::Fixed, 3, 15, AnyDay, kBefore, kNow},
    {"상공의 날", DayRule::NthWeekday, 3, 3, Wed, kBefore, kNow},
    {"의용소방대의 날", DayRule::Fixed, 3, 19, AnyDay, 2024, kNow},
    {"암 예방의 날", DayRule::Fixed, 3, 21, AnyDay, kBefore, kNow},
    {"서해수호의 날", DayRule::NthWeekday, 3, 4, Fri, kBefore, kNow},
    {"예비군의 날", DayRule::NthWeekday, 4, 1, Fri, kBefore, kNow},
    {"4·3희생자 추념일", DayRule::Fixed, 4, 3, AnyDay, kBefore, kNow},
    {"식목일", DayRule::Fixed, 4, 5, AnyDay, kBefore, kNow},
    {"보건의 날", DayRule::Fixed, 4, 7, AnyDay, kBefore, kNow},
    {"임시의정원 개원기념일", DayRule::Fixed, 4, 10, AnyDay, 2027, kNow},
    {"대한민국임시정부 수립기념일", DayRule::Fixed, 4, 13, AnyDay, kBefore, 2018},
    {"대한민국임시정부 수립기념일", DayRule::Fixed, 4, 11, AnyDay, 2019, kNow},
    {"도시농업의 날", DayRule::Fixed, 4, 11, AnyDay, kBefore, kNow},
    {"국민안전의 날", DayRule::Fixed, 4, 16, AnyDay, kBefore, kNow},
    {"4·19혁명 기념일", DayRule::Fixed, 4, 19, AnyDay, kBefore, kNow},
    {"장애인의 날", DayRule::Fixed, 4, 20, AnyDay, kBefore, kNow},
    {"과학의 날", DayRule::Fixed, 4, 21, AnyDay, kBefore, kNow},
    {"정보통신의 날", DayRule::Fixed, 4, 22, AnyDay, kBefore, kNow},
    {"순직의무군경의 날", DayRule::NthWeekday, 4, 4, Fri, 2023, kNow},
    {"법의 날", DayRule::Fixed, 4, 25, AnyDay, kBefore, kNow},
    {"산업재해근로자의 날", DayRule::Fixed, 4, 28, AnyDay, 2027, kNow},
    {"충무공 이순신 탄신일", DayRule::Fixed, 4, 28, AnyDay, kBefore, kNow},
    {"근로자의 날", DayRule::Fixed, 5, 1, AnyDay, kBefore, 2025},  // 노동절, a holiday, from 2026
    {"어버이날", DayRule::Fixed, 5, 8, AnyDay, kBefore, kNow},
    {"양잠인의 날", DayRule::Fixed, 5, 10, AnyDay, 2027, kNow},
    {"유권자의 날", DayRule::Fixed, 5, 10, AnyDay, kBefore, kNow},
    {"한부모가족의 날", DayRule::Fixed, 5, 10, AnyDay, 2018, kNow},
    {"동학농민혁명 기념일", DayRule::Fixed, 5, 11, AnyDay, 2019, kNow},
    {"입양의 날", DayRule::Fixed, 5, 11, AnyDay, kBefore, kNow},
    {"식품안전의 날", DayRule::Fixed, 5, 14, AnyDay, kBefore, kNow},
    {"가정의 날", DayRule::Fixed, 5, 15, AnyDay, kBefore, kNow},
    {"세종대왕 나신 날", DayRule::Fixed, 5, 15, AnyDay, 2025, kNow},
    {"스승의 날", DayRule::Fixed, 5, 15, AnyDay, kBefore, kNow},
    {"성년의 날", DayRule::NthWeekday, 5, 3, Mon, kBefore, kNow},
    {"5·18민주화운동 기념일", DayRule::Fixed, 5, 18, AnyDay, kBefore, kNow},
    {"발명의 날", DayRule::Fixed, 5, 19, AnyDay, kBefore, kNow},
    {"세계인의 날", DayRule::Fixed, 5, 20, AnyDay, kBefore, kNow},
    {"부부의 날", DayRule::Fixed, 5, 21, AnyDay, kBefore, kNow},
    {"실종아동의 날", DayRule::Fixed, 5, 25, AnyDay, kBefore, kNow},
    {"우주항공의 날", DayRule::Fixed, 5, 27, AnyDay, 2025, kNow},
    {"의료기기의 날", DayRule::Fixed, 5, 29, AnyDay, 2027, kNow},
    {"해외 파병용사의 날", DayRule::Fixed, 5, 29, AnyDay, 2025, kNow},
    {"국회 개원기념일", DayRule::Fixed, 5, 31, AnyDay, kBefore, kNow},
    {"바다의 날", DayRule::Fixed, 5, 31, AnyDay, kBefore, kNow},
    {"의병의 날", DayRule::Fixed, 6, 1, AnyDay, kBefore, kNow},
    {"환경의 날", DayRule::Fixed, 6, 5, AnyDay, kBefore, kNow},
    {"구강보건의 날", DayRule::Fixed, 6, 9, AnyDay, kBefore, kNow},
    {"기록의 날", DayRule::Fixed, 6, 9, AnyDay, kBefore, kNow},
    {"6·10만세운동 기념일", DayRule::Fixed, 6, 10, AnyDay, 2022, kNow},
    {"6·10민주항쟁 기념일", DayRule::Fixed, 6, 10, AnyDay, kBefore, kNow},
    {"헌혈자의 날", DayRule::Fixed, 6, 14, AnyDay, kBefore, kNow},
    {"해양조사의 날", DayRule::Fixed, 6, 21, AnyDay, 2021, kNow},
    {"전자정부의 날", DayRule::Fixed, 6, 24, AnyDay, kBefore, kNow},
    {"6·25전쟁일", DayRule::Fixed, 6, 25, AnyDay, kBefore, kNow},
    {"마약퇴치의 날", DayRule::Fixed, 6, 26, AnyDay, kBefore, kNow},
    {"6·25전쟁 납북자 기억의 날", DayRule::Fixed, 6, 28, AnyDay, kBefore, kNow},
    {"철도의 날", DayRule::Fixed, 9, 18, AnyDay, kBefore, 2017},
    {"철도의 날", DayRule::Fixed, 6, 28, AnyDay, 2018, kNow},
    {"사회적기업의 날", DayRule::Fixed, 7, 1, AnyDay, kBefore, kNow},
    {"도농교류의 날", DayRule::Fixed, 7, 7, AnyDay, kBefore, kNow},
    {"정보보호의 날", DayRule::NthWeekday, 7, 2, Wed, kBefore, kNow},
    {"인구의 날", DayRule::Fixed, 7, 11, AnyDay, kBefore, kNow},
    {"북한이탈주민의 날", DayRule::Fixed, 7, 14, AnyDay, 2024, kNow},
    {"연안안전의 날", DayRule::Fixed, 7, 18, AnyDay, 2020, kNow},
    {"유엔군 참전의 날", DayRule::Fixed, 7, 27, AnyDay, kBefore, kNow},
    {"섬의 날", DayRule::Fixed, 8, 8, AnyDay, 2019, kNow},
    {"일본군위안부 피해자 기림의 날", DayRule::Fixed, 8, 14, AnyDay, 2018, kNow},
    {"여권통문의 날", DayRule::Fixed, 9, 1, AnyDay, 2020, kNow},
    {"통계의 날", DayRule::Fixed, 9, 1, AnyDay, kBefore, kNow},
    {"곤충의 날", DayRule::Fixed, 9, 7, AnyDay, 2021, kNow},
    {"사회복지의 날", DayRule::Fixed, 9, 7, AnyDay, kBefore, kNow},
    {"푸른 하늘의 날", DayRule::Fixed, 9, 7, AnyDay, 2020, kNow},
    {"화장품의 날", DayRule::Fixed, 9, 7, AnyDay, 2027, kNow},
    {"숙련기술인의 날", DayRule::Fixed, 9, 9, AnyDay, kBefore, kNow},
    {"해양경찰의 날", DayRule::Fixed, 9, 10, AnyDay, kBefore, kNow},
    {"이산가족의 날", DayRule::Lunar, 8, 13, AnyDay, 2023, kNow},  // 추석 이틀 전
    {"청년의 날", DayRule::NthWeekday, 9, 3, Sat, 2020, kNow},
    {"치매극복의 날", DayRule::Fixed, 9, 21, AnyDay, kBefore, kNow},
    {"개인정보 보호의 날", DayRule::Fixed, 9, 30, AnyDay, 2024, kNow},
    {"조달의 날", DayRule::Fixed, 9, 30, AnyDay, kBefore, kNow},
    {"국군의 날", DayRule::Fixed, 10, 1, AnyDay, kBefore, kNow},
    {"노인의 날", DayRule::Fixed, 10, 2, AnyDay, kBefore, kNow},
    {"동물보호의 날", DayRule::Fixed, 10, 4, AnyDay, 2027, kNow},
    {"세계 한인의 날", DayRule::Fixed, 10, 5, AnyDay, kBefore, kNow},
    {"재향군인의 날", DayRule::Fixed, 10, 8, AnyDay, kBefore, kNow},
    {"호스피스의 날", DayRule::NthWeekday, 10, 2, Sat, kBefore, kNow},
    {"임산부의 날", DayRule::Fixed, 10, 10, AnyDay, kBefore, kNow},
    {"정신건강의 날", DayRule::Fixed, 10, 10, AnyDay, kBefore, kNow},
    {"체육의 날", DayRule::Fixed, 10, 15, AnyDay, kBefore, 2024},
    {"스포츠의 날", DayRule::Fixed, 10, 15, AnyDay, 2025, kNow},
    {"부마민주항쟁 기념일", DayRule::Fixed, 10, 16, AnyDay, 2019, kNow},
    {"문화의 날", DayRule::NthWeekday, 10, 3, Sat, kBefore, kNow},
    {"경찰의 날", DayRule::Fixed, 10, 21, AnyDay, kBefore, kNow},
    {"국제연합일", DayRule::Fixed, 10, 24, AnyDay, kBefore, kNow},
    {"금융의 날", DayRule::LastWeekday, 10, 0, Tue, kBefore, kNow},
    {"교정의 날", DayRule::Fixed, 10, 28, AnyDay, kBefore, kNow},
    {"지방자치의 날", DayRule::Fixed, 10, 29, AnyDay, kBefore, 2022},
    {"지방자치 및 균형발전의 날", DayRule::Fixed, 10, 29, AnyDay, 2023, kNow},
    {"임업인의 날", DayRule::Fixed, 11, 1, AnyDay, kBefore, kNow},
    {"학생독립운동 기념일", DayRule::Fixed, 11, 3, AnyDay, kBefore, kNow},
    {"소방의 날", DayRule::Fixed, 11, 9, AnyDay, kBefore, kNow},
    {"농업인의 날", DayRule::Fixed, 11, 11, AnyDay, kBefore, kNow},
    {"유엔참전용사 국제추모의 날", DayRule::Fixed, 11, 11, AnyDay, 2020, kNow},
    {"순국선열의 날", DayRule::Fixed, 11, 17, AnyDay, kBefore, kNow},
    {"약의 날", DayRule::Fixed, 11, 18, AnyDay, kBefore, kNow},
    {"아동학대 예방의 날", DayRule::Fixed, 11, 19, AnyDay, kBefore, kNow},
    {"김치의 날", DayRule::Fixed, 11, 22, AnyDay, 2020, kNow},
    {"소비자의 날", DayRule::Fixed, 12, 3, AnyDay, kBefore, kNow},
    {"무역의 날", DayRule::Fixed, 12, 5, AnyDay, kBefore, kNow},
    {"자원봉사자의 날", DayRule::Fixed, 12, 5, AnyDay, kBefore, kNow},
    {"원자력 안전 및 진흥의 날", DayRule::Fixed, 12, 27, AnyDay, kBefore, kNow},
    {"항공안전의 날", DayRule::Fixed, 12, 29, AnyDay, 2025, kNow},
};

// The first day of a month that is the weekday, day counts.
std::int32_t FirstWeekdayOfMonth(std::int32_t year, std::int32_t month, RuleWeekday weekday)
{
    const std::int32_t first = DayCountOf(year, month, 1);
    const std::int32_t firstWeekday = WeekdayOfDayCount(first);
    return first + (std::int32_t{weekday} - firstWeekday + kDaysInWeek) % kDaysInWeek;
}

std::optional<GregorianDate> DayIn(const Entry& entry, std::int32_t year)
{
    switch (entry.rule) {
        case DayRule::Fixed:
            return GregorianDate{year, entry.month, entry.day};
        case DayRule::NthWeekday:
            return DateOfDayCount(FirstWeekdayOfMonth(year, entry.month, entry.weekday) +
                                  kDaysInWeek * (entry.day - 1));
        case DayRule::LastWeekday: {
            const std::int32_t first = FirstWeekdayOfMonth(year, entry.month, entry.weekday);
            const std::int32_t monthDays = GregorianMonthDays(year, entry.month);
            return DateOfDayCount(
                first + kDaysInWeek * ((monthDays - 1 - (first - DayCountOf(year, entry.month, 1))) / kDaysInWeek));
        }
        case DayRule::Lunar: {
            const LunarDateLookup found = FindLunarDate(Almanac::Korea, year, entry.month, entry.day, false);
            if (found.lack != LunarDateLack::None) return std::nullopt;
            return found.date;
        }
    }
    return std::nullopt;
}

}  // namespace

bool GetAnniversaries(std::int32_t year, std::vector<Anniversary>& days)
{
    days.clear();
    if (year < kFirstAnniversaryYear || year > kLastAnniversaryYear) return false;
    for (const Entry& entry : kEntries) {
        if (year < entry.firstYear || year > entry.lastYear) continue;
        if (const std::optional<GregorianDate> date = DayIn(entry, year)) days.push_back({*date, entry.name});
    }
    std::ranges::stable_sort(days, [](const Anniversary& a, const Anniversary& b) { return a.date < b.date; });
    return true;
}
