#pragma once

#include <cstdint>
#include <string>

#include "runtime/civil_date.h"
#include "runtime/number_text.h"

// Dates and times of day as every output writes them: ISO 8601, four-digit
// years ("0999-01-01"), two-digit hours and minutes ("05:46").

// "YYYY-MM-DD" of a date of years 1..9999 onto the end of out.
inline void AppendIsoDate(std::string& out, const GregorianDate& date)
{
    AppendZeroFilled(out, date.year, 4);
    out += '-';
    AppendZeroFilled(out, date.month, 2);
    out += '-';
    AppendZeroFilled(out, date.day, 2);
}

inline std::string IsoDate(const GregorianDate& date)
{
    std::string text;
    AppendIsoDate(text, date);
    return text;
}

// "HH:MM" of a minute of the day (0..1439) onto the end of out.
inline void AppendClockTime(std::string& out, std::int32_t minuteOfDay)
{
    AppendZeroFilled(out, minuteOfDay / 60, 2);
    out += ':';
    AppendZeroFilled(out, minuteOfDay % 60, 2);
}

inline std::string ClockTime(std::int32_t minuteOfDay)
{
    std::string text;
    AppendClockTime(text, minuteOfDay);
    return text;
}
