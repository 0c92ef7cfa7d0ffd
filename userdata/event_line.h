#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "report/user_dates.h"
#include "runtime/message.h"

// An event as a line of the events file (date_files.h), and what can be
// written as one.

// The line that says event: "음력 윤6-1 할머니 생신  #: 종류=생일 시작=1930 알림=3".
std::string EventLine(const UserEvent& event);

// A line of the file that reads as was, changed to read as now: where the
// date and the name stay, the line's own words for them stay too (as
// "lunar 3-15" written by hand); its attributes are written anew; a comment
// after them is kept.
std::string ChangedEventLine(std::string_view line, const UserEvent& was, const UserEvent& now);

// Why an event cannot be written, or none: the file's own reader reads its
// line back as exactly the event, or says why not (a month 13, a solar 2-30,
// a name that holds "#" or a line break).
std::optional<Message> EventLineProblem(const UserEvent& event);

// A line typed for the file (dalcal-print --add-event) read as the file's
// reader reads it: its one event, or why it is none (the reader's reason;
// a line that is blank, a comment, or more than one line).
std::variant<UserEvent, Message> ReadEventLine(std::string_view line);

// Whether two events say the same: date, name, kind, first year, reminder.
bool SameEvent(const UserEvent& a, const UserEvent& b);
