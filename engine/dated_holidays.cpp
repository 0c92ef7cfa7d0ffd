#include "engine/dated_holidays.h"

#include "runtime/utf8_literals.h"

// Election days: 공직선거법 제34조 (the regular elections: 임기만료에 의한
// 선거일) made public holidays by 관공서의 공휴일에 관한 규정 제2조 제10호;
// the early presidential elections of 2017 and 2025 were designated holidays
// (국무회의 의결), listed here as election days.
// Designated days: 관공서의 공휴일에 관한 규정 제2조 제11호 ("기타 정부에서
// 수시 지정하는 날"), each by a resolution of the State Council (국무회의) and
// a notice in the official gazette (관보), on the date given.
const std::array<DatedHoliday, 17> kDatedHolidays = {{
    {{2014, 6, 4}, "제6회 전국동시지방선거", HolidayKind::Election},      // 공직선거법 제34조
    {{2015, 8, 14}, "광복 70주년 임시공휴일", HolidayKind::Designated},   // 국무회의 2015-08-04 (광복 70주년)
    {{2016, 4, 13}, "제20대 국회의원선거", HolidayKind::Election},        // 공직선거법 제34조
    {{2016, 5, 6}, "어린이날 연휴 임시공휴일", HolidayKind::Designated},  // 국무회의 2016-04-26
    {{2017, 5, 9}, "제19대 대통령선거", HolidayKind::Election},  // 국무회의 2017 (보궐선거, 임시공휴일 지정)
    {{2017, 10, 2}, "추석 연휴 임시공휴일", HolidayKind::Designated},    // 국무회의 2017-09-05
    {{2018, 6, 13}, "제7회 전국동시지방선거", HolidayKind::Election},    // 공직선거법 제34조
    {{2020, 4, 15}, "제21대 국회의원선거", HolidayKind::Election},       // 공직선거법 제34조
    {{2020, 8, 17}, "광복절 연휴 임시공휴일", HolidayKind::Designated},  // 국무회의 2020-07-21
    {{2022, 3, 9}, "제20대 대통령선거", HolidayKind::Election},          // 공직선거법 제34조
    {{2022, 6, 1}, "제8회 전국동시지방선거", HolidayKind::Election},     // 공직선거법 제34조
    {{2023, 10, 2}, "추석 연휴 임시공휴일", HolidayKind::Designated},    // 국무회의 2023-09-05
    {{2024, 4, 10}, "제22대 국회의원선거", HolidayKind::Election},       // 공직선거법 제34조
    {{2024, 10, 1}, "국군의 날 임시공휴일", HolidayKind::Designated},    // 국무회의 2024-09-03
    {{2025, 1, 27}, "설 연휴 임시공휴일", HolidayKind::Designated},      // 국무회의 2025-01-14
    {{2025, 6, 3}, "제21대 대통령선거", HolidayKind::Election},  // 국무회의 2025 (보궐선거, 임시공휴일 지정)
    {{2026, 6, 3}, "제9회 전국동시지방선거", HolidayKind::Election},  // 공직선거법 제34조
}};
