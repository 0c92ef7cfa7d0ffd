// What is coming from a pinned today: across a year end, at the span's last
// day, and at the edges of the years known.
#include "report/upcoming.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "userdata/date_files.h"

namespace {

std::vector<std::string> Lines(const std::vector<UpcomingDate>& dates)
{
    std::vector<std::string> lines;
    lines.reserve(dates.size());
    for (const UpcomingDate& date : dates) {
        lines.push_back(std::to_string(date.date.month) + "-" + std::to_string(date.date.day) + " " + date.name + " " +
                        std::to_string(date.daysLeft) + (date.moved ? " moved" : ""));
    }
    return lines;
}

TEST(Upcoming, AcrossAYearEndInDateOrder)
{
    UserDates user;
    user.events = ParseEventsFile("양력 1-1 새해 다짐\n2026-12-20 오늘 일\n음력 11-30 기일\n").events;
    const std::vector<std::string> expected = {
        "12-20 오늘 일 0",  "12-22 동지 2", "12-25 기독탄신일 5",
        "1-1 신정 12",  // a holiday before an event of its day
        "1-1 새해 다짐 12", "1-5 소한 16",  "1-7 기일 (음력 11.30) 18",
        // 대한 falls on 2027-01-20, the 32nd day: not within 30
    };
    EXPECT_EQ(Lines(UpcomingDates({2026, 12, 20}, 30, user)), expected);
    EXPECT_EQ(Lines(UpcomingDates({2026, 12, 20}, 1, user)), std::vector<std::string>{"12-20 오늘 일 0"});
    EXPECT_TRUE(UpcomingDates({2026, 12, 20}, 0, user).empty());
    EXPECT_EQ(UpcomingDates({2026, 12, 20}, 31, user).back().name, "기일 (음력 11.30)");
    EXPECT_EQ(UpcomingDates({2026, 12, 20}, 32, user).back().name, "대한");
    // The lines as --upcoming writes them: a term with its minute, a holiday without.
    const std::vector<UpcomingDate> dates = UpcomingDates({2026, 12, 20}, 32, user);
    EXPECT_EQ(UpcomingLine(dates.back(), "in 31 days"), "2027-01-20 수요일 대한 16:30 · in 31 days");
    EXPECT_EQ(UpcomingLine(dates.front(), "today"), "2026-12-20 일요일 " + dates.front().name + " · today");
}

TEST(Upcoming, AtTheEdgesOfTheYearsKnown)
{
    EXPECT_TRUE(UpcomingDates({9999, 12, 30}, kMostUpcomingDays, {}).empty());  // no holidays or terms known
    EXPECT_TRUE(UpcomingDates({0, 12, 31}, 30, {}).empty());
    const std::vector<UpcomingDate> decade = UpcomingDates({2090, 1, 1}, kMostUpcomingDays + 1000, {});
    ASSERT_FALSE(decade.empty());
    // Capped at ten years: up to 2100-01-08, whose last date is 소한 on the 5th (대한 is the 20th).
    EXPECT_EQ(decade.back().date, (GregorianDate{2100, 1, 5}));
    EXPECT_EQ(decade.back().daysLeft, kMostUpcomingDays - 4);
}

}  // namespace
