#pragma once

#include <string>

// The program's text: a byte string holding CP949 (ASCII-compatible, a Korean
// syllable is two bytes). Lengths and widths are always counted in these bytes.
using AnsiString = std::string;
