#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "holidays.h"
#include "icalendar.h"
#include "json_documents.h"
#include "solar_terms.h"
#include "user_dates.h"

// dalcal-print's data as iCalendar events. Each UID comes from what the event
// is (its kind, day and name; a term's year and index; an anniversary's lunar
// date, year and summary), so that importing a newer file updates the events
// an older one made.

// All-day events, the kind as category, the lunar date as description.
std::vector<CalendarEvent> HolidayEvents(const std::vector<Holiday>& holidays);

// Moments, in UTC; the Korean time as description.
std::vector<CalendarEvent> SolarTermEvents(const std::vector<SolarTerm>& terms);

// The user's events as all-day events, the rule's text (EventText) as
// description. The UID comes from the event's rule and name and the year it
// is kept for (a lunar anniversary's lunar year).
std::vector<CalendarEvent> UserEventEvents(const std::vector<EventDay>& days);

// A lunar date year by year, all-day under summary (UTF-8); years that lack
// the date have no event.
struct LunarAnniversary {
    std::int32_t month;
    std::int32_t day;
    bool leap;
    std::string summary;
};
std::vector<CalendarEvent> AnniversaryEvents(const LunarAnniversary& anniversary,
                                             const std::vector<LunarDateOfYear>& years);
