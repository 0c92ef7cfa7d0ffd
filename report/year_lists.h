#pragma once

#include <cstdint>

#include "report/line_output.h"
#include "report/user_dates.h"

// A year's public holidays, one a line: the ISO date, a blank, the weekday,
// then HolidayText, e.g. "2026-03-02 월요일 삼일절 (대체공휴일)"; a day the
// user added says so: "(임시공휴일, 추가)". A year whose holidays are not known
// (outside 2014..2100) raises EConvertError.
void PrintHolidayList(std::int32_t year, const TextOutput& output, const UserDates& user = {});

// The user's events of the years fromYear..toYear, one a line: the ISO date,
// a blank and the event (EventText), e.g. "2026-05-02 어머니 생신 (음력 3.15)".
void PrintEventList(std::int32_t fromYear, std::int32_t toYear, const UserDates& user, const TextOutput& output);

// A year's 24 solar terms, one a line: "YYYY-MM-DD HH:MM" in Korean civil
// time, a blank and the Korean name, " (±1일)" after a term within a minute of
// midnight. A year outside 1900..2100 raises EConvertError.
void PrintSolarTermList(std::int32_t year, const TextOutput& output);
