#pragma once

#include <string>

#include "arguments.h"
#include "exception.h"
#include "print_run.h"

// What the mains of dalcal-print and of the page drawer it starts share:
// reading the run's surroundings and saying what went wrong. Both speak as
// dalcal-print, the program the user ran.

inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

// Today, the stamp of iCalendar events, colour for a terminal, and the
// user's files (each line or file that cannot be used one message on stderr).
RunContext ReadSurroundings(const PrintRequest& request);

// "dalcal-print: MESSAGE" and the hint to --help on stderr; the usage status.
int ReportUsageError(const UsageError& usage);

// "dalcal-print: MESSAGE" on stderr, after what was printed; in CP949 where
// the output is.
void Complain(const std::string& message, bool cp949 = false) noexcept;

// Whether standard output is a terminal, which PDF or SVG bytes are never
// written onto (as compressors refuse): then says so.
bool RefusedOntoTerminal(OutputFormat format);

// A refusal in the reader's language, UTF-8.
std::string Shown(const Exception& error);

// Whether all output reached its reader; says why not (a full disk, a closed pipe).
bool OutputWritten();
