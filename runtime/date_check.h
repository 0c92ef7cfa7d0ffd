#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/civil_date.h"
#include "runtime/message.h"

// Whether a date or a month exists, and the one wording of every refusal: the
// date as it was written (what was typed, quoted, or its numbers), then why.

// Why the date written does not exist within firstYear..lastYear (by default
// the program's years), none where it does:
//   "2026-02-30" is not a date: month 2 of 2026 has 28 days
std::optional<Message> DateProblem(const GregorianDate& date, const std::string& written,
                                   std::int32_t firstYear = kFirstYear, std::int32_t lastYear = kLastYear);

// The same of a month:
//   "2027 13" is not a month: there is no month 13
std::optional<Message> MonthProblem(std::int32_t year, std::int32_t month, const std::string& written);

// Raise EConvertError with the problem of the date (its numbers written
// "2026-13-01") or of the month ("2026-13 is not a month: there is no month
// 13"), if it has one.
void CheckDate(const GregorianDate& date);
void CheckYearAndMonth(std::int32_t year, std::int32_t month);
