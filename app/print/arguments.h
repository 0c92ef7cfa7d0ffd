#pragma once

#include <string>
#include <vector>

#include "almanac.h"

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

// The request, or a usage error: a message on stderr and exit status 2,
// before anything is printed.
PrintRequest ParsePrintArguments(int argc, char** argv);

[[noreturn]] void UsageError(const std::string& message);
