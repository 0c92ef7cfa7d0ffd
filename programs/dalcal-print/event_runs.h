#pragma once

#include "programs/dalcal-print/printer.h"

// --add-event LINE and --remove-event NAME: the user's events file (or
// --events-file) changed by the one writer of events_editor.h. Returns the
// exit status: 0 done, 1 nothing to remove; a file that cannot be written,
// or a change refused, raises an Exception with its reason.

int AddEventRun(const Printer& printer);
int RemoveEventRun(const Printer& printer);
