#pragma once

#include <string_view>

// What the fuzzers ask of dalcal-print's documents, without a library: a
// JSON text that RFC 8259's grammar accepts (nested at most 64 deep), and an
// iCalendar file whose lines are CRLF-ended, at most 75 octets, UTF-8, whose
// components open and close in order, and whose every content line names a
// property the program writes (so no text can have made one of its own).
bool IsJsonText(std::string_view text);
bool IsProgramICalendar(std::string_view text);
