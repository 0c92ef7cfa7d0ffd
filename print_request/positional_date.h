#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "input/typed_date.h"

// dalcal-print's positional arguments read once into the date they name,
// joined as one typed text ("2027 2", "2월 7일", "음력 2027년 1월 1일",
// "20270207"): a lone number is a year; a month or day without a year is of
// thisYear. Arguments that are no date's text keep the refusal that names
// the argument ('YEAR: "x" is not a number', 'MONTH: "7월x" is not a number').
TypedDate ReadPositionalDate(const std::vector<std::string>& args, std::int32_t thisYear);

// The same after --from-lunar: YEAR MONTH DAY, or MONTH DAY (of thisYear, or
// of each year of --years); "윤" or leap for a leap month.
TypedDate ReadLunarPositional(const std::vector<std::string>& args, std::int32_t thisYear, bool leap);
