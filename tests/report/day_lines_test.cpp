// Where faults passed before (scripts/mutation.py): a 토왕용사's minute in a
// day's reading, the order of an event and a 기념일 on one day ahead, a
// reminder before its event's first year, a calendar's name for a span of
// years, a reminder's missing KASI date kind written as null, and its text
// naming the day except on the day itself.
#include <gtest/gtest.h>

#include "formats/json_documents.h"
#include "report/calendar_names.h"
#include "report/date_reading.h"
#include "report/reminders.h"
#include "report/upcoming.h"
#include "userdata/date_files.h"

namespace {

TEST(DayLines, WhatEachLineMustSay)
{
    // The reading of a day of 토왕용사 gives its minute, as a term's.
    const std::string reading = DateReadingLine(ReadDate(Almanac::Korea, {2027, 1, 17}, {}, kEveryKind));
    EXPECT_NE(reading.find("토왕용사 17:46"), std::string::npos) << reading;

    // Ahead, an event comes before a 기념일 of its day (3·1절 is a holiday, 3-15 a 기념일).
    UserDates user;
    user.events = ParseEventsFile("양력 3-15 집들이\n양력 6-1 이사 #: 시작=2030 알림=0\n").events;
    const std::vector<UpcomingDate> ahead = UpcomingDates({2027, 3, 15}, 1, user, kEveryKind);
    ASSERT_EQ(ahead.size(), 2u);
    EXPECT_EQ(ahead[0].name, "집들이");
    EXPECT_EQ(ahead[1].kind, UpcomingKind::Anniversary);

    // A reminder is due only in its event's own years.
    EXPECT_TRUE(RemindersDue({2027, 6, 1}, user).empty());
    user.events = ParseEventsFile("양력 6-1 이사 기념 #: 시작=2020 알림=0\n").events;
    const std::vector<Reminder> due = RemindersDue({2027, 6, 1}, user);
    ASSERT_EQ(due.size(), 1u);
    EXPECT_NE(UpcomingJson(UpcomingDates({2027, 6, 1}, 1, user, kEveryKind)).find(R"("dateKind":null)"),
              std::string::npos);

    // A reminder names the day, except on the day itself.
    for (const auto& [daysBefore, text] :
         {std::pair{0, "이사"}, std::pair{1, "6월 1일(화) 이사"}, std::pair{7, "6월 1일(화) 이사"}}) {
        EXPECT_EQ(ReminderText({2027, 6, 1}, daysBefore, "이사"), text) << daysBefore;
    }

    // A calendar of several years is named by its span.
    EXPECT_EQ(CalendarFileName({true, false, false}, 2026, 2027), "대한민국 공휴일 2026-2027");
    EXPECT_EQ(CalendarFileName({true, false, false}, 2026, 2026), "대한민국 공휴일 2026");
}

}  // namespace
