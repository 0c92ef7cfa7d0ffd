#pragma once

#include <cstdint>
#include <string>

#include "civil_date.h"

// The values in dalcal-print's arguments, read as the window reads its edit
// boxes (Sysutils::StrToInt of the text in CP949). A value that cannot be
// read raises EConvertError naming the argument and quoting the text.

// One number; name is the argument's name in the message ("YEAR").
std::int32_t ParseNumber(const char* name, const std::string& arg);

// FROM-TO, or a single YEAR where oneYear allows it, running forwards within
// first..last; what names the years' contents in the message ("holidays").
struct YearSpan {
    std::int32_t from;
    std::int32_t to;
};
YearSpan ParseYearSpan(const char* name, const std::string& arg, bool oneYear, std::int32_t first, std::int32_t last,
                       const char* what);

// A day as YYYY-MM-DD (month and day may have one digit), which must exist.
GregorianDate ParseIsoDate(const std::string& arg);
