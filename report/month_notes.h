#pragma once

#include <cstdint>

#include "line_output.h"
#include "user_dates.h"

// The lines below a month's grid: its public holidays (the user's added days
// among them), the user's events and the solar terms, one a line, in date
// order, in Korean (UTF-8), dates aligned:
//   " 2월  7일(일) 설날"
//   " 3월  2일(월) 삼일절 대체공휴일"
//   " 4월 21일(화) 어머니 생신 (음력 3.15)"
//   " 2월  4일 입춘 05:46"
// A month of a year whose holidays are not known (before 2014, after 2100)
// says so in one line; solar terms are given for 1900-2100. Nothing for a
// month outside 1..12.
void PrintMonthNotes(std::int32_t year, std::int32_t month, const TextOutput& output, const UserDates& user = {});
