#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/civil_date.h"

// An iCalendar file (RFC 5545) for people to import or subscribe to: a
// VCALENDAR of VEVENTs, CRLF line ends, lines folded at 75 octets (never
// inside a UTF-8 sequence), TEXT values escaped. Texts are UTF-8.

struct CalendarEvent {
    std::string uid;  // unique in the file, and the same on every run for the same event; the
                      // program's own ASCII (letters, digits, '-', '.', '@'), written as it is
    std::string summary;
    std::string description;                     // empty: none
    std::string category;                        // empty: none
    GregorianDate date;                          // an all-day event on this day, or the UTC date of a moment
    std::optional<std::int32_t> utcMinuteOfDay;  // a moment (DTSTART in UTC, a second long) rather than a day
    // The description and the category are the program's own words (UTF-8
    // made from its CP949 text, none of the characters TEXT escapes), written
    // as they are; otherwise they are escaped like the summary.
    bool ownWords = false;
};

// Where a file is written, piece by piece.
using CalendarOutput = std::function<void(std::string_view)>;

// A file written to output as its events are added, in pieces of about
// 16 KiB: a long file never sits in memory whole, and few pages are touched. stampUnixSeconds is the
// DTSTAMP of every event (seconds since 1970-01-01 UTC, at least 0).
class ICalendarWriter {
public:
    ICalendarWriter(std::string_view calendarName, std::int64_t stampUnixSeconds, CalendarOutput output);
    void Add(const CalendarEvent& event);
    void Finish();  // ends the calendar; add nothing after it

private:
    static constexpr std::size_t kPieceBytes = std::size_t{16} * 1024;
    std::string stampLine_;  // DTSTAMP, the same for every event
    CalendarOutput output_;
    std::string buffer_;
};

// A whole file with these events, as one string.
std::string ICalendar(std::string_view calendarName, const std::vector<CalendarEvent>& events,
                      std::int64_t stampUnixSeconds);

// A TEXT value (RFC 5545 3.3.11): backslash, semicolon, comma and newline
// escaped; other control characters left out and bytes that are no UTF-8
// replaced by U+FFFD, so that no value can break out of its property.
std::string EscapeText(std::string_view utf8);

// One content line folded to lines of at most 75 octets, each ended by CRLF
// and continued after a blank; a fold never falls inside a UTF-8 sequence.
std::string FoldLine(std::string_view line);

// A DATE value (YYYYMMDD, years 1..9999) appended to out.
void AppendDateValue(std::string& out, const GregorianDate& date);

// A short stable fingerprint of a text (64-bit FNV-1a, 16 hex digits), for UIDs.
std::string Fingerprint(std::string_view text);
