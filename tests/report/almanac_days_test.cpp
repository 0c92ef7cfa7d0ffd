#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/anniversaries.h"
#include "engine/solar_terms.h"
#include "engine/sundry_days.h"
#include "engine/towang_yongsa.h"
#include "runtime/date_text.h"

namespace {

// KASI's 기념일 and 잡절 of 2026 and 2027 as its 특일정보 service gives them
// (data.go.kr SpcdeInfoService getAnniversaryInfo and getSundryDayInfo), as the
// project bugoms/daykeeper-mcp archived the answers
// (src/daykeeper/data/public_days.json, synced 2026-07-12).
const char* const kKasiDaysCsv = DALCAL_TEST_DATA_DIR "/kasi_almanac_days_2026_2027.csv";

// "2027-05-08 어버이날": a day as both lists are compared, blanks dropped from
// the name (KASI writes "어버이 날" where the regulation writes "어버이날").
std::string DayKey(const GregorianDate& date, std::string name)
{
    std::erase(name, ' ');
    return IsoDate(date) + " " + name;
}

std::set<std::string> KasiDays(const std::string& operation, std::int32_t year)
{
    std::ifstream file(kKasiDaysCsv);
    std::set<std::string> days;
    std::string line;
    std::getline(file, line);  // the header
    while (std::getline(file, line)) {
        std::vector<std::string> fields;
        std::stringstream stream(line);
        for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
        if (fields.size() != 3 || fields[1] != operation || fields[0].substr(0, 4) != std::to_string(year)) continue;
        std::string name = fields[2];
        std::erase(name, ' ');
        days.insert(fields[0] + " " + name);
    }
    return days;
}

std::set<std::string> OurSundryDays(std::int32_t year)
{
    std::vector<SundryDay> days;
    EXPECT_TRUE(GetSundryDays(year, days));
    std::set<std::string> keys;
    for (const SundryDay& day : days) keys.insert(DayKey(day.date, SundryDayName(day.kind)));
    return keys;
}

std::set<std::string> OurAnniversaries(std::int32_t year)
{
    std::vector<Anniversary> days;
    EXPECT_TRUE(GetAnniversaries(year, days));
    std::set<std::string> keys;
    for (const Anniversary& day : days) keys.insert(DayKey(day.date, day.name));
    return keys;
}

std::vector<std::string> Minus(const std::set<std::string>& a, const std::set<std::string>& b)
{
    std::vector<std::string> rest;
    std::ranges::set_difference(a, b, std::back_inserter(rest));
    return rest;
}

using Keys = std::vector<std::string>;

// Each year's 잡절 as KASI lists them, but for the faults of its service,
// named here with what the rule gives.
TEST(SundryDays, KasiLists2026And2027)
{
    EXPECT_EQ(Minus(KasiDays("sundry", 2026), OurSundryDays(2026)), Keys{});
    EXPECT_EQ(Minus(OurSundryDays(2026), KasiDays("sundry", 2026)), Keys{});
    // 2027: the service dates 말복 09-09, a month after 입추 (08-08); the first
    // 경일 from 입추 is 08-09, ten days after 중복 (07-30) as always.
    EXPECT_EQ(Minus(KasiDays("sundry", 2027), OurSundryDays(2027)), Keys{"2027-09-09 말복"});
    EXPECT_EQ(Minus(OurSundryDays(2027), KasiDays("sundry", 2027)), Keys{"2027-08-09 말복"});
}

// The rules at their edges: 하지 on a 경일 counts as the first; 입추 on a 경일
// is 말복 itself; 한식 from the 동지 of the year before.
TEST(SundryDays, RulesAtTheirEdges)
{
    std::int32_t hajiOnGyeong = 0;
    std::int32_t ipchuOnGyeong = 0;
    for (std::int32_t year = kFirstSundryYear; year <= kLastSundryYear; ++year) {
        std::vector<SundryDay> days;
        ASSERT_TRUE(GetSundryDays(year, days));
        ASSERT_EQ(days.size(), 7u) << year;
        SolarTerm haji{};
        SolarTerm ipchu{};
        SolarTerm dongji{};
        ASSERT_TRUE(GetSolarTerm(year, 11, haji) && GetSolarTerm(year, 14, ipchu) &&
                    GetSolarTerm(year - 1, 23, dongji));
        const auto dayOf = [&](SundryDayKind kind) {
            const auto found = std::ranges::find(days, kind, &SundryDay::kind);
            return DayCountOf(found->date.year, found->date.month, found->date.day);
        };
        const std::int32_t hajiDay = DayCountOf(haji.date.year, haji.date.month, haji.date.day);
        const std::int32_t ipchuDay = DayCountOf(ipchu.date.year, ipchu.date.month, ipchu.date.day);
        EXPECT_EQ(dayOf(SundryDayKind::Hansik), DayCountOf(dongji.date.year, dongji.date.month, dongji.date.day) + 105);
        EXPECT_TRUE(dayOf(SundryDayKind::Chobok) - hajiDay >= 20 && dayOf(SundryDayKind::Chobok) - hajiDay <= 29)
            << year;
        EXPECT_EQ(dayOf(SundryDayKind::Jungbok), dayOf(SundryDayKind::Chobok) + 10) << year;
        EXPECT_TRUE(dayOf(SundryDayKind::Malbok) >= ipchuDay && dayOf(SundryDayKind::Malbok) - ipchuDay <= 9) << year;
        EXPECT_EQ((dayOf(SundryDayKind::Malbok) - dayOf(SundryDayKind::Jungbok)) % 10, 0) << year;
        if (dayOf(SundryDayKind::Chobok) - hajiDay == 20) ++hajiOnGyeong;
        if (dayOf(SundryDayKind::Malbok) == ipchuDay) ++ipchuOnGyeong;
    }
    EXPECT_GT(hajiOnGyeong, 0);
    EXPECT_GT(ipchuOnGyeong, 0);
    std::vector<SundryDay> days;
    EXPECT_FALSE(GetSundryDays(1900, days));
    EXPECT_FALSE(GetSundryDays(2101, days));
    EXPECT_TRUE(days.empty());
}

// 2027's 기념일 are KASI's, but for 어린이날, a public holiday that the
// holidays list; 2026's as KASI listed them but for 근로자의 날, renamed
// 노동절 and made a holiday that year.
TEST(Anniversaries, KasiLists2026And2027)
{
    EXPECT_EQ(Minus(KasiDays("anniversary", 2027), OurAnniversaries(2027)), Keys{"2027-05-05 어린이날"});
    EXPECT_EQ(Minus(OurAnniversaries(2027), KasiDays("anniversary", 2027)), Keys{});
    EXPECT_EQ(Minus(KasiDays("anniversary", 2026), OurAnniversaries(2026)),
              (Keys{"2026-05-01 근로자의날", "2026-05-05 어린이날"}));
}

// Days added, renamed and moved, and the rules of weekdays, in the years
// each is in force.
TEST(Anniversaries, YearsInForceAndRules)
{
    struct Row {
        std::int32_t year;
        const char* key;
        bool listed;
    };
    const Row rows[] = {
        {2024, "2024-10-15 체육의날", true},
        {2025, "2025-10-15 스포츠의날", true},
        {2024, "2024-10-15 스포츠의날", false},
        {2025, "2025-10-15 체육의날", false},
        {2025, "2025-05-01 근로자의날", true},
        {2026, "2026-05-01 근로자의날", false},
        {2018, "2018-04-13 대한민국임시정부수립기념일", true},
        {2019, "2019-04-11 대한민국임시정부수립기념일", true},
        {2024, "2024-05-15 세종대왕나신날", false},
        {2025, "2025-05-15 세종대왕나신날", true},
        {2028, "2028-10-31 금융의날", true},
        {2030, "2030-10-29 금융의날", true},
        {2026, "2026-09-19 청년의날", true},
        {2019, "2019-09-21 청년의날", false},
        {2027, "2027-09-13 이산가족의날", true},
        {2100, "2100-05-08 어버이날", true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(OurAnniversaries(row.year).contains(row.key), row.listed) << row.key;
    }
    std::vector<Anniversary> days;
    EXPECT_FALSE(GetAnniversaries(2017, days));
    EXPECT_FALSE(GetAnniversaries(2101, days));
}

// 토왕용사: four a year, 17 to 19 days before 입춘, 입하, 입추 and 입동.
TEST(TowangYongsa, BeforeEachSeasonsFirstTerm)
{
    for (std::int32_t year = kFirstSolarTermYear; year <= kLastSolarTermYear; ++year) {
        std::array<TowangYongsa, kTowangInYear> moments{};
        ASSERT_TRUE(GetTowangYongsa(year, moments));
        for (std::int32_t season = 0; season < kTowangInYear; ++season) {
            const TowangYongsa& moment = moments[static_cast<std::size_t>(season)];
            SolarTerm first{};
            ASSERT_TRUE(GetSolarTerm(year, 2 + 6 * season, first));  // 입춘, 입하, 입추, 입동
            const std::int32_t before = DayCountOf(first.date.year, first.date.month, first.date.day) -
                                        DayCountOf(moment.date.year, moment.date.month, moment.date.day);
            EXPECT_TRUE(before >= 17 && before <= 19) << year << " " << season << " " << before;
        }
    }
    std::array<TowangYongsa, kTowangInYear> moments{};
    EXPECT_FALSE(GetTowangYongsa(2101, moments));
}

}  // namespace
