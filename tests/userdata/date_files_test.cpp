// The events file and the files of added holidays. This file's text is
// CP949 under clang, so the files' UTF-8 is written as bytes.
#include "userdata/date_files.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// UTF-8 of the Korean words the files use.
const std::string kLunar = "\xEC\x9D\x8C\xEB\xA0\xA5";                  // 음력
const std::string kSolar = "\xEC\x96\x91\xEB\xA0\xA5";                  // 양력
const std::string kLeap = "\xEC\x9C\xA4";                               // 윤
const std::string kMother = "\xEC\x96\xB4\xEB\xA8\xB8\xEB\x8B\x88";     // 어머니
const std::string kElection = "\xEC\x84\xA0\xEA\xB1\xB0\xEC\x9D\xBC";   // 선거일
const std::string kHoliday = "\xEA\xB3\xB5\xED\x9C\xB4\xEC\x9D\xBC";    // 공휴일
const std::string kDesignated = "\xEC\x9E\x84\xEC\x8B\x9C" + kHoliday;  // 임시공휴일

std::vector<std::int32_t> ProblemLines(const std::vector<LineProblem>& problems)
{
    std::vector<std::int32_t> lines;
    lines.reserve(problems.size());
    for (const LineProblem& problem : problems) lines.push_back(problem.line);
    return lines;
}

TEST(EventsFile, ReadsEveryKindOfLine)
{
    const std::string text = "# family\r\n" + kLunar + " 3-15 " + kMother + " birthday\r\n\n" + kLunar + " " + kLeap +
                             "6-1 grandmother  # a comment\n" + "lunar leap12-30 a\n" + kSolar + " 5-8 parents\n" +
                             "solar 2-29 b\n" + "2027-03-04 moving\n" + "  2027-3-4   moving again  \n";
    const EventsFile file = ParseEventsFile(text);
    EXPECT_TRUE(file.problems.empty()) << file.problems.front().why.English();
    const std::vector<DateRule> rules = {
        {DateRuleKind::Lunar, 0, 3, 15, false},  {DateRuleKind::Lunar, 0, 6, 1, true},
        {DateRuleKind::Lunar, 0, 12, 30, true},  {DateRuleKind::Solar, 0, 5, 8, false},
        {DateRuleKind::Solar, 0, 2, 29, false},  {DateRuleKind::Once, 2027, 3, 4, false},
        {DateRuleKind::Once, 2027, 3, 4, false},
    };
    ASSERT_EQ(file.events.size(), rules.size());
    for (std::size_t i = 0; i < rules.size(); ++i) EXPECT_TRUE(file.events[i].rule == rules[i]) << i;
    EXPECT_EQ(file.events[0].name, kMother + " birthday");
    EXPECT_EQ(file.events[0].name, "어머니 birthday");  // CP949 for the text views
    EXPECT_EQ(file.events[1].name, "grandmother");
    EXPECT_EQ(file.events[6].name, "moving again");
}

TEST(EventsFile, BadLinesAreReportedByNumberAndTheRestIsUsed)
{
    const std::string text =
        "lunar 13-1 a\n"          // 1: month 13
        "solar 2-30 b\n"          // 2: no such day
        "2026-02-30 c\n"          // 3: no such date
        "yearly 3-1 d\n"          // 4: an unknown kind
        "lunar 3-15\n"            // 5: no name
        "lunar 3-15 ok\n"         // 6
        "\xFF\xFE bytes\n"        // 7: not UTF-8
        "lunar 3-15 ok\n"         // 8: the same as 6
        "10000-01-01 e\n"         // 9: a year of five digits
        "lunar 3-x f\n"           // 10: no day
        "solar 1-31 tab\there\n"  // 11: fine, a tab in the name
        "lunar 1-1 \x01 g\n"      // 12: a control character
        "lunar leap3-31 h";       // 13: day 31, no newline at the end
    const EventsFile file = ParseEventsFile(text);
    EXPECT_EQ(ProblemLines(file.problems), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 7, 8, 9, 10, 12, 13}));
    ASSERT_EQ(file.events.size(), 2u);
    EXPECT_EQ(file.events[0].name, "ok");
    EXPECT_EQ(file.events[1].name, "tab\there");
    EXPECT_EQ(file.problems[0].why.English(), "\"13-1\" is not a date: there is no month 13");
    EXPECT_EQ(file.problems[6].why.English(), "the same event as line 6");
}

// The same rule and name again, however often, is one event; the same name
// under another rule, or another name under the same rule, is another.
TEST(EventsFile, AnEventReadAgainIsKeptOnce)
{
    const EventsFile file =
        ParseEventsFile("solar 1-1 a\nlunar 1-1 a\nsolar 1-1 a\nsolar 1-1 b\nsolar 1-1 a\n1999-01-01 a\nlunar 1-1 a\n");
    EXPECT_EQ(ProblemLines(file.problems), (std::vector<std::int32_t>{3, 5, 7}));
    ASSERT_EQ(file.problems.size(), 3u);
    EXPECT_EQ(file.problems[1].why.English(), "the same event as line 1");
    EXPECT_EQ(file.problems[2].why.English(), "the same event as line 2");
    ASSERT_EQ(file.events.size(), 4u);
    EXPECT_TRUE(file.events[1].rule == (DateRule{DateRuleKind::Lunar, 0, 1, 1, false}));
    EXPECT_EQ(file.events[2].name, "b");
    EXPECT_TRUE(file.events[3].rule == (DateRule{DateRuleKind::Once, 1999, 1, 1, false}));
}

// What dalcal keeps of an event after "#:": read in either language, a word
// it cannot read reported while the date and the other words are used; a
// plain comment, or one with the mark later, holds none.
TEST(EventsFile, AttributesAfterTheirMark)
{
    struct Row {
        const char* comment;
        EventKind kind;
        std::int32_t since;
        std::optional<std::int32_t> remind;
        const char* problem;  // empty: none
    };
    const Row rows[] = {
        {"", EventKind::Other, 0, std::nullopt, ""},
        {"#: 종류=기일 시작=1998 알림=3", EventKind::Memorial, 1998, 3, ""},
        {"#:kind=birthday  since=1954\tremind=0", EventKind::Birthday, 1954, 0, ""},
        {"#: 종류=기념일 # 결혼", EventKind::Anniversary, 0, std::nullopt, ""},
        {"#: 알림=365 시작=1 종류=기타", EventKind::Other, 1, 365, ""},
        {"# 종류=기일", EventKind::Other, 0, std::nullopt, ""},          // a plain comment
        {"# note #: 종류=기일", EventKind::Other, 0, std::nullopt, ""},  // the mark must come first
        {"#:", EventKind::Other, 0, std::nullopt, ""},
        {"#: 알림=366 종류=생일", EventKind::Birthday, 0, std::nullopt,
         "\"알림=366\" is not a number of days before (0-365)"},
        {"#: 알림=-1", EventKind::Other, 0, std::nullopt, "\"알림=-1\" is not a number of days before (0-365)"},
        {"#: 시작=0", EventKind::Other, 0, std::nullopt, "\"시작=0\" is not a year (1-9999)"},
        {"#: 시작=+1998", EventKind::Other, 0, std::nullopt, "\"시작=+1998\" is not a year (1-9999)"},
        {"#: 종류=제사 알림=7", EventKind::Other, 0, 7, "\"종류=제사\" is not a kind (생일, 기일, 기념일 or 기타)"},
        {"#: 기일", EventKind::Other, 0, std::nullopt, "\"기일\" is not 종류=, 시작= or 알림="},
        {"#: color=red", EventKind::Other, 0, std::nullopt, "\"color=red\" is not 종류=, 시작= or 알림="},
        {"#: =기일", EventKind::Other, 0, std::nullopt, "\"=기일\" is not 종류=, 시작= or 알림="},
    };
    for (const Row& row : rows) {
        const EventsFile file = ParseEventsFile(std::string("lunar 12-30 grandfather  ") + row.comment + "\n");
        ASSERT_EQ(file.events.size(), 1u) << row.comment;
        const UserEvent& event = file.events[0];
        EXPECT_EQ(event.name, "grandfather") << row.comment;
        EXPECT_EQ(event.line, 1);
        EXPECT_EQ(event.kind, row.kind) << row.comment;
        EXPECT_EQ(event.sinceYear, row.since) << row.comment;
        EXPECT_EQ(event.remindDays, row.remind) << row.comment;
        if (row.problem[0] == '\0') {
            EXPECT_TRUE(file.problems.empty()) << row.comment;
            continue;
        }
        ASSERT_EQ(file.problems.size(), 1u) << row.comment;
        EXPECT_EQ(file.problems[0].why.English(), row.problem);
        EXPECT_TRUE(file.problems[0].used);
    }
}

// A long file: its repeats are found however many events came between.
TEST(EventsFile, RepeatsAreFoundInALongFile)
{
    constexpr int kEvents = 5000;
    std::string text;
    for (int i = 0; i < kEvents; ++i) text += "solar " + std::to_string(i % 12 + 1) + "-1 e" + std::to_string(i) + "\n";
    text += "solar 1-1 e0\nsolar 12-1 e4991\nsolar 2-1 e4991\n";
    const EventsFile file = ParseEventsFile(text);
    EXPECT_EQ(ProblemLines(file.problems), (std::vector<std::int32_t>{kEvents + 1, kEvents + 2}));
    EXPECT_EQ(file.problems.back().why.English(), "the same event as line 4992");
    EXPECT_EQ(file.events.size(), std::size_t{kEvents + 1});
}

TEST(HolidaysFile, KindIsTheLastWordWhenItIsOne)
{
    const std::string text =
        "2026-03-02 a day off\n"  // the default kind
        "2028-04-12 " +
        kElection + " " + kElection +
        "\n"  // 선거일 선거일: name and kind
        "2026-05-01 workers " +
        kHoliday +
        "\n"
        "2026-06-03 " +
        kDesignated +
        "\n"                  // a kind alone: the name too
        "2013-12-31 early\n"  // before 2014
        "2101-01-01 late\n"
        "2026-13-01 month\n"
        "2026-3 short\n"
        "2026-03-03\n";
    const HolidaysFile file = ParseHolidaysFile(text);
    EXPECT_EQ(ProblemLines(file.problems), (std::vector<std::int32_t>{5, 6, 7, 8, 9}));
    ASSERT_EQ(file.holidays.size(), 4u);
    EXPECT_EQ(file.holidays[0].name, "a day off");
    EXPECT_EQ(file.holidays[0].kind, HolidayKind::Designated);
    EXPECT_EQ(file.holidays[1].name, "선거일");
    EXPECT_EQ(file.holidays[1].kind, HolidayKind::Election);
    EXPECT_EQ(file.holidays[2].date, (GregorianDate{2026, 5, 1}));
    EXPECT_EQ(file.holidays[2].kind, HolidayKind::Holiday);
    EXPECT_EQ(file.holidays[3].name, "임시공휴일");
    EXPECT_EQ(file.holidays[3].kind, HolidayKind::Designated);
}

// A byte-order mark (Windows Notepad's) is no part of the first line, in
// either file; anywhere else it is the line's own text. The first and last
// days each file allows are kept, the day before and after refused.
TEST(UserFileLines, AByteOrderMarkAndTheEdgesOfWhatIsAllowed)
{
    const std::string bom = "\xEF\xBB\xBF";
    const EventsFile events = ParseEventsFile(bom + kLunar + " 3-15 a\n" + bom + "solar 1-1 b\nlunar 3-0 c\n" +
                                              "9999-12-31 last\n0001-01-01 first\n0000-12-31 none\nsolar 1-0 d\n");
    EXPECT_EQ(ProblemLines(events.problems), (std::vector<std::int32_t>{2, 3, 6, 7}));
    ASSERT_EQ(events.events.size(), 3u);
    EXPECT_TRUE(events.events[0].rule == (DateRule{DateRuleKind::Lunar, 0, 3, 15, false}));
    EXPECT_TRUE(events.events[1].rule == (DateRule{DateRuleKind::Once, 9999, 12, 31, false}));
    EXPECT_TRUE(events.events[2].rule == (DateRule{DateRuleKind::Once, 1, 1, 1, false}));

    const HolidaysFile holidays = ParseHolidaysFile(bom + "2014-01-01 first\n2100-12-31 last\n2026-03-00 zero\n");
    EXPECT_EQ(ProblemLines(holidays.problems), (std::vector<std::int32_t>{3}));
    ASSERT_EQ(holidays.holidays.size(), 2u);
    EXPECT_EQ(holidays.holidays[0].date, (GregorianDate{2014, 1, 1}));
    EXPECT_EQ(holidays.holidays[1].date, (GregorianDate{2100, 12, 31}));
}

}  // namespace
