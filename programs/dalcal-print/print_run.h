#pragma once

#include <functional>
#include <string_view>

#include "print_request/arguments.h"
#include "print_request/surroundings.h"
#include "programs/dalcal-print/printer.h"

// Carrying out what dalcal-print was asked (all but --help, --version and the
// pages, which main has the page drawer write), apart from main so that the
// tests and the fuzzers run it whole.

// Writes what the request asks for to output. A refused value raises
// EConvertError (what was written stays written). Returns the exit status:
// 0, or 1 where --from-lunar --years found the date in none of the years.
int RunPrintRequest(const PrintRequest& request, const RunContext& context, const ByteOutput& output);
