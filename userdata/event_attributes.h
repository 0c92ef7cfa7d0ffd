#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "report/user_dates.h"
#include "runtime/message.h"

// What dalcal keeps of an event beyond its date and name: its kind, the year
// it began and its reminder, as words after "#:" at the end of its line:
//
//   음력 12-30 할아버지 기일  #: 종류=기일 시작=1998 알림=3
//
// "#" starts a comment, so a dalcal that knows no attributes reads the date
// and the name of such a line as before and skips the rest. The words:
//   종류=생일|기일|기념일|기타   (kind=birthday|memorial|anniversary|other)
//   시작=YEAR                   (since=YEAR): a lunar anniversary's in lunar years
//   알림=DAYS                   (remind=DAYS): days before, 0 on the day, up to 365
// The attributes end at the next "#", after which a comment may follow.

// The mark that begins them.
inline constexpr std::string_view kAttributesMark = "#:";

// The attributes in a line's comment (from its first "#"), read into event;
// a comment that does not begin with the mark holds none. Returns what could
// not be read, if anything: the words that could are still read.
std::optional<Message> ReadEventAttributes(std::string_view comment, UserEvent& event);

// The words for the event's attributes, "종류=기일 시작=1998 알림=3"; empty
// where it has none (kind 기타, no year, no reminder).
std::string EventAttributesText(const UserEvent& event);
