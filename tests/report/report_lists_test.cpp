// The lines below a month and the year lists of dalcal-print.
#include <algorithm>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "report/month_notes.h"
#include "report/year_lists.h"
#include "runtime/exception.h"

namespace {

std::vector<std::string> NotesOf(std::int32_t year, std::int32_t month, const UserDates& user = {},
                                 const DayKinds& kinds = kListedKinds)
{
    std::vector<std::string> lines;
    PrintMonthNotes(
        year, month, [&lines](const std::string& line) { lines.push_back(line); }, user, kinds);
    return lines;
}

std::vector<std::string> HolidayListOf(std::int32_t year, const UserDates& user = {})
{
    std::vector<std::string> lines;
    PrintHolidayList(
        year, [&lines](const std::string& line) { lines.push_back(line); }, user);
    return lines;
}

std::vector<std::string> Lines(void (*print)(std::int32_t, const TextOutput&), std::int32_t year)
{
    std::vector<std::string> lines;
    print(year, [&lines](const std::string& line) { lines.push_back(line); });
    return lines;
}

TEST(MonthNotes, HolidaysAndTermsInDateOrder)
{
    EXPECT_EQ(NotesOf(2026, 5), (std::vector<std::string>{
                                    " 5월  1일(금) 노동절",
                                    " 5월  5일(화) 어린이날",
                                    " 5월  5일(화) 입하 20:49",
                                    " 5월 21일(목) 소만 09:37",
                                    " 5월 24일(일) 부처님오신날",
                                    " 5월 25일(월) 부처님오신날 대체공휴일",
                                }));
}

TEST(MonthNotes, YearsWithoutKnownHolidaysSaySo)
{
    const std::vector<std::string> lines = NotesOf(1990, 1);
    ASSERT_EQ(lines.size(), 3u);  // two terms, then the notice
    EXPECT_EQ(lines[2], "   (공휴일은 2014-2100년만 표시함)");
    EXPECT_TRUE(NotesOf(2026, 13).empty());
    EXPECT_EQ(NotesOf(2200, 1), std::vector<std::string>{"   (공휴일은 2014-2100년만 표시함)"});
}

TEST(YearLists, HolidaysAndTerms)
{
    const std::vector<std::string> holidays = HolidayListOf(2025);
    ASSERT_EQ(holidays.size(), 20u);
    EXPECT_EQ(holidays[1], "2025-01-27 월요일 설 연휴 임시공휴일");  // the kind said once
    EXPECT_EQ(holidays[9], "2025-05-06 화요일 부처님오신날·어린이날 (대체공휴일)");
    const std::vector<std::string> terms = Lines(PrintSolarTermList, 2025);
    ASSERT_EQ(terms.size(), 24u);
    EXPECT_EQ(terms[2], "2025-02-03 23:10 입춘");
    EXPECT_THROW(HolidayListOf(2013), EConvertError);
    EXPECT_THROW(Lines(PrintSolarTermList, 2101), EConvertError);
}

// A family's dates as the events file gives them, and one added holiday.
UserDates FamilyDates()
{
    UserDates user;
    user.events = {
        {{DateRuleKind::Lunar, 0, 3, 15, false}, "어머니 생신"},
        {{DateRuleKind::Lunar, 0, 12, 30, false}, "할아버지 기일"},
        {{DateRuleKind::Solar, 0, 2, 29, false}, "윤일 생일"},
        {{DateRuleKind::Once, 2026, 3, 2, false}, "이사"},
        {{DateRuleKind::Lunar, 0, 6, 1, true}, "할머니 생신"},
    };
    user.holidays = {{{2026, 3, 2}, "임시공휴일", HolidayKind::Designated, 0},
                     {{2026, 5, 5}, "가족의 날", HolidayKind::Designated, 0}};  // on a built-in holiday's day
    user.holidaySources = {"/tmp/holidays"};
    return user;
}

// May 2027 as a wall calendar gives it: 기념일 only when asked for, each
// kind left out when hidden; July's 삼복 and 칠석 in August.
TEST(MonthNotes, KindsOfDaysShownAndHidden)
{
    const std::vector<std::string> listed = NotesOf(2027, 5);
    EXPECT_EQ(std::ranges::count_if(listed, [](const std::string& line) { return line.ends_with("(기념일)"); }), 0);
    DayKinds withAnniversaries = kListedKinds;
    withAnniversaries.anniversaries = true;
    const std::vector<std::string> all = NotesOf(2027, 5, {}, withAnniversaries);
    EXPECT_NE(std::ranges::find(all, " 5월  8일(토) 어버이날 (기념일)"), all.end());
    EXPECT_NE(std::ranges::find(all, " 5월 15일(토) 스승의 날 (기념일)"), all.end());
    EXPECT_EQ(all.size(), listed.size() + 21);  // KASI lists 22, 어린이날 among them
    EXPECT_EQ(NotesOf(2027, 7), (std::vector<std::string>{
                                    " 7월  7일(수) 소서 16:37",
                                    " 7월 17일(토) 제헌절",
                                    " 7월 19일(월) 제헌절 대체공휴일",
                                    " 7월 20일(화) 초복",
                                    " 7월 23일(금) 대서 10:05",
                                    " 7월 30일(금) 중복",
                                }));
    EXPECT_EQ(NotesOf(2027, 7, {}, {false, false, false, true, false}),
              (std::vector<std::string>{" 7월 20일(화) 초복", " 7월 30일(금) 중복"}));
    EXPECT_EQ(NotesOf(2027, 8, {}, {false, false, false, true, false}),
              (std::vector<std::string>{" 8월  8일(일) 칠석", " 8월  9일(월) 말복"}));
}

TEST(MonthNotes, UserDatesAmongHolidaysAndTerms)
{
    // The added day takes 3-2, so 삼일절's substitute day moves to 3-3.
    EXPECT_EQ(NotesOf(2026, 3, FamilyDates()), (std::vector<std::string>{
                                                   " 3월  1일(일) 삼일절",
                                                   " 3월  2일(월) 임시공휴일",
                                                   " 3월  2일(월) 이사",
                                                   " 3월  3일(화) 삼일절 대체공휴일",
                                                   " 3월  3일(화) 정월대보름",
                                                   " 3월  5일(목) 경칩 22:59",
                                                   " 3월 20일(금) 춘분 23:46",
                                               }));
    // 음력 12-30 of lunar 2025 has 29 days; 2-29 in a common year.
    const std::vector<std::string> february = NotesOf(2026, 2, FamilyDates());
    EXPECT_NE(std::find(february.begin(), february.end(), " 2월 16일(월) 할아버지 기일 (음력 12.30, 옮김)"),
              february.end());
    EXPECT_NE(std::find(february.begin(), february.end(), " 2월 28일(토) 윤일 생일 (양력 2.29, 옮김)"), february.end());
    EXPECT_EQ(NotesOf(2026, 5, FamilyDates())[1], " 5월  1일(금) 어머니 생신 (음력 3.15)");
}

TEST(YearLists, AddedHolidaysAndEvents)
{
    const std::vector<std::string> holidays = HolidayListOf(2026, FamilyDates());
    EXPECT_NE(std::find(holidays.begin(), holidays.end(), "2026-03-02 월요일 임시공휴일 (추가)"), holidays.end());
    EXPECT_NE(std::find(holidays.begin(), holidays.end(), "2026-03-03 화요일 삼일절 (대체공휴일)"), holidays.end());
    // An added day on a built-in holiday's day is kept beside it.
    EXPECT_NE(std::find(holidays.begin(), holidays.end(), "2026-05-05 화요일 어린이날 (공휴일)"), holidays.end());
    EXPECT_NE(std::find(holidays.begin(), holidays.end(), "2026-05-05 화요일 가족의 날 (임시공휴일, 추가)"),
              holidays.end());
    std::vector<std::string> events;
    PrintEventList(2024, 2025, FamilyDates(), [&events](const std::string& line) { events.push_back(line); });
    EXPECT_EQ(events,
              (std::vector<std::string>{
                  "2024-02-09 할아버지 기일 (음력 12.30)", "2024-02-29 윤일 생일", "2024-04-23 어머니 생신 (음력 3.15)",
                  "2024-07-06 할머니 생신 (음력 윤6.1, 옮김)",    // 2024 has no leap 6th month
                  "2025-01-28 할아버지 기일 (음력 12.30, 옮김)",  // lunar 2024's, by its Gregorian date
                  "2025-02-28 윤일 생일 (양력 2.29, 옮김)", "2025-04-12 어머니 생신 (음력 3.15)",
                  "2025-07-25 할머니 생신 (음력 윤6.1)",  // of the leap month, as its own
              }));
}

// With the year it began, each day says how many years: a lunar birthday
// by lunar years, none in its first year and no day before it, nothing
// counted for 기타 or a one-day event.
TEST(YearLists, YearsCountedAsTheDateIsKept)
{
    const auto event = [](DateRule rule, const char* name, EventKind kind, std::int32_t since) {
        UserEvent made(rule, name);
        made.kind = kind;
        made.sinceYear = since;
        return made;
    };
    UserDates user;
    user.events = {
        event({DateRuleKind::Lunar, 0, 12, 30, false}, "할아버지 기일", EventKind::Memorial, 1998),
        event({DateRuleKind::Lunar, 0, 11, 20, false}, "아버지 생신", EventKind::Birthday, 1954),
        event({DateRuleKind::Solar, 0, 5, 8, false}, "결혼기념일", EventKind::Anniversary, 1996),
        event({DateRuleKind::Solar, 0, 3, 4, false}, "아기 생일", EventKind::Birthday, 2025),
        event({DateRuleKind::Solar, 0, 6, 1, false}, "가게", EventKind::Other, 2000),
        event({DateRuleKind::Once, 2025, 9, 1, false}, "입학", EventKind::Anniversary, 2020),
    };
    std::vector<std::string> lines;
    PrintEventList(2024, 2026, user, [&lines](const std::string& line) { lines.push_back(line); });
    EXPECT_EQ(lines, (std::vector<std::string>{
                         // lunar 11.20 of 2023 falls in January 2024: the 69th year by lunar years
                         "2024-01-01 아버지 생신 (음력 11.20, 만 69세)",
                         "2024-02-09 할아버지 기일 (음력 12.30, 25주기)",  // of lunar 2023
                         "2024-05-08 결혼기념일 (28주년)",
                         "2024-06-01 가게",
                         "2024-12-20 아버지 생신 (음력 11.20, 만 70세)",
                         "2025-01-28 할아버지 기일 (음력 12.30, 옮김, 26주기)",  // lunar 2024's, moved
                         "2025-03-04 아기 생일",                                 // its first year, not before
                         "2025-05-08 결혼기념일 (29주년)",
                         "2025-06-01 가게",
                         "2025-09-01 입학",
                         "2026-01-08 아버지 생신 (음력 11.20, 만 71세)",
                         "2026-02-16 할아버지 기일 (음력 12.30, 옮김, 27주기)",
                         "2026-03-04 아기 생일 (만 1세)",
                         "2026-05-08 결혼기념일 (30주년)",
                         "2026-06-01 가게",
                         "2026-12-28 아버지 생신 (음력 11.20, 만 72세)",
                     }));
}

}  // namespace
