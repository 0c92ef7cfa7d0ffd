// A month page as drawn: the grid's rules and how a cell sets its notes
// (lines by the width of what is written, "외 N건" for those that do not fit).
#include "formats/page_layout.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A page of March 2027 without notes but the one given to the 10th.
MonthPage PageWithNotes(const std::vector<std::string>& notes)
{
    MonthPage page = MakeMonthPage(2027, 3, Almanac::Classic);
    for (const std::string& note : notes) page.days.at(9).notes.push_back({DayKind::Events, note, note});
    return page;
}

// The lines drawn of a cell's notes: the texts each a piece of one of them.
std::vector<std::string> NoteLines(const PageDrawing& drawing, const std::vector<std::string>& notes)
{
    std::vector<std::string> lines;
    for (const PageText& text : drawing.texts) {
        for (const std::string& note : notes) {
            if (!text.utf8.empty() && note.find(text.utf8) != std::string::npos) {
                lines.push_back(text.utf8);
                break;
            }
        }
        if (text.utf8.starts_with("외 ")) lines.push_back(text.utf8);
    }
    return lines;
}

TEST(PageLayout, TheGridRulesDivideTheColumnsOnlyInside)
{
    const PageDrawing drawing = LayOutMonthPage(PageWithNotes({}));
    std::vector<double> columnRulesPt;  // the vertical rules' x
    double leftPt = kPageWidthPt;
    double rightPt = 0;
    for (const PageRule& rule : drawing.rules) {
        if (rule.x1Pt == rule.x2Pt) columnRulesPt.push_back(rule.x1Pt);
        if (rule.y1Pt == rule.y2Pt) {
            leftPt = std::min(leftPt, rule.x1Pt);
            rightPt = std::max(rightPt, rule.x2Pt);
        }
    }
    // The rules across: the grid's top and bottom heavier than those between its weeks.
    std::vector<PageRule> across;
    for (const PageRule& rule : drawing.rules) {
        if (rule.y1Pt == rule.y2Pt && rule.y1Pt > drawing.rules.front().y1Pt) across.push_back(rule);
    }
    std::ranges::sort(across, {}, &PageRule::y1Pt);
    ASSERT_EQ(across.size(), 6U);  // five weeks in March 2027
    for (std::size_t i = 1; i + 1 < across.size(); ++i) {
        EXPECT_LT(across[i].widthPt, across.front().widthPt) << i;
        EXPECT_LT(across[i].widthPt, across.back().widthPt) << i;
    }
    ASSERT_EQ(columnRulesPt.size(), 6U);  // seven columns, the sides open
    for (std::size_t i = 0; i < columnRulesPt.size(); ++i) {
        EXPECT_NEAR(columnRulesPt[i], leftPt + (rightPt - leftPt) * static_cast<double>(i + 1) / 7, 1e-6) << i;
    }
}

TEST(PageLayout, ADaysNumberIsBoldAndLargestInItsCell)
{
    const MonthPage page = PageWithNotes({"가"});
    const PageDrawing drawing = LayOutMonthPage(page);
    const PageText* number = nullptr;  // the biggest "10": the small months have theirs too
    for (const PageText& text : drawing.texts) {
        if (text.utf8 == "10" && (number == nullptr || text.sizePt > number->sizePt)) number = &text;
    }
    ASSERT_NE(number, nullptr);
    EXPECT_TRUE(number->bold);
    const PageText* note = nullptr;
    for (const PageText& text : drawing.texts) {
        if (text.utf8 == "가") note = &text;
        if (text.utf8 != "가" && text.utf8 != page.days[9].lunar) continue;
        EXPECT_LT(text.sizePt, number->sizePt) << text.utf8;
        EXPECT_FALSE(text.bold) << text.utf8;
    }
    // Whole inside its cell, above its notes: below the rule over the cell.
    ASSERT_NE(note, nullptr);
    double cellTopPt = 0;
    for (const PageRule& rule : drawing.rules) {
        if (rule.y1Pt == rule.y2Pt && rule.y1Pt < note->baselinePt) cellTopPt = std::max(cellTopPt, rule.y1Pt);
    }
    EXPECT_GE(number->baselinePt - number->sizePt, cellTopPt);
    EXPECT_LT(number->baselinePt, note->baselinePt);
}

TEST(PageLayout, NotesWrapByTheWidthOfWhatIsWritten)
{
    const struct {
        std::vector<std::string> notes;
        std::vector<std::string> lines;
    } cases[] = {
        // Latin letters are narrower than syllables: as many fit where the
        // syllables take two lines.
        {{"ABCDEFGHIJKLMNOPQRSTUV"}, {"ABCDEFGHIJKLMNOPQRSTUV"}},
        {{"ABCDEFGHIJKLMNOPQRSTUVW"}, {"ABCDEFGHIJKLMNOPQRSTUV", "W"}},  // never past the cell's margin
        {{"가나다라마바사아자차카타파하가나"}, {"가나다라마바사아자차카타파하가", "나"}},
        // Between words where it can.
        {{"큰어머니 생신 작은아버지 회갑 잔치"}, {"큰어머니 생신 작은아버지 회갑", "잔치"}},
        // As many whole notes as the cell holds, then how many more.
        {{"가", "나", "다", "라", "마", "바", "사", "아"}, {"가", "나", "다", "라", "외 4건"}},
        {{"가", "나", "다", "라", "마"}, {"가", "나", "다", "라", "마"}},  // exactly filling it
    };
    for (const auto& c : cases) {
        const PageDrawing drawing = LayOutMonthPage(PageWithNotes(c.notes));
        EXPECT_EQ(NoteLines(drawing, c.notes), c.lines) << c.notes.front();
    }
}

}  // namespace
