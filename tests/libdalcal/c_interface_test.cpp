// libdalcal's C interface against the engine: sampled dates of both
// almanacs and every edge, each refusal a status and a message, never a crash.
#include "dalcal/dalcal.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "engine/almanac.h"
#include "formats/json_documents.h"
#include "libdalcal/interface_guard.h"
#include "report/date_reading.h"

namespace {

struct ToLunarCase {
    std::int32_t almanac;
    dalcal_date date;
    dalcal_status status;
    dalcal_lunar_date lunar;  // where DALCAL_OK
};

TEST(CInterface, ToLunarAtEveryEdge)
{
    const ToLunarCase cases[] = {
        {DALCAL_KOREA, {2027, 2, 7}, DALCAL_OK, {2027, 1, 1, 0, 0}},
        {DALCAL_CLASSIC, {2027, 2, 6}, DALCAL_OK, {2027, 1, 1, 0, 0}},  // the classic table's 설날
        {DALCAL_KOREA, {2025, 7, 25}, DALCAL_OK, {2025, 6, 1, 1, 0}},   // a leap month
        {DALCAL_KOREA, {2074, 8, 22}, DALCAL_OK, {2074, 7, 1, 0, 1}},   // a computed month that may move
        {DALCAL_KOREA, {1391, 2, 13}, DALCAL_OK, {1391, 1, 1, 0, 0}},   // the almanac's first day
        {DALCAL_KOREA, {1391, 2, 12}, DALCAL_E_RANGE, {}},
        {DALCAL_KOREA, {2051, 2, 11}, DALCAL_OK, {2051, 1, 1, 0, 0}},    // the first computed year
        {DALCAL_KOREA, {2101, 1, 28}, DALCAL_OK, {2100, 12, 29, 0, 0}},  // the last day
        {DALCAL_KOREA, {2101, 1, 29}, DALCAL_E_RANGE, {}},
        {DALCAL_CLASSIC, {1900, 1, 30}, DALCAL_E_RANGE, {}},
        {DALCAL_KOREA, {1, 1, 1}, DALCAL_E_RANGE, {}},
        {DALCAL_KOREA, {9999, 12, 31}, DALCAL_E_RANGE, {}},
        {DALCAL_KOREA, {10000, 1, 1}, DALCAL_E_RANGE, {}},
        {DALCAL_KOREA, {0, 1, 1}, DALCAL_E_RANGE, {}},
        {DALCAL_KOREA, {2026, 2, 30}, DALCAL_E_NO_DATE, {}},
        {DALCAL_KOREA, {2026, 13, 1}, DALCAL_E_NO_DATE, {}},
        {DALCAL_KOREA, {-2147483647 - 1, -5, 99}, DALCAL_E_RANGE, {}},
        {7, {2027, 2, 7}, DALCAL_E_ARGUMENT, {}},
        {-1, {2027, 2, 7}, DALCAL_E_ARGUMENT, {}},
    };
    for (const ToLunarCase& c : cases) {
        dalcal_lunar_date lunar{-1, -1, -1, -1, -1};
        dalcal_error error{};
        const dalcal_status status = dalcal_to_lunar(c.almanac, &c.date, &lunar, &error);
        EXPECT_EQ(status, c.status) << c.date.year << "-" << c.date.month << "-" << c.date.day;
        if (status != DALCAL_OK) {
            EXPECT_NE(error.message[0], '\0') << "a refusal explained";
            EXPECT_EQ(lunar.year, -1) << "nothing written";
            continue;
        }
        EXPECT_EQ(lunar.year, c.lunar.year);
        EXPECT_EQ(lunar.month, c.lunar.month);
        EXPECT_EQ(lunar.day, c.lunar.day);
        EXPECT_EQ(lunar.leap, c.lunar.leap);
        EXPECT_EQ(lunar.uncertain, c.lunar.uncertain);
    }
}

// Every function given a null pointer where it needs one: refused, and said so.
TEST(CInterface, NullPointersRefusedAndExplained)
{
    dalcal_lunar_date lunar{2027, 1, 1, 0, 0};
    const dalcal_date date{2027, 2, 7};
    dalcal_date solar{};
    dalcal_stem_branch position{};
    const std::function<dalcal_status(dalcal_error*)> calls[] = {
        [&](dalcal_error* e) { return dalcal_to_lunar(DALCAL_KOREA, nullptr, &lunar, e); },
        [&](dalcal_error* e) { return dalcal_to_lunar(DALCAL_KOREA, &date, nullptr, e); },
        [&](dalcal_error* e) { return dalcal_to_solar(DALCAL_KOREA, nullptr, &solar, e); },
        [&](dalcal_error* e) { return dalcal_to_solar(DALCAL_KOREA, &lunar, nullptr, e); },
        [&](dalcal_error* e) { return dalcal_day_stem_branch(nullptr, &position, e); },
        [&](dalcal_error* e) { return dalcal_day_stem_branch(&date, nullptr, e); },
        [&](dalcal_error* e) { return dalcal_lunar_year_stem_branch(2027, nullptr, e); },
        [&](dalcal_error* e) { return dalcal_lunar_month_stem_branch(2027, 1, nullptr, e); },
        [&](dalcal_error* e) { return dalcal_solar_terms(2027, nullptr, e); },
        [&](dalcal_error* e) { return dalcal_holidays_of_year(2027, nullptr, nullptr, e); },
        [&](dalcal_error* e) { return dalcal_reading_json(DALCAL_KOREA, nullptr, nullptr, 0, nullptr, e); },
    };
    for (const auto& call : calls) {
        dalcal_error error{};
        EXPECT_EQ(call(&error), DALCAL_E_ARGUMENT) << &call - calls;
        EXPECT_STREQ(error.message, "a null pointer") << &call - calls;
        EXPECT_EQ(call(nullptr), DALCAL_E_ARGUMENT);  // no room for the why: none written
    }
}

// Every 37th day of each almanac: the engine's lunar date, and back again.
TEST(CInterface, AgreesWithTheEngineBothWays)
{
    for (const Almanac almanac : {Almanac::Korea, Almanac::Classic}) {
        const AlmanacRange range = RangeOf(almanac);
        const std::int32_t c = almanac == Almanac::Korea ? DALCAL_KOREA : DALCAL_CLASSIC;
        const std::int32_t first = DayCountOf(range.firstDay.year, range.firstDay.month, range.firstDay.day);
        const std::int32_t last = DayCountOf(range.lastDay.year, range.lastDay.month, range.lastDay.day);
        for (std::int32_t day = first; day <= last; day += 37) {
            const GregorianDate g = DateOfDayCount(day);
            const LunarDate expected = ToLunar(almanac, g).value();
            const dalcal_date date{g.year, g.month, g.day};
            dalcal_lunar_date lunar{};
            ASSERT_EQ(dalcal_to_lunar(c, &date, &lunar, nullptr), DALCAL_OK) << day;
            ASSERT_TRUE(lunar.year == expected.year && lunar.month == expected.month && lunar.day == expected.day &&
                        lunar.leap == (expected.leap ? 1 : 0));
            dalcal_date back{};
            ASSERT_EQ(dalcal_to_solar(c, &lunar, &back, nullptr), DALCAL_OK);
            ASSERT_TRUE(back.year == g.year && back.month == g.month && back.day == g.day) << day;
        }
    }
}

// An explanation longer than its buffer is cut between characters, never
// inside one, wherever a three-byte syllable meets the end.
TEST(CInterface, ExplanationsCutBetweenCharacters)
{
    dalcal_error error{};
    const std::size_t room = sizeof(error.message) - 1;
    for (std::size_t ascii = 0; ascii < 3; ++ascii) {
        std::string message(ascii, 'x');
        while (message.size() < room + 6) message += "\xEA\xB0\x80";  // 가
        Explain(&error, message);
        const std::string got = error.message;
        EXPECT_TRUE(message.starts_with(got)) << ascii;
        EXPECT_GE(got.size(), room - 2) << ascii;
        EXPECT_EQ((got.size() - ascii) % 3, 0u) << ascii;
    }
}

TEST(CInterface, ToSolarRefusalsSayWhy)
{
    const struct {
        std::int32_t almanac;
        dalcal_lunar_date lunar;
        dalcal_status status;
        const char* message;
    } cases[] = {
        {DALCAL_KOREA,
         {2026, 9, 30, 0, 0},
         DALCAL_E_NO_DATE,
         "Day 30 is not in month 9 of lunar year 2026, which has 29 days"},
        {DALCAL_KOREA, {2026, 1, 1, 1, 0}, DALCAL_E_NO_DATE, "Lunar year 2026 has no leap month 1"},
        {DALCAL_KOREA, {2026, 13, 1, 0, 0}, DALCAL_E_NO_DATE, "Lunar month 13 is not a month"},
        {DALCAL_KOREA, {1390, 1, 1, 0, 0}, DALCAL_E_RANGE, "outside Korea's almanac (1391-2100)"},
        {DALCAL_KOREA, {2101, 1, 1, 0, 0}, DALCAL_E_RANGE, "outside Korea's almanac"},
        {DALCAL_CLASSIC, {2050, 1, 1, 0, 0}, DALCAL_E_RANGE, "outside the classic table"},
        {DALCAL_KOREA, {2026, 1, 0, 0, 0}, DALCAL_E_NO_DATE, "Day 0"},
        {7, {2026, 1, 1, 0, 0}, DALCAL_E_ARGUMENT, "unknown almanac 7: 0 (DALCAL_KOREA) or 1 (DALCAL_CLASSIC)"},
    };
    for (const auto& c : cases) {
        dalcal_date date{-1, -1, -1};
        dalcal_error error{};
        EXPECT_EQ(dalcal_to_solar(c.almanac, &c.lunar, &date, &error), c.status) << c.message;
        EXPECT_NE(std::string(error.message).find(c.message), std::string::npos) << error.message;
        EXPECT_EQ(date.year, -1);
    }
}

TEST(CInterface, StemBranchesAndTerms)
{
    dalcal_stem_branch position{};
    const dalcal_date day{2027, 2, 7};
    ASSERT_EQ(dalcal_day_stem_branch(&day, &position, nullptr), DALCAL_OK);
    EXPECT_STREQ(position.name, "정사");
    ASSERT_EQ(dalcal_lunar_year_stem_branch(2026, &position, nullptr), DALCAL_OK);
    EXPECT_STREQ(position.name, "병오");
    EXPECT_EQ(position.stem, 2);
    EXPECT_EQ(position.branch, 6);
    ASSERT_EQ(dalcal_lunar_month_stem_branch(2027, 1, &position, nullptr), DALCAL_OK);
    EXPECT_STREQ(position.name, "임인");
    EXPECT_EQ(dalcal_lunar_month_stem_branch(2027, 13, &position, nullptr), DALCAL_E_RANGE);
    EXPECT_EQ(dalcal_lunar_year_stem_branch(0, &position, nullptr), DALCAL_E_RANGE);
    const dalcal_date noDay{2026, 2, 29};
    EXPECT_EQ(dalcal_day_stem_branch(&noDay, &position, nullptr), DALCAL_E_NO_DATE);

    dalcal_solar_term terms[24]{};
    ASSERT_EQ(dalcal_solar_terms(2026, terms, nullptr), DALCAL_OK);
    EXPECT_STREQ(terms[2].name, "입춘");
    EXPECT_TRUE(terms[2].korea.date.month == 2 && terms[2].korea.date.day == 4 && terms[2].korea.minute_of_day == 302);
    EXPECT_TRUE(terms[2].utc.date.day == 3 && terms[2].utc.minute_of_day == 20 * 60 + 2);
    for (const std::int32_t year : {1899, 2101}) EXPECT_EQ(dalcal_solar_terms(year, terms, nullptr), DALCAL_E_RANGE);
    EXPECT_EQ(dalcal_solar_terms(1900, terms, nullptr), DALCAL_OK);
    EXPECT_EQ(dalcal_solar_terms(2100, terms, nullptr), DALCAL_OK);
}

TEST(CInterface, HolidaysWithAnAddedFile)
{
    dalcal_holidays* list = nullptr;
    ASSERT_EQ(dalcal_holidays_of_year(2027, nullptr, &list, nullptr), DALCAL_OK);
    bool substitute = false;
    for (std::size_t i = 0; i < dalcal_holidays_count(list); ++i) {
        const dalcal_holiday* holiday = dalcal_holidays_at(list, i);
        if (holiday->date.month == 2 && holiday->date.day == 9) {
            substitute = holiday->kind == DALCAL_SUBSTITUTE && std::string(holiday->title) == "설날 대체공휴일" &&
                         std::string(holiday->name) == "설날" && std::string(holiday->kind_name) == "대체공휴일";
        }
    }
    EXPECT_TRUE(substitute);
    EXPECT_EQ(dalcal_holidays_at(list, dalcal_holidays_count(list)), nullptr);
    dalcal_holidays_free(list);

    // 2028's general election, scheduled by the statute and not yet announced: marked so, alone.
    ASSERT_EQ(dalcal_holidays_of_year(2028, nullptr, &list, nullptr), DALCAL_OK);
    std::string scheduled;
    for (std::size_t i = 0; i < dalcal_holidays_count(list); ++i) {
        const dalcal_holiday* holiday = dalcal_holidays_at(list, i);
        EXPECT_EQ(holiday->added, 0) << holiday->title;
        EXPECT_TRUE(holiday->scheduled == 0 || holiday->scheduled == 1) << holiday->title;
        if (holiday->scheduled == 1)
            scheduled += std::to_string(holiday->date.month) + "-" + std::to_string(holiday->date.day);
    }
    EXPECT_EQ(scheduled, "4-12");
    dalcal_holidays_free(list);

    const std::filesystem::path file = std::filesystem::temp_directory_path() / "dalcal-c-interface-holidays";
    std::ofstream(file) << "2027-03-02 하루 쉼\nbad line\n";
    list = nullptr;
    ASSERT_EQ(dalcal_holidays_of_year(2027, file.c_str(), &list, nullptr), DALCAL_OK);
    bool added = false;
    for (std::size_t i = 0; i < dalcal_holidays_count(list); ++i) {
        added = added || (dalcal_holidays_at(list, i)->added == 1 &&
                          std::string(dalcal_holidays_at(list, i)->name) == "하루 쉼");
    }
    EXPECT_TRUE(added);
    dalcal_holidays_free(list);
    std::filesystem::remove(file);

    dalcal_error error{};
    list = nullptr;
    EXPECT_EQ(dalcal_holidays_of_year(2027, file.c_str(), &list, &error), DALCAL_E_FILE);
    EXPECT_EQ(list, nullptr);
    EXPECT_NE(std::string(error.message).find("No such file"), std::string::npos);
    EXPECT_EQ(dalcal_holidays_of_year(2013, nullptr, &list, nullptr), DALCAL_E_RANGE);
    EXPECT_EQ(dalcal_holidays_of_year(2101, nullptr, &list, nullptr), DALCAL_E_RANGE);
    EXPECT_EQ(dalcal_holidays_count(nullptr), 0u);
    dalcal_holidays_free(nullptr);
}

TEST(CInterface, ReadingAsJson)
{
    const dalcal_date date{2027, 2, 7};
    const std::string expected = DateReadingJson(ReadDate(Almanac::Korea, {2027, 2, 7}));
    std::size_t length = 0;
    EXPECT_EQ(dalcal_reading_json(DALCAL_KOREA, &date, nullptr, 0, &length, nullptr), DALCAL_E_SPACE);
    EXPECT_EQ(length, expected.size());
    std::string buffer(length, 'x');  // one short: no room for the NUL
    EXPECT_EQ(dalcal_reading_json(DALCAL_KOREA, &date, buffer.data(), buffer.size(), &length, nullptr), DALCAL_E_SPACE);
    buffer.resize(length + 1);
    ASSERT_EQ(dalcal_reading_json(DALCAL_KOREA, &date, buffer.data(), buffer.size(), &length, nullptr), DALCAL_OK);
    EXPECT_STREQ(buffer.data(), expected.c_str());
    const dalcal_date noDay{2026, 2, 30};
    EXPECT_EQ(dalcal_reading_json(DALCAL_KOREA, &noDay, buffer.data(), buffer.size(), nullptr, nullptr),
              DALCAL_E_NO_DATE);
    EXPECT_STREQ(dalcal_status_name(DALCAL_E_NO_DATE), "no such date");
    EXPECT_STREQ(dalcal_status_name(99), "an unknown status");
    EXPECT_STREQ(dalcal_version(), DALCAL_VERSION);
}

}  // namespace
