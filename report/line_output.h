#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "runtime/ansi_string.h"

// Where the report's lines go, one at a time, with no line terminator.

// Every view's text: UTF-8.
using TextOutput = std::function<void(const std::string& line)>;

// The window's designed calendar (PrintMonth): CP949, widths in its bytes.
using LineOutput = std::function<void(const AnsiString& line)>;

// Text to put before and after the cell of a day of the month (a terminal's
// colours: ASCII escape sequences), in either.
struct CellMarks {
    std::string before;
    std::string after;
};
using CellStyle = std::function<CellMarks(std::int32_t day)>;
