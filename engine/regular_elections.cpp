#include "engine/regular_elections.h"

#include <algorithm>
#include <array>

#include "runtime/civil_date.h"
#include "runtime/utf8_literals.h"

namespace {

// The days before the end of the term from which the first Wednesday is
// taken (제34조 ①).
constexpr std::int32_t DaysBeforeTermEnd(ElectedOffice office)
{
    switch (office) {
        case ElectedOffice::President:
            return 70;
        case ElectedOffice::NationalAssembly:
            return 50;
        case ElectedOffice::Local:
            return 30;
    }
    return 0;
}

// The terms in force when this was written, from which the later ones follow
// (헌법 제70조: the president's term is five years; 제42조: the National
// Assembly's four; 지방자치법 제39조 and 제108조: local terms four):
//   제21대 대통령 (elected early, 2025-06-03)  to 2030-06-03
//   제22대 국회                                to 2028-05-29
//   제9회 지방선거's councils and heads         to 2030-06-30
struct TermCycle {
    ElectedOffice office;
    std::int32_t firstTermNumber;  // the number of the term elected at the first scheduled election
    std::int32_t firstTermEndYear;
    std::int32_t termEndMonth;
    std::int32_t termEndDay;
    std::int32_t years;
};

constexpr std::array<TermCycle, 3> kCycles = {{
    {ElectedOffice::President, 22, 2030, 6, 3, 5},
    {ElectedOffice::NationalAssembly, 23, 2028, 5, 29, 4},
    {ElectedOffice::Local, 10, 2030, 6, 30, 4},
}};

constexpr std::int32_t kFirstScheduledYear = 2028;  // the first term end above
constexpr std::int32_t kLastScheduledYear = 2100;

bool Contains(std::span<const std::int32_t> days, std::int32_t day)
{
    return std::ranges::find(days, day) != days.end();
}

// 제34조 ②: moved a week while it is a holiday or next to one.
bool MustMove(std::int32_t day, std::span<const std::int32_t> holidayDays)
{
    return Contains(holidayDays, day - 1) || Contains(holidayDays, day) || Contains(holidayDays, day + 1);
}

}  // namespace

std::int32_t RegularElectionDay(ElectedOffice office, std::int32_t termEndDay,
                                std::span<const std::int32_t> holidayDays)
{
    const std::int32_t from = termEndDay - DaysBeforeTermEnd(office);
    std::int32_t day = from + (kWednesday - WeekdayOfDayCount(from) + kDaysInWeek) % kDaysInWeek;
    if (MustMove(day, holidayDays)) day += kDaysInWeek;  // once, as the statute says
    return day;
}

std::int32_t ScheduledElectionsOf(std::int32_t year, std::span<ScheduledElection, 3> elections)
{
    std::int32_t count = 0;
    if (year < kFirstScheduledYear || year > kLastScheduledYear) return 0;  // and no overflow below
    for (const TermCycle& cycle : kCycles) {
        const std::int32_t sinceFirst = year - cycle.firstTermEndYear;
        if (sinceFirst < 0 || sinceFirst % cycle.years != 0) continue;
        elections[static_cast<std::size_t>(count++)] = {cycle.office, cycle.firstTermNumber + sinceFirst / cycle.years,
                                                        DayCountOf(year, cycle.termEndMonth, cycle.termEndDay)};
    }
    return count;
}

std::string ElectionName(const ScheduledElection& election)
{
    const std::string number = "제" + std::to_string(election.termNumber);
    switch (election.office) {
        case ElectedOffice::President:
            return number + "대 대통령선거";
        case ElectedOffice::NationalAssembly:
            return number + "대 국회의원선거";
        case ElectedOffice::Local:
            break;
    }
    return number + "회 전국동시지방선거";
}
