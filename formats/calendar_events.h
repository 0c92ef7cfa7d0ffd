#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/holidays.h"
#include "engine/solar_terms.h"
#include "formats/icalendar.h"
#include "formats/json_documents.h"
#include "report/almanac_days.h"
#include "report/user_dates.h"

// dalcal-print's data as iCalendar events. Each UID comes from what the event
// is (its kind, day and name; a term's year and index; an anniversary's lunar
// date, year and summary), so that importing a newer file updates the events
// an older one made.

// Holidays as all-day events, the kind as category, the lunar date (in
// Korea's almanac) as description; one at a time, for a long file written as
// it is made: a
// holiday's name, kind and fingerprint are made once, and the event's texts
// reuse their room. The event lives until the next Make.
class HolidayEventMaker {
public:
    const CalendarEvent& Make(const Holiday& holiday);

private:
    struct Label {
        std::string name;
        std::string kind;
        std::string fingerprint;  // of what makes a holiday this holiday: its kind and name
    };
    static Label LabelOf(const Holiday& holiday);

    struct LabelKey {
        std::string name;
        HolidayKind kind;
        bool operator==(const LabelKey&) const = default;
    };
    struct LabelKeyHash {
        std::size_t operator()(const LabelKey& key) const
        {
            return std::hash<std::string>{}(key.name) ^ static_cast<std::size_t>(key.kind);
        }
    };
    std::unordered_map<LabelKey, Label, LabelKeyHash> labels_;  // a few dozen
    CalendarEvent event_;
};

// A term as a moment, in UTC; the Korean time as description. Fills event,
// reusing its room (a long file makes one after another).
void MakeSolarTermEvent(const SolarTerm& term, CalendarEvent& event);

// The user's events as all-day events, the rule's text (EventText) as
// description. The UID comes from the event's rule and name and the year it
// is kept for (a lunar anniversary's lunar year).
std::vector<CalendarEvent> UserEventEvents(const std::vector<EventDay>& days);

// 기념일 and 잡절 as all-day events, and 토왕용사 as moments in UTC, under
// their kind's category ("기념일", "잡절"), the lunar date (or the Korean
// time) as description; one at a time, as the holidays (a century holds ten
// thousand). The UID comes from the kind, the day and the name. Other kinds
// are not its to make (the makers above write them): Make answers nothing.
class AlmanacDayEventMaker {
public:
    const CalendarEvent* Make(const MarkedDay& day);

private:
    std::unordered_map<std::string, std::string> fingerprints_;  // by name: a hundred or so
    CalendarEvent event_;
};

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
