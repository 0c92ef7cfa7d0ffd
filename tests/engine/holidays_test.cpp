#include "engine/holidays.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/regular_elections.h"
#include "engine/sexagenary.h"
#include "runtime/civil_date.h"

namespace {

struct Expected {
    GregorianDate date;
    const char* name;
};

std::vector<Holiday> HolidaysOf(std::int32_t year)
{
    std::vector<Holiday> holidays;
    EXPECT_TRUE(GetHolidays(year, holidays)) << year;
    return holidays;
}

std::vector<Holiday> OfKind(const std::vector<Holiday>& holidays, HolidayKind kind)
{
    std::vector<Holiday> picked;
    for (const Holiday& h : holidays) {
        if (h.kind == kind) picked.push_back(h);
    }
    return picked;
}

std::vector<Holiday> OfDay(const std::vector<Holiday>& holidays, GregorianDate date)
{
    std::vector<Holiday> picked;
    for (const Holiday& h : holidays) {
        if (h.date == date) picked.push_back(h);
    }
    return picked;
}

std::string Describe(const std::vector<Holiday>& holidays)
{
    std::string text;
    for (const Holiday& h : holidays) {
        text += std::to_string(h.date.year) + "-" + std::to_string(h.date.month) + "-" + std::to_string(h.date.day) +
                " " + h.name + "; ";
    }
    return text;
}

void ExpectExactly(const std::vector<Holiday>& actual, const std::vector<Expected>& expected)
{
    ASSERT_EQ(actual.size(), expected.size()) << Describe(actual);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].date, expected[i].date) << Describe(actual);
        EXPECT_EQ(actual[i].name, expected[i].name) << Describe(actual);
    }
}

// Every substitute day of a year: as announced for 2014-2026, as the rules give them after.
struct YearSubstitutes {
    std::int32_t year;
    std::vector<Expected> substitutes;
};

const YearSubstitutes kSubstitutes[] = {
    {2014, {{{2014, 9, 10}, "추석"}}},  // 추석 전날 on a Sunday: the first substitute day
    {2015, {{{2015, 9, 29}, "추석"}}},  // 추석 on a Sunday
    {2016, {{{2016, 2, 10}, "설날"}}},  // 설날 전날 on a Sunday
    {2017,
     {{{2017, 1, 30}, "설날"},    // 설날 다음날 on a Sunday
      {{2017, 10, 6}, "추석"}}},  // 추석 전날 meets 개천절 on a Tuesday
    {2018,
     {{{2018, 5, 7}, "어린이날"},  // 어린이날 on a Saturday
      {{2018, 9, 26}, "추석"}}},
    {2019, {{{2019, 5, 6}, "어린이날"}}},  // on a Sunday
    {2020, {{{2020, 1, 27}, "설날"}}},     // 삼일절 on a Sunday: no substitute before 2021-08-04
    {2021, {{{2021, 8, 16}, "광복절"}, {{2021, 10, 4}, "개천절"}, {{2021, 10, 11}, "한글날"}}},  // 한글날 on a Saturday
    {2022, {{{2022, 9, 12}, "추석"}, {{2022, 10, 10}, "한글날"}}},
    {2023, {{{2023, 1, 24}, "설날"}, {{2023, 5, 29}, "부처님오신날"}}},  // on a Saturday, from 2023-05-04
    {2024, {{{2024, 2, 12}, "설날"}, {{2024, 5, 6}, "어린이날"}}},
    // Two holidays on one Monday: one substitute day stands for both.
    {2025, {{{2025, 3, 3}, "삼일절"}, {{2025, 5, 6}, "부처님오신날·어린이날"}, {{2025, 10, 8}, "추석"}}},
    {2026,
     {{{2026, 3, 2}, "삼일절"}, {{2026, 5, 25}, "부처님오신날"}, {{2026, 8, 17}, "광복절"}, {{2026, 10, 5}, "개천절"}}},
    // 설날 on Sunday 02-07 (Korea's almanac); 노동절, 제헌절 and 기독탄신일 on a Saturday.
    {2027,
     {{{2027, 2, 9}, "설날"},
      {{2027, 5, 3}, "노동절"},
      {{2027, 7, 19}, "제헌절"},
      {{2027, 8, 16}, "광복절"},
      {{2027, 10, 4}, "개천절"},
      {{2027, 10, 11}, "한글날"},
      {{2027, 12, 27}, "기독탄신일"}}},
    // 추석 meets 개천절 on Tuesday 10-03: the day after the three days of 추석.
    {2028, {{{2028, 10, 5}, "추석·개천절"}}},
};

TEST(Holidays, SubstituteDaysYearByYear)
{
    for (const YearSubstitutes& year : kSubstitutes) {
        SCOPED_TRACE(year.year);
        ExpectExactly(OfKind(HolidaysOf(year.year), HolidayKind::Substitute), year.substitutes);
    }
}

TEST(Holidays, TheWhole2026)
{
    ExpectExactly(HolidaysOf(2026), {{{2026, 1, 1}, "신정"},
                                     {{2026, 2, 16}, "설날 전날"},
                                     {{2026, 2, 17}, "설날"},
                                     {{2026, 2, 18}, "설날 다음날"},
                                     {{2026, 3, 1}, "삼일절"},
                                     {{2026, 3, 2}, "삼일절"},
                                     {{2026, 5, 1}, "노동절"},
                                     {{2026, 5, 5}, "어린이날"},
                                     {{2026, 5, 24}, "부처님오신날"},
                                     {{2026, 5, 25}, "부처님오신날"},
                                     {{2026, 6, 3}, "제9회 전국동시지방선거"},
                                     {{2026, 6, 6}, "현충일"},
                                     {{2026, 7, 17}, "제헌절"},
                                     {{2026, 8, 15}, "광복절"},
                                     {{2026, 8, 17}, "광복절"},
                                     {{2026, 9, 24}, "추석 전날"},
                                     {{2026, 9, 25}, "추석"},
                                     {{2026, 9, 26}, "추석 다음날"},
                                     {{2026, 10, 3}, "개천절"},
                                     {{2026, 10, 5}, "개천절"},
                                     {{2026, 10, 9}, "한글날"},
                                     {{2026, 12, 25}, "기독탄신일"}});
}

TEST(Holidays, ElectionsAndDesignatedDays)
{
    ExpectExactly(OfKind(HolidaysOf(2022), HolidayKind::Election),
                  {{{2022, 3, 9}, "제20대 대통령선거"}, {{2022, 6, 1}, "제8회 전국동시지방선거"}});
    ExpectExactly(OfKind(HolidaysOf(2024), HolidayKind::Designated), {{{2024, 10, 1}, "국군의 날 임시공휴일"}});
    ExpectExactly(OfKind(HolidaysOf(2017), HolidayKind::Designated), {{{2017, 10, 2}, "추석 연휴 임시공휴일"}});
}

// 노동절 from 2026 with its substitute day (공휴일에 관한 법률, amended 2026).
TEST(Holidays, LabourDayAndItsSubstitutes)
{
    struct LabourDay {
        std::int32_t year;
        GregorianDate substitute;  // {} where 5-1 is a weekday of its own
    };
    const LabourDay kYears[] = {
        {2026, {}},           {2027, {2027, 5, 3}}, {2028, {}},           {2029, {}},
        {2030, {}},           {2031, {}},           {2032, {2032, 5, 3}},  // a Saturday
        {2033, {2033, 5, 2}},                                              // a Sunday
        {2034, {}},           {2035, {}},
    };
    for (const LabourDay& labour : kYears) {
        SCOPED_TRACE(labour.year);
        const std::vector<Holiday> holidays = HolidaysOf(labour.year);
        ExpectExactly(OfDay(holidays, {labour.year, 5, 1}), {{{labour.year, 5, 1}, "노동절"}});
        std::vector<Expected> substitutes;
        for (const Holiday& h : OfKind(holidays, HolidayKind::Substitute)) {
            if (h.name == "노동절") substitutes.push_back({h.date, "노동절"});
        }
        if (labour.substitute == GregorianDate{}) {
            EXPECT_TRUE(substitutes.empty()) << Describe(holidays);
        } else {
            ExpectExactly(OfKind(OfDay(holidays, labour.substitute), HolidayKind::Substitute),
                          {{labour.substitute, "노동절"}});
        }
    }
    for (const Holiday& h : HolidaysOf(2025)) EXPECT_NE(h.name, "노동절");
}

// The regular elections of 2006-2026 as 공직선거법 제34조 gives them, from the
// end of the term and the holidays around.
TEST(Holidays, RegularElectionDaysAsHeld)
{
    struct Held {
        ElectedOffice office;
        GregorianDate termEnd;
        GregorianDate held;
    };
    using enum ElectedOffice;
    const Held kHeld[] = {
        {President, {2008, 2, 24}, {2007, 12, 19}},
        {President, {2013, 2, 24}, {2012, 12, 19}},
        {President, {2022, 5, 9}, {2022, 3, 9}},          // 03-02 is next to 삼일절
        {NationalAssembly, {2008, 5, 29}, {2008, 4, 9}},  // the 50th day before is itself a Wednesday
        {NationalAssembly, {2012, 5, 29}, {2012, 4, 11}},
        {NationalAssembly, {2016, 5, 29}, {2016, 4, 13}},
        {NationalAssembly, {2020, 5, 29}, {2020, 4, 15}},
        {NationalAssembly, {2024, 5, 29}, {2024, 4, 10}},
        {NationalAssembly, {2028, 5, 29}, {2028, 4, 12}},
        {Local, {2006, 6, 30}, {2006, 5, 31}},
        {Local, {2010, 6, 30}, {2010, 6, 2}},
        {Local, {2014, 6, 30}, {2014, 6, 4}},
        {Local, {2018, 6, 30}, {2018, 6, 13}},  // 06-06 현충일 is the Wednesday
        {Local, {2022, 6, 30}, {2022, 6, 1}},
        {Local, {2026, 6, 30}, {2026, 6, 3}},
        {Local, {2030, 6, 30}, {2030, 6, 12}},  // 06-05 is the day before 현충일
    };
    for (const Held& election : kHeld) {
        const std::int32_t year = election.held.year;
        SCOPED_TRACE(year);
        std::vector<std::int32_t> holidayDays;  // before 2014 the fixed days of the time suffice
        for (const auto& [month, day] : {std::pair{1, 1}, {3, 1}, {6, 6}, {8, 15}, {10, 3}, {12, 25}}) {
            holidayDays.push_back(DayCountOf(year, month, day));
        }
        std::vector<Holiday> holidays;
        if (GetHolidays(year, holidays)) {
            for (const Holiday& h : holidays) {
                if (h.kind != HolidayKind::Election)
                    holidayDays.push_back(DayCountOf(h.date.year, h.date.month, h.date.day));
            }
        }
        const GregorianDate& end = election.termEnd;
        EXPECT_EQ(
            DateOfDayCount(RegularElectionDay(election.office, DayCountOf(end.year, end.month, end.day), holidayDays)),
            election.held);
    }
}

// After 2026 the regular elections are scheduled by the statute, named as the
// National Election Commission names them, marked as scheduled; an announced
// election (an added day here) takes the place of the computed one.
TEST(Holidays, ScheduledElections)
{
    const std::vector<Holiday> elections2030 = OfKind(HolidaysOf(2030), HolidayKind::Election);
    ExpectExactly(elections2030, {{{2030, 3, 27}, "제22대 대통령선거"}, {{2030, 6, 12}, "제10회 전국동시지방선거"}});
    for (const Holiday& h : elections2030) EXPECT_EQ(h.source, kScheduledByStatute);
    ExpectExactly(OfKind(HolidaysOf(2028), HolidayKind::Election), {{{2028, 4, 12}, "제23대 국회의원선거"}});
    ExpectExactly(OfKind(HolidaysOf(2100), HolidayKind::Election),
                  {{{2100, 3, 31}, "제36대 대통령선거"}, {{2100, 4, 14}, "제41대 국회의원선거"}});
    EXPECT_TRUE(OfKind(HolidaysOf(2027), HolidayKind::Election).empty());
    std::array<ScheduledElection, 3> none{};
    for (const std::int32_t year : {INT32_MIN, 2026, 2101, INT32_MAX}) EXPECT_EQ(ScheduledElectionsOf(year, none), 0);
    EXPECT_EQ(OfKind(HolidaysOf(2026), HolidayKind::Election).front().source, kBuiltInHoliday);  // as announced

    for (const GregorianDate announced : {GregorianDate{2028, 4, 12}, GregorianDate{2028, 4, 19}}) {
        const AddedHoliday added[] = {{announced, "제23대 국회의원선거", HolidayKind::Election, 0}};
        std::vector<Holiday> holidays;
        ASSERT_TRUE(GetHolidays(2028, holidays, added));
        const std::vector<Holiday> elections = OfKind(holidays, HolidayKind::Election);
        ExpectExactly(elections, {{announced, "제23대 국회의원선거"}});
        EXPECT_EQ(elections.front().source, 0);
    }
}

TEST(Holidays, NamesAndDaysAsTheRulesOfTheYear)
{
    ExpectExactly(OfDay(HolidaysOf(2017), {2017, 5, 3}), {{{2017, 5, 3}, "석가탄신일"}});  // renamed on 2017-10-17
    ExpectExactly(OfDay(HolidaysOf(2018), {2018, 5, 22}), {{{2018, 5, 22}, "부처님오신날"}});
    for (const Holiday& h : HolidaysOf(2025)) EXPECT_NE(h.name, "제헌절");  // a holiday again from 2026
}

TEST(Holidays, OutsideTheYearsIsNotKnown)
{
    std::vector<Holiday> holidays = {{{2000, 1, 1}, "x", HolidayKind::Holiday}};
    EXPECT_FALSE(GetHolidays(2013, holidays));
    EXPECT_TRUE(holidays.empty());
    EXPECT_FALSE(GetHolidays(2101, holidays));
    EXPECT_FALSE(GetHolidays(INT32_MIN, holidays));
    EXPECT_TRUE(GetHolidays(2100, holidays));
    EXPECT_FALSE(holidays.empty());
}

// Over every year: a substitute day is a weekday that is no other holiday,
// every year has its fifteen holidays, and the list is in date order.
TEST(Holidays, EveryYearKeepsTheRules)
{
    for (std::int32_t year = kFirstHolidayYear; year <= kLastHolidayYear; ++year) {
        SCOPED_TRACE(year);
        const std::vector<Holiday> holidays = HolidaysOf(year);
        const std::size_t expectedHolidays = year >= 2026 ? 17 : 15;  // 제헌절 and 노동절 from 2026
        EXPECT_EQ(OfKind(holidays, HolidayKind::Holiday).size(), expectedHolidays);
        for (std::size_t i = 0; i < holidays.size(); ++i) {
            const Holiday& h = holidays[i];
            const std::int32_t count = DayCountOf(h.date.year, h.date.month, h.date.day);
            if (i > 0) {
                const GregorianDate& before = holidays[i - 1].date;
                EXPECT_LE(DayCountOf(before.year, before.month, before.day), count);
            }
            if (h.kind != HolidayKind::Substitute) continue;
            const std::int32_t weekday = GetFirstWeekday(count);
            EXPECT_TRUE(weekday >= 1 && weekday <= 5) << h.date.month << "-" << h.date.day;
            for (std::size_t j = 0; j < holidays.size(); ++j) {
                if (j != i) {
                    EXPECT_FALSE(holidays[j].date == h.date) << h.date.month << "-" << h.date.day;
                }
            }
        }
    }
}

TEST(Holidays, KindNames)
{
    EXPECT_STREQ(HolidayKindName(HolidayKind::Holiday), "공휴일");
    EXPECT_STREQ(HolidayKindName(HolidayKind::Substitute), "대체공휴일");
    EXPECT_STREQ(HolidayKindName(HolidayKind::Election), "선거일");
    EXPECT_STREQ(HolidayKindName(HolidayKind::Designated), "임시공휴일");
}

}  // namespace
