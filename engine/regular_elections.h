#pragma once

#include <cstdint>
#include <span>

#include <string>

// Korea's regular elections (임기만료에 의한 선거), whose days the statute
// fixes and 관공서의 공휴일에 관한 규정 제2조 makes public holidays.

enum class ElectedOffice { President, NationalAssembly, Local };

// 공직선거법 제34조 (선거일):
//   ① 임기만료에 의한 선거의 선거일은 다음 각 호와 같다.
//     1. 대통령선거는 그 임기만료일전 70일 이후 첫번째 수요일
//     2. 국회의원선거는 그 임기만료일전 50일 이후 첫번째 수요일
//     3. 지방의회의원 및 지방자치단체의 장의 선거는 그 임기만료일전 30일
//        이후 첫번째 수요일
//   ② 제1항에 따른 선거일이 국민생활과 밀접한 관련이 있는 민속절 또는
//      공휴일인 때와 선거일전일이나 그 다음날이 공휴일인 때에는 그 다음주의
//      수요일로 한다.
// The day count of the election for a term ending on termEndDay (a day
// count of the years 1..9999), given the public holidays around it (day
// counts, any order); 이후 takes in the day itself. The folk days close to
// people's lives are 설날 and 추석, which are public holidays already.
std::int32_t RegularElectionDay(ElectedOffice office, std::int32_t termEndDay,
                                std::span<const std::int32_t> holidayDays);

// A regular election the statute schedules: the office, the term it elects
// and the day that term's predecessor ends.
struct ScheduledElection {
    ElectedOffice office;
    std::int32_t termNumber;  // 제N대 (President, National Assembly) or 제N회 (local)
    std::int32_t termEndDay;  // day count of the last day of the term in office
};

// The regular elections whose terms end in a year (at most one of each office):
// those after the terms in force in 2026, through 2100. Returns how many were
// written to elections.
std::int32_t ScheduledElectionsOf(std::int32_t year, std::span<ScheduledElection, 3> elections);

// The election's name as the National Election Commission writes it (UTF-8):
// 제22대 대통령선거, 제23대 국회의원선거, 제10회 전국동시지방선거.
std::string ElectionName(const ScheduledElection& election);
