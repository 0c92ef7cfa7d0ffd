#pragma once

#include "programs/dalcal-print/printer.h"

// The lists of a span of years (the span given, or this year, checked
// against the years each is known for), one function a list and a format:
// Korea's holidays, the solar terms, the user's events; every kind of day the
// almanac marks (of the kinds shown); one iCalendar file of what
// request.lists chooses; what is coming from today (the days asked for,
// default 30, at most ten years).
void PrintHolidaysText(const Printer& printer);
void PrintHolidaysJson(const Printer& printer);
void PrintTermsText(const Printer& printer);
void PrintTermsJson(const Printer& printer);
void PrintEventsText(const Printer& printer);
void PrintEventsJson(const Printer& printer);
void PrintDaysText(const Printer& printer);
void PrintDaysJson(const Printer& printer);
void PrintDaysIcs(const Printer& printer);
void PrintCalendarFile(const Printer& printer);
void PrintUpcomingText(const Printer& printer);
void PrintUpcomingJson(const Printer& printer);
