#pragma once

#include <span>
#include <string>
#include <variant>
#include <vector>

#include "almanac.h"
#include "command_line.h"

// What dalcal-print was asked to do, read from its command line.

enum class PrintMode {
    Month,           // [YEAR MONTH]: a month (this month without numbers)
    Year,            // YEAR: the twelve months of a year
    Holidays,        // --holidays [YEAR]
    Terms,           // --terms [YEAR]
    FromLunar,       // --from-lunar YEAR MONTH DAY [--leap]
    FromLunarYears,  // --from-lunar MONTH DAY --years FROM-TO [--leap]
};

enum class ColorWhen { Auto, Always, Never };

struct PrintRequest {
    PrintMode mode = PrintMode::Month;
    bool help = false;
    bool version = false;
    bool cp949 = false;
    bool leap = false;
    Almanac almanac = Almanac::Korea;
    ColorWhen color = ColorWhen::Auto;
    std::string years;                 // FROM-TO, with --years
    std::vector<std::string> numbers;  // the positional arguments, as given
};

// The request read from args (args[0] is the program), or the usage error
// that main reports with exit status 2 before anything is printed.
std::variant<PrintRequest, UsageError> ParsePrintArguments(std::span<const char* const> args);
