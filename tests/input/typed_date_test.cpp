#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "input/typed_date.h"
#include "input/typed_numbers.h"
#include "runtime/date_text.h"

namespace {

// What was read, in words a row can hold: "year 2027", "month 2027-02",
// "day 2027-02-07", "lunar 2025-06-01 leap", or the refusal's English.
std::string Described(const TypedDate& read)
{
    if (const auto* year = std::get_if<TypedYear>(&read)) return "year " + std::to_string(year->year);
    if (const auto* month = std::get_if<TypedMonth>(&read)) {
        return "month " + std::to_string(month->year) + "-" + std::to_string(month->month);
    }
    if (const auto* day = std::get_if<GregorianDate>(&read)) return "day " + IsoDate(*day);
    if (const auto* lunar = std::get_if<TypedLunarDate>(&read)) {
        return "lunar " + std::to_string(lunar->year) + "-" + std::to_string(lunar->month) + "-" +
               std::to_string(lunar->day) + (lunar->leap ? " leap" : "");
    }
    return std::get<Message>(read).English();
}

struct TypedRow {
    const char* typed;
    LoneNumber lone;
    const char* read;
};

constexpr LoneNumber kBox = LoneNumber::MonthOrYear;
constexpr LoneNumber kLine = LoneNumber::Year;

// The year left out is 2026 throughout.
const TypedRow kTypedRows[] = {
    // A lone number: the box's month (a year past 12), the command line's year.
    {"2", kBox, "month 2026-2"},
    {"13", kBox, "year 13"},
    {"2", kLine, "year 2"},
    {"2027년", kLine, "year 2027"},
    // A month; its words say which number is which.
    {"2027 2", kLine, "month 2027-2"},
    {"2027-02", kBox, "month 2027-2"},
    {"2027.2", kBox, "month 2027-2"},
    {"2027년 2월", kLine, "month 2027-2"},
    {"2027 년 2 월", kLine, "month 2027-2"},  // a blank before a word
    {"2월", kLine, "month 2026-2"},
    {"12월", kBox, "month 2026-12"},
    {"2027 2월", kLine, "month 2027-2"},
    // A day, with or without its year.
    {"2027-02-07", kLine, "day 2027-02-07"},
    {"2027/02/07", kLine, "day 2027-02-07"},
    {"2027.2.7", kBox, "day 2027-02-07"},
    {"20270207", kLine, "day 2027-02-07"},
    {"２０２７－０３－０１", kBox, "day 2027-03-01"},
    {"2027년 2월 7일", kLine, "day 2027-02-07"},
    {"2월 7일", kLine, "day 2026-02-07"},
    {"3월 15일", kBox, "day 2026-03-15"},
    {"2027 2월 7", kLine, "day 2027-02-07"},
    {"99 1 1", kLine, "day 0099-01-01"},
    // A lunar date: its year left out is this one.
    {"음력 1월 1일", kLine, "lunar 2026-1-1"},
    {"음력 3월 15일", kBox, "lunar 2026-3-15"},
    {"윤6월 1일", kBox, "lunar 2026-6-1 leap"},
    {"음력 2025년 윤6월 1일", kLine, "lunar 2025-6-1 leap"},
    {"음력 2025-06-01 윤", kLine, "lunar 2025-6-1 leap"},
    // What is refused names what was typed, exactly.
    {"2027 -1", kLine, "\"2027 -1\" is not a month: there is no month -1"},
    {"2027 13", kBox, "\"2027 13\" is not a month: there is no month 13"},
    {"0년", kLine, "\"0년\" is not a year: the years are 1-9999"},
    {"2027-02-30", kLine, "\"2027-02-30\" is not a date: month 2 of 2027 has 28 days"},
    {"20270230", kLine, "\"20270230\" is not a date: month 2 of 2027 has 28 days"},
    {"7일", kLine, "\"7일\" is not a month or a date (2027 2, 2027-02-07, 음력 3월 15일)"},
    {"2월 2월", kLine, "\"2월 2월\" is not a month or a date (2027 2, 2027-02-07, 음력 3월 15일)"},
    {"음력 15", kLine, "\"음력 15\" is not a month or a date (2027 2, 2027-02-07, 음력 3월 15일)"},
    {"2027 2 7 1", kLine, "\"2027 2 7 1\" is not a month or a date (2027 2, 2027-02-07, 음력 3월 15일)"},
    {"1234567890", kLine, "\"1234567890\" is not a month or a date (2027 2, 2027-02-07, 음력 3월 15일)"},
    {"next tuesday", kBox, "\"next tuesday\" is not a month or a date (2027 2, 2027-02-07, 음력 3월 15일)"},
    // Month and day either way round: never guessed.
    {"02/07/2027", kLine, "\"02/07/2027\" may be either of two days: write 2027-02-07 or 2027-07-02"},
    {"15/02/2027", kLine, "\"15/02/2027\": write the year first: 2027-02-15"},
    {"07.07.2027", kLine, "\"07.07.2027\": write the year first: 2027-07-07"},
    {"40/40/2027", kLine, "\"40/40/2027\" is not a month or a date (2027 2, 2027-02-07, 음력 3월 15일)"},
};

TEST(TypedDate, EveryFormReadsAsPeopleMeanIt)
{
    for (const TypedRow& row : kTypedRows) {
        EXPECT_EQ(Described(ReadTypedDate(row.typed, 2026, row.lone)), row.read) << row.typed;
    }
}

TEST(TypedDate, LunarArgumentsWithOrWithoutTheYear)
{
    const auto read = [](const char* typed) {
        const std::optional<TypedLunarDate> lunar = ReadLunarArguments(typed, 2026);
        return lunar ? Described(*lunar) : std::string("none");
    };
    EXPECT_EQ(read("2025 윤6 1"), "lunar 2025-6-1 leap");
    EXPECT_EQ(read("1월 1일"), "lunar 2026-1-1");
    EXPECT_EQ(read("1 15"), "lunar 2026-1-15");
    EXPECT_EQ(read("2027 -1 1"), "lunar 2027--1-1");  // the almanac names month -1
    EXPECT_EQ(read("15"), "none");
    EXPECT_EQ(read("2027 1"), "none");  // a year and a month: no day
    EXPECT_EQ(read("1 x"), "none");
}

// Numbers of days as --upcoming takes them, counted from a day.
TEST(TypedDays, WeeksMonthsAndYearsCountedFromTheDay)
{
    struct Row {
        const char* typed;
        GregorianDate from;
        std::int64_t days;  // -1: not a number of days
    };
    const Row rows[] = {
        {"30", {2026, 12, 9}, 30},     {"30일", {2026, 12, 9}, 30},    {"2주", {2026, 12, 9}, 14},
        {"3개월", {2026, 12, 9}, 90},  {"1달", {2026, 1, 15}, 31},     {"1개월", {2026, 1, 31}, 28},
        {"1년", {2027, 12, 9}, 366},   {"1년", {2024, 2, 29}, 365},    {"1 년", {2026, 12, 9}, 365},
        {"-2주", {2026, 12, 9}, -1},   {"2 weeks", {2026, 12, 9}, -1}, {"주", {2026, 12, 9}, -1},
        {"１０일", {2026, 12, 9}, 10},
    };
    for (const Row& row : rows) {
        const std::optional<TypedDays> typed = ReadTypedDays(row.typed);
        EXPECT_EQ(typed ? DaysOf(*typed, row.from) : -1, row.days) << row.typed;
    }
    EXPECT_EQ(DaysOf({1, TypedDays::Unit::Year}, {9999, 6, 1}), std::numeric_limits<std::int64_t>::max());
}

}  // namespace
