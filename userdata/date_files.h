#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/message.h"

#include "report/user_dates.h"

// The user's two kinds of date file, UTF-8 text, a date a line; "#" starts a
// comment, blank lines are skipped. A line that cannot be read is reported
// with its number and skipped; every other line is used.
//
// Events ($XDG_CONFIG_HOME/dalcal/events):
//   음력 3-15 어머니 생신      a lunar anniversary ("lunar" also reads)
//   음력 윤6-1 할머니 생신     of a leap month ("leap6-1" also reads)
//   양력 5-8 어버이날          every year on a Gregorian day ("solar")
//   2027-03-04 이사            one day
//   음력 12-30 할아버지 기일  #: 종류=기일 시작=1998 알림=3
//                              its kind, first year and reminder (event_attributes.h)
// Added holidays (/etc/dalcal/holidays, $XDG_CONFIG_HOME/dalcal/holidays):
//   2026-03-02 임시공휴일 지정일 임시공휴일
//   YYYY-MM-DD NAME [KIND]: a last word that is a kind (공휴일, 대체공휴일,
//   선거일, 임시공휴일) is the kind, 임시공휴일 where none is given; a kind
//   alone is the name too ("2026-03-02 임시공휴일").

// A line that was not used, and why (for the message "FILE:LINE: why").
struct LineProblem {
    std::int32_t line;  // 1-based
    Message why;
    bool used = false;  // the line was used all the same, without what is wrong (an event's attribute)
};

struct EventsFile {
    std::vector<UserEvent> events;
    std::vector<LineProblem> problems;
};
EventsFile ParseEventsFile(std::string_view text);

struct HolidaysFile {
    std::vector<AddedHoliday> holidays;  // source 0: the caller numbers its files
    std::vector<LineProblem> problems;
};
HolidaysFile ParseHolidaysFile(std::string_view text);
