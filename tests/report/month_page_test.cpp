// A month's page as data: its neighbouring small months across a year's end
// and at the calendar's edges, the sources its footer cites (only those of
// what it shows), and a day's notes as a cell names them.
#include "report/month_page.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::string TitleOf(const std::optional<SmallMonth>& small)
{
    return small ? small->title : "none";
}

TEST(MonthPage, NeighboursAcrossAYearsEndAndAtTheEdges)
{
    const struct {
        std::int32_t year;
        std::int32_t month;
        const char* before;
        const char* after;
    } cases[] = {
        {2027, 1, "2026년 12월", "2027년 2월"},
        {2026, 12, "2026년 11월", "2027년 1월"},
        {1, 1, "none", "1년 2월"},
        {9999, 12, "9999년 11월", "none"},
    };
    for (const auto& c : cases) {
        const MonthPage page = MakeMonthPage(c.year, c.month, Almanac::Korea);
        EXPECT_EQ(TitleOf(page.before), c.before) << c.year << "-" << c.month;
        EXPECT_EQ(TitleOf(page.after), c.after) << c.year << "-" << c.month;
    }
    // A neighbour's holidays: December 2026's 25th, January 2027's 1st.
    EXPECT_EQ(MakeMonthPage(2027, 1, Almanac::Korea).before->holidays, std::vector<std::int32_t>{25});
    EXPECT_EQ(MakeMonthPage(2026, 12, Almanac::Korea).after->holidays, std::vector<std::int32_t>{1});
}

TEST(MonthPage, TheFooterCitesWhatThePageShows)
{
    const std::string kasi = "음력: 한국천문연구원(KASI) 역법.";
    const std::string regulation = "공휴일: 관공서의 공휴일에 관한 규정";
    const std::string law = ", 노동절은 공휴일에 관한 법률(2026년 개정)";
    const std::string uncertain = "(±1일): 계산한 달로";
    const struct {
        std::int32_t year;
        std::int32_t month;
        Almanac almanac;
        std::vector<std::string> cited;     // what the footer holds, in order
        std::vector<std::string> notCited;  // and what it must not
    } cases[] = {
        {1300, 1, Almanac::Korea, {}, {kasi, regulation}},                     // before the almanac: no source
        {2027, 5, Almanac::Korea, {kasi, regulation, law}, {uncertain}},       // 노동절 and its substitute day
        {2025, 5, Almanac::Korea, {kasi, regulation}, {law}},                  // 근로자의 날 was no holiday
        {2027, 4, Almanac::Korea, {kasi, regulation}, {law}},                  // May 1st beside it, small: not shown
        {2028, 10, Almanac::Korea, {kasi, regulation}, {law}},                 // its own holidays, none beside it
        {2074, 8, Almanac::Korea, {kasi, regulation, uncertain}, {law}},       // an uncertain computed month
        {2027, 2, Almanac::Classic, {"음력: 옛 음력표"}, {kasi, regulation}},  // the classic table: dates alone
    };
    for (const auto& c : cases) {
        const MonthPage page = MakeMonthPage(c.year, c.month, c.almanac);
        std::string footer;
        for (const std::string& line : page.footer) footer += line + "\n";
        std::size_t at = 0;
        for (const std::string& part : c.cited) {
            const std::size_t found = footer.find(part, at);
            EXPECT_NE(found, std::string::npos) << c.year << "-" << c.month << ": " << part << " in\n" << footer;
            at = found == std::string::npos ? at : found;
        }
        for (const std::string& part : c.notCited) {
            EXPECT_EQ(footer.find(part), std::string::npos) << c.year << "-" << c.month << ": " << part;
        }
        if (c.cited.empty()) {
            EXPECT_TRUE(page.footer.empty()) << footer;
        }
    }
}

TEST(MonthPage, ACellNamesAHolidayAloneTheListsWithItsKind)
{
    const MonthPage page = MakeMonthPage(2027, 2, Almanac::Korea);
    const PageDay& seollal = page.days.at(6);  // the 7th
    ASSERT_FALSE(seollal.notes.empty());
    EXPECT_EQ(seollal.notes[0].kind, DayKind::Holidays);
    EXPECT_EQ(seollal.notes[0].name, "설날");
    EXPECT_EQ(seollal.notes[0].text, "설날 (공휴일)");
    const PageDay& substitute = page.days.at(8);  // the 9th
    EXPECT_EQ(substitute.notes.at(0).name, "설날 대체공휴일");
    const PageDay& ipchun = page.days.at(3);  // the 4th: a term, named as written
    EXPECT_EQ(ipchun.notes.at(0).kind, DayKind::Terms);
    EXPECT_EQ(ipchun.notes.at(0).name, ipchun.notes.at(0).text);
    EXPECT_EQ(ipchun.color, DayColor::Weekday);
}

}  // namespace
