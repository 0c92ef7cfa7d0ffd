#pragma once

#include <cstdint>

#include "report/day_kinds.h"
#include "report/line_output.h"
#include "report/user_dates.h"

// The lines below a month's grid: of the kinds shown, its public holidays
// (the user's added days among them), the user's events, 기념일, 잡절 and the
// solar terms, one a line, in date order, in Korean (UTF-8), dates aligned:
//   " 2월  7일(일) 설날"
//   " 3월  2일(월) 삼일절 대체공휴일"
//   " 4월 21일(화) 어머니 생신 (음력 3.15)"
//   " 5월  8일(토) 어버이날 (기념일)"
//   " 7월 20일(화) 초복"
//   " 2월  4일 입춘 05:46"
// A month of a year whose holidays are not known (before 2014, after 2100)
// says so in one line where holidays are shown; solar terms are given for
// 1900-2100, 잡절 for 1901-2100, 기념일 for 2018-2100. Nothing for a month
// outside 1..12.
void PrintMonthNotes(std::int32_t year, std::int32_t month, const TextOutput& output, const UserDates& user = {},
                     const DayKinds& kinds = kListedKinds);
