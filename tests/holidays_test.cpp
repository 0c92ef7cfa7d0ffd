#include "holidays.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "civil_date.h"
#include "sexagenary.h"

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
    // 설날 on Sunday 02-07 (Korea's almanac); 제헌절 on a Saturday; 기독탄신일 on a Saturday.
    {2027,
     {{{2027, 2, 9}, "설날"},
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
    ExpectExactly(HolidaysOf(2026), {{{2026, 1, 1}, "신정"},          {{2026, 2, 16}, "설날 전날"},
                                     {{2026, 2, 17}, "설날"},         {{2026, 2, 18}, "설날 다음날"},
                                     {{2026, 3, 1}, "삼일절"},        {{2026, 3, 2}, "삼일절"},
                                     {{2026, 5, 5}, "어린이날"},      {{2026, 5, 24}, "부처님오신날"},
                                     {{2026, 5, 25}, "부처님오신날"}, {{2026, 6, 3}, "제9회 전국동시지방선거"},
                                     {{2026, 6, 6}, "현충일"},        {{2026, 7, 17}, "제헌절"},
                                     {{2026, 8, 15}, "광복절"},       {{2026, 8, 17}, "광복절"},
                                     {{2026, 9, 24}, "추석 전날"},    {{2026, 9, 25}, "추석"},
                                     {{2026, 9, 26}, "추석 다음날"},  {{2026, 10, 3}, "개천절"},
                                     {{2026, 10, 5}, "개천절"},       {{2026, 10, 9}, "한글날"},
                                     {{2026, 12, 25}, "기독탄신일"}});
}

TEST(Holidays, ElectionsAndDesignatedDays)
{
    ExpectExactly(OfKind(HolidaysOf(2022), HolidayKind::Election),
                  {{{2022, 3, 9}, "제20대 대통령선거"}, {{2022, 6, 1}, "제8회 전국동시지방선거"}});
    ExpectExactly(OfKind(HolidaysOf(2024), HolidayKind::Designated), {{{2024, 10, 1}, "국군의 날 임시공휴일"}});
    ExpectExactly(OfKind(HolidaysOf(2017), HolidayKind::Designated), {{{2017, 10, 2}, "추석 연휴 임시공휴일"}});
    // Future elections are not guessed.
    EXPECT_TRUE(OfKind(HolidaysOf(2028), HolidayKind::Election).empty());
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
        const std::size_t expectedHolidays = year >= 2026 ? 16 : 15;  // 제헌절 from 2026
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
