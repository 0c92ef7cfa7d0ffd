#pragma once

#include "printer.h"

// The lists of a span of years: Korea's holidays, the solar terms, the user's
// events, as text, JSON or iCalendar; with --ics any of the three in one file.

void PrintHolidays(const Printer& printer);
void PrintTerms(const Printer& printer);
void PrintEvents(const Printer& printer);

// One iCalendar file of what request.lists chooses, each part over the span
// given (or this year), checked against the years it is known for.
void PrintCalendarFile(const Printer& printer);

// Every kind of day the almanac marks (of the kinds shown) over the span given
// (or this year) within 1900-2100: a line each, JSON, or one iCalendar file.
void PrintDays(const Printer& printer);

// What is coming from today: the days asked for (default 30, at most ten
// years), a line each with the days left, or JSON.
void PrintUpcoming(const Printer& printer);
