#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "report/user_dates.h"
#include "runtime/civil_date.h"

// The reminders of the user's dates: an event kept with a reminder N days
// before (UserEvent::remindDays) reminds on the day N days before each of
// its days, 0 on the day itself.

struct Reminder {
    EventDay day;             // the event and the day it falls on
    std::int32_t daysBefore;  // 0: the day is today
};

// The reminders due on today, in the order of their days (and of the file),
// for the days of years 1..9999.
std::vector<Reminder> RemindersDue(const GregorianDate& today, const UserDates& user);

// What a reminder says after the words for when (오늘, 내일, 3일 남음), UTF-8:
// the event as the views name it (EventText), after its day where that is not
// today: "12월 12일(토) 할머니 제사 (음력 11.3)", "어머니 생신 (음력 1.5, 만 72세)".
std::string ReminderText(const GregorianDate& date, std::int32_t daysBefore, std::string_view eventText);
std::string ReminderText(const Reminder& reminder);

// What identifies a reminder sent: the day it reminds of and the event
// (its date rule and name), one line of text without a line break.
std::string ReminderIdentity(const Reminder& reminder);
