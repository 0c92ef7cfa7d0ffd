#include "engine/holidays.h"

#include <algorithm>
#include <array>

#include "engine/almanac.h"
#include "engine/dated_holidays.h"
#include "engine/regular_elections.h"
#include "runtime/civil_date.h"
#include "runtime/utf8_literals.h"

// Sources of the rules:
//   [R]    관공서의 공휴일에 관한 규정 (대통령령), 제2조 (the holidays) and
//          제3조 (substitute holidays), as amended:
//   [2013] amendment in force from 2013-11-05: a substitute day for 설날 and
//          추석 that meet another holiday (Sunday included), and for 어린이날
//          on a Saturday or another holiday (first applied 2014-09-10);
//   [2017] amendment in force from 2017-10-17: 석가탄신일 renamed 부처님오신날;
//   [2021] amendment in force from 2021-08-04, after the 공휴일에 관한 법률
//          (2021-07-07): substitute days for the national days that are
//          holidays (삼일절, 광복절, 개천절, 한글날) on a Saturday, a Sunday or
//          another holiday (first applied 2021-08-16);
//   [2023] amendment in force from 2023-05-04: the same for 부처님오신날 and
//          기독탄신일 (first applied 2023-05-29);
//   [2026] 공휴일에 관한 법률, amended in 2026 (announced by 인사혁신처
//          2026-02-05): 제헌절 a holiday again from 2026, a national day with
//          the substitute rule of the others;
//   [노동절] 공휴일에 관한 법률, amended again in 2026 (passed by the National
//          Assembly 2026-03-31, promulgated in April 2026): 노동절 (5월 1일)
//          a holiday from 2026-05-01, substituted when it falls on a
//          Saturday, a Sunday or another holiday (2027-05-03 for 2027-05-01).
// A substitute day is the first day after the holiday (after the whole
// three-day 설날 or 추석) that is neither a holiday, nor a Saturday or Sunday,
// nor already a substitute day. Where two holidays fall on one weekday, the
// day itself stands for one of them and one substitute day is given for the
// rest (2025-05-06 for 어린이날 and 부처님오신날 on 2025-05-05).

const char* const kLabourDayName = "노동절";

namespace {

enum class SubstituteRule {
    None,
    SundayOrOverlap,   // 설날, 추석: when a day of the three meets a Sunday or another holiday [2013]
    WeekendOrOverlap,  // on a Saturday, a Sunday or another holiday
};

// A holiday the regulation names, before substitute days are worked out.
struct BaseHoliday {
    std::int32_t day;  // day count
    const char* name;
    HolidayKind kind;
    SubstituteRule rule;
    std::int32_t substituteFrom;  // the first day after which (or after whose three-day block) to look
    const char* substituteName;   // 설날 and 추석 for every day of their three
    std::int32_t source = kBuiltInHoliday;
};

constexpr std::int32_t kNever = 0x7FFFFFFF;
constexpr std::int32_t kLunarAndChildrenSubstitutesFrom = DayCountOf(2013, 11, 5);   // [2013]
constexpr std::int32_t kBuddhasBirthdayNameFrom = DayCountOf(2017, 10, 17);          // [2017]
constexpr std::int32_t kNationalDaySubstitutesFrom = DayCountOf(2021, 8, 4);         // [2021]
constexpr std::int32_t kBuddhaAndChristmasSubstitutesFrom = DayCountOf(2023, 5, 4);  // [2023]
constexpr std::int32_t kConstitutionDayFromYear = 2026;                              // [2026]
constexpr std::int32_t kLabourDayFromYear = 2026;                                    // [노동절]

bool IsWeekend(std::int32_t dayCount)
{
    const std::int32_t weekday = WeekdayOfDayCount(dayCount);
    return weekday == kSunday || weekday == kSaturday;
}

// The rule of a holiday on a day: its rule once the amendment that gave it is in force.
SubstituteRule RuleOn(std::int32_t day, SubstituteRule rule, std::int32_t inForceFrom)
{
    return day >= inForceFrom ? rule : SubstituteRule::None;
}

std::int32_t LunarDay(std::int32_t lunarYear, std::int32_t month, std::int32_t day)
{
    const GregorianDate date = LunarToSolar(Almanac::Korea, lunarYear, month, day, false);
    return DayCountOf(date.year, date.month, date.day);
}

void AddFixed(std::vector<BaseHoliday>& list, std::int32_t year, std::int32_t month, std::int32_t day, const char* name,
              SubstituteRule rule, std::int32_t ruleFrom)
{
    const std::int32_t count = DayCountOf(year, month, day);
    list.push_back({count, name, HolidayKind::Holiday, RuleOn(count, rule, ruleFrom), count, name});
}

// Three days around a lunar date (설날, 추석), each substituted after the third.
void AddLunarBlock(std::vector<BaseHoliday>& list, std::int32_t middle, const std::array<const char*, 3>& names)
{
    const SubstituteRule rule = RuleOn(middle, SubstituteRule::SundayOrOverlap, kLunarAndChildrenSubstitutesFrom);
    for (std::int32_t i = 0; i < 3; ++i) {
        list.push_back(
            {middle - 1 + i, names[static_cast<std::size_t>(i)], HolidayKind::Holiday, rule, middle + 1, names[1]});
    }
}

std::vector<BaseHoliday> BaseHolidays(std::int32_t year, std::span<const AddedHoliday> added)
{
    constexpr auto kWeekendRule = SubstituteRule::WeekendOrOverlap;
    constexpr std::size_t kUsualCount = 24;  // the regulation's days and a few more: one allocation
    std::vector<BaseHoliday> list;
    list.reserve(kUsualCount + added.size());
    AddFixed(list, year, 1, 1, "신정", SubstituteRule::None, kNever);
    AddLunarBlock(list, LunarDay(year, 1, 1), {"설날 전날", "설날", "설날 다음날"});
    AddFixed(list, year, 3, 1, "삼일절", kWeekendRule, kNationalDaySubstitutesFrom);
    const std::int32_t buddha = LunarDay(year, 4, 8);
    const char* const buddhaName = buddha >= kBuddhasBirthdayNameFrom ? "부처님오신날" : "석가탄신일";
    list.push_back({buddha, buddhaName, HolidayKind::Holiday,
                    RuleOn(buddha, kWeekendRule, kBuddhaAndChristmasSubstitutesFrom), buddha, buddhaName});
    if (year >= kLabourDayFromYear) AddFixed(list, year, 5, 1, kLabourDayName, kWeekendRule, DayCountOf(year, 1, 1));
    AddFixed(list, year, 5, 5, "어린이날", kWeekendRule, kLunarAndChildrenSubstitutesFrom);
    AddFixed(list, year, 6, 6, "현충일", SubstituteRule::None, kNever);
    if (year >= kConstitutionDayFromYear) AddFixed(list, year, 7, 17, "제헌절", kWeekendRule, DayCountOf(year, 1, 1));
    AddFixed(list, year, 8, 15, "광복절", kWeekendRule, kNationalDaySubstitutesFrom);
    AddLunarBlock(list, LunarDay(year, 8, 15), {"추석 전날", "추석", "추석 다음날"});
    AddFixed(list, year, 10, 3, "개천절", kWeekendRule, kNationalDaySubstitutesFrom);
    AddFixed(list, year, 10, 9, "한글날", kWeekendRule, kNationalDaySubstitutesFrom);
    AddFixed(list, year, 12, 25, "기독탄신일", kWeekendRule, kBuddhaAndChristmasSubstitutesFrom);
    for (const DatedHoliday& dated : kDatedHolidays) {
        if (dated.date.year != year) continue;
        const std::int32_t count = DayCountOf(dated.date.year, dated.date.month, dated.date.day);
        list.push_back({count, dated.name, dated.kind, SubstituteRule::None, count, dated.name});
    }
    for (const AddedHoliday& day : added) {
        if (day.date.year != year) continue;
        const std::int32_t count = DayCountOf(day.date.year, day.date.month, day.date.day);
        const bool listed =
            std::ranges::any_of(list, [&](const BaseHoliday& h) { return h.day == count && day.name == h.name; });
        if (listed) continue;  // added by a file that was written before the program knew it
        list.push_back({count, day.name.c_str(), day.kind, SubstituteRule::None, count, day.name.c_str(), day.source});
    }
    // Into date order, ties in the order added: an insertion sort, since the
    // list is nearly in order already (only the lunar days and the added ones
    // move) and a stable sort would take a buffer from the heap.
    for (auto next = list.begin(); next != list.end(); ++next) {
        const auto place = std::upper_bound(list.begin(), next, next->day,
                                            [](std::int32_t day, const BaseHoliday& h) { return day < h.day; });
        std::rotate(place, next, next + 1);
    }
    return list;
}

bool IsTriggered(const BaseHoliday& holiday, bool sharesItsDay)
{
    const std::int32_t weekday = WeekdayOfDayCount(holiday.day);
    switch (holiday.rule) {
        case SubstituteRule::SundayOrOverlap:
            return weekday == kSunday || sharesItsDay;
        case SubstituteRule::WeekendOrOverlap:
            return IsWeekend(holiday.day) || sharesItsDay;
        case SubstituteRule::None:
            return false;
    }
    return false;
}

bool IsTaken(std::int32_t day, const std::vector<BaseHoliday>& base, const std::vector<Holiday>& substitutes)
{
    if (IsWeekend(day)) return true;
    if (std::ranges::any_of(base, [day](const BaseHoliday& h) { return h.day == day; })) return true;
    return std::ranges::any_of(
        substitutes, [day](const Holiday& h) { return DayCountOf(h.date.year, h.date.month, h.date.day) == day; });
}

void AddSubstitute(std::int32_t after, const std::string& name, const std::vector<BaseHoliday>& base,
                   std::vector<Holiday>& substitutes)
{
    std::int32_t day = after + 1;
    while (IsTaken(day, base, substitutes)) ++day;
    substitutes.push_back({DateOfDayCount(day), name, HolidayKind::Substitute});
}

// The name a substitute day carries for several holidays at once: "설날·어린이날".
std::string SharedName(const std::vector<const BaseHoliday*>& holidays)
{
    std::string name;
    for (const BaseHoliday* holiday : holidays) {
        if (!name.empty()) name += "·";
        name += holiday->substituteName;
    }
    return name;
}

std::vector<Holiday> SubstituteDays(const std::vector<BaseHoliday>& base)
{
    std::vector<Holiday> substitutes;
    std::vector<const BaseHoliday*> triggered;
    for (std::size_t first = 0; first < base.size();) {
        std::size_t end = first;
        while (end < base.size() && base[end].day == base[first].day) ++end;
        const bool shared = end - first > 1;
        triggered.clear();
        for (std::size_t i = first; i < end; ++i) {
            if (IsTriggered(base[i], shared)) triggered.push_back(&base[i]);
        }
        // On a weekday the day itself stands for one of its holidays, and
        // the substitute days stand for all of those that were triggered.
        std::size_t wanted = triggered.size();
        if (!IsWeekend(base[first].day)) wanted = std::min(wanted, end - first - 1);
        for (std::size_t i = 0; i < wanted; ++i) {
            const BaseHoliday& holiday = *triggered[triggered.size() - wanted + i];
            const std::string name =
                wanted < triggered.size() ? SharedName(triggered) : std::string(holiday.substituteName);
            AddSubstitute(holiday.substituteFrom, name, base, substitutes);
        }
        first = end;
    }
    return substitutes;
}

// The regular elections the statute schedules in a year, into the base list
// in date order, held against the year's holidays with their substitute
// days; names holds their names, to which the list points. An election the
// built-in list or an added day already has (by name or by day) is left to
// it. Returns whether an election took a day the substitutes had taken, so
// that they must be worked out again (the statute moves an election once,
// which may not clear every substitute day).
bool AddScheduledElections(std::int32_t year, std::vector<BaseHoliday>& base, const std::vector<Holiday>& substitutes,
                           std::array<std::string, 3>& names)
{
    std::array<ScheduledElection, 3> elections{};
    const std::int32_t count = ScheduledElectionsOf(year, elections);
    if (count == 0) return false;
    std::vector<std::int32_t> holidayDays;  // the regulation's days with their substitutes
    holidayDays.reserve(base.size() + substitutes.size());
    for (const BaseHoliday& holiday : base) holidayDays.push_back(holiday.day);
    const std::size_t substitutesFrom = holidayDays.size();
    for (const Holiday& substitute : substitutes) {
        holidayDays.push_back(DayCountOf(substitute.date.year, substitute.date.month, substitute.date.day));
    }
    bool tookASubstituteDay = false;
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        names[i] = ElectionName(elections[i]);
        const std::int32_t day = RegularElectionDay(elections[i].office, elections[i].termEndDay, holidayDays);
        const bool announced = std::ranges::any_of(base, [&](const BaseHoliday& h) {
            return h.kind == HolidayKind::Election && (h.day == day || names[i] == h.name);
        });
        if (announced) continue;
        tookASubstituteDay =
            tookASubstituteDay || std::ranges::find(holidayDays.begin() + static_cast<std::ptrdiff_t>(substitutesFrom),
                                                    holidayDays.end(), day) != holidayDays.end();
        const auto place = std::ranges::upper_bound(base, day, {}, [](const BaseHoliday& h) { return h.day; });
        base.insert(place, {day, names[i].c_str(), HolidayKind::Election, SubstituteRule::None, day, names[i].c_str(),
                            kScheduledByStatute});
    }
    return tookASubstituteDay;
}

}  // namespace

const char* HolidayKindName(HolidayKind kind)
{
    switch (kind) {
        case HolidayKind::Holiday:
            return "공휴일";
        case HolidayKind::Substitute:
            return "대체공휴일";
        case HolidayKind::Election:
            return "선거일";
        case HolidayKind::Designated:
            return "임시공휴일";
    }
    return "";
}

bool GetHolidays(std::int32_t year, std::vector<Holiday>& holidays, std::span<const AddedHoliday> added)
{
    holidays.clear();
    if (year < kFirstHolidayYear || year > kLastHolidayYear) return false;
    std::vector<BaseHoliday> base = BaseHolidays(year, added);
    std::vector<Holiday> substitutes = SubstituteDays(base);
    std::array<std::string, 3> electionNames;  // base points into them
    if (AddScheduledElections(year, base, substitutes, electionNames)) substitutes = SubstituteDays(base);
    for (const BaseHoliday& holiday : base) {
        holidays.push_back({DateOfDayCount(holiday.day), holiday.name, holiday.kind, holiday.source});
    }
    // The base days are in date order; each substitute goes after every day
    // up to its own, as a stable sort would put it, with fewer moves.
    for (const Holiday& substitute : substitutes) {
        const auto after = std::ranges::upper_bound(holidays, substitute.date, {}, &Holiday::date);
        holidays.insert(after, substitute);
    }
    return true;
}
