#include "formats/page_layout.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "report/korean_words.h"
#include "text/utf8.h"

namespace {

constexpr double kMarginPt = 28;
constexpr double kGridTopPt = 118;
constexpr double kHeadingHeightPt = 18;
constexpr double kFooterLinePt = 10;

constexpr Rgb kInk = {0x22, 0x22, 0x22};
constexpr Rgb kRed = {0xC8, 0x1E, 0x1E};
constexpr Rgb kBlue = {0x1E, 0x50, 0xB4};
constexpr Rgb kGrey = {0x70, 0x70, 0x70};
constexpr Rgb kRuleGrey = {0xB4, 0xB4, 0xB4};
constexpr Rgb kOutsideFill = {0xF3, 0xF3, 0xF3};

constexpr double kTitleSizePt = 28;
constexpr double kLunarLineSizePt = 10;
constexpr double kWeekdaySizePt = 10;
constexpr double kDaySizePt = 18;
constexpr double kLunarSizePt = 8.5;
constexpr double kNoteSizePt = 7.5;
constexpr double kNoteLinePt = 9.5;
constexpr double kFooterSizePt = 7;
constexpr double kSmallSizePt = 6.5;
constexpr double kSmallColumnPt = 15;
constexpr double kSmallRowPt = 8.5;
// Advances in the page font, in ems, a little over NanumGothic's own: a
// syllable's, and the widest of the others (digits, Latin letters).
constexpr double kWideEm = 0.9;
constexpr double kNarrowEm = 0.6;

// The ink of each DayColor: weekday, Saturday, holiday.
constexpr std::array<Rgb, 3> kDayInks = {kInk, kBlue, kRed};

Rgb ColorOf(DayColor color)
{
    return kDayInks.at(static_cast<std::size_t>(color));
}

// A character's advance in ems.
double EmsOf(const Utf8::Character& character)
{
    return character.wellFormed && Utf8::IsWide(character.codePoint) ? kWideEm : kNarrowEm;
}

// About how wide text is set in the page's font (a syllable a square, other
// characters a little over half), so that a note can be shortened to its cell.
double EstimatedWidthPt(const std::string& utf8, double sizePt)
{
    double ems = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8::Character character = Utf8::Read(utf8, i);
        ems += EmsOf(character);
        i += character.length;
    }
    return ems * sizePt;
}

// text cut, with "…" at the end, to about widthPt.
std::string Shortened(const std::string& text, double sizePt, double widthPt)
{
    if (EstimatedWidthPt(text, sizePt) <= widthPt) return text;
    const std::string_view ellipsis = "…";
    const double roomPt = widthPt - EstimatedWidthPt(std::string(ellipsis), sizePt);
    double ems = 0;  // of the characters kept
    std::size_t kept = 0;
    while (kept < text.size()) {
        const Utf8::Character character = Utf8::Read(text, kept);
        ems += EmsOf(character);
        if (ems * sizePt > roomPt) break;
        kept += character.length;
    }
    std::string shortened = text.substr(0, kept);
    shortened += ellipsis;
    return shortened;
}

// A note in lines of about widthPt, broken between words where it can be
// and inside a long word where it must.
std::vector<std::string> Wrapped(const std::string& text, double sizePt, double widthPt)
{
    std::vector<std::string> lines(1);
    std::size_t lastBlank = std::string::npos;  // in lines.back()
    double lineEms = 0;                         // of lines.back()
    for (std::size_t i = 0; i < text.size();) {
        const Utf8::Character character = Utf8::Read(text, i);
        const std::size_t length = character.length;
        std::string& line = lines.back();
        line.append(text, i, length);
        lineEms += EmsOf(character);
        if (text[i] == ' ') lastBlank = line.size() - 1;
        i += length;
        if (lineEms * sizePt <= widthPt || line.size() == length) continue;
        const std::size_t cut = lastBlank != std::string::npos ? lastBlank + 1 : line.size() - length;
        std::string rest = line.substr(cut);
        line.resize(lastBlank != std::string::npos ? lastBlank : cut);
        lineEms = EstimatedWidthPt(rest, 1);
        lines.push_back(std::move(rest));
        lastBlank = std::string::npos;
    }
    return lines;
}

std::string Number(std::int32_t value)
{
    return std::to_string(value);
}

// A neighbouring month's small grid, its top left corner at x, y.
void AddSmallMonth(PageDrawing& drawing, const SmallMonth& small, double xPt, double yPt)
{
    const double widthPt = kDaysInWeek * kSmallColumnPt;
    const std::string title = small.title;
    drawing.texts.push_back({xPt + widthPt / 2, yPt + 8, 8, true, kInk, Anchor::Middle, title});
    for (std::int32_t column = 0; column < kDaysInWeek; ++column) {
        drawing.texts.push_back({xPt + (column + 0.5) * kSmallColumnPt, yPt + 8 + kSmallRowPt + 2, kSmallSizePt, false,
                                 ColorOf(DayColorOf(WeekdayAt(column), false)), Anchor::Middle,
                                 std::string(WeekdaySyllable(WeekdayAt(column)))});
    }
    for (std::int32_t day = 1; day <= small.grid.days; ++day) {
        const std::int32_t cell = small.grid.CellOf(day);
        const std::int32_t column = MonthGrid::ColumnOfCell(cell);
        const double row = 2 + MonthGrid::WeekOfCell(cell);
        const bool holiday = std::ranges::binary_search(small.holidays, day);
        drawing.texts.push_back({xPt + (column + 0.5) * kSmallColumnPt, yPt + 8 + kSmallRowPt * row + 2, kSmallSizePt,
                                 false, ColorOf(DayColorOf(WeekdayAt(column), holiday)), Anchor::Middle, Number(day)});
    }
}

void AddHeader(PageDrawing& drawing, const MonthPage& page)
{
    drawing.texts.push_back(
        {kPageWidthPt / 2, kMarginPt + 30, kTitleSizePt, true, kInk, Anchor::Middle, drawing.title});
    double baselinePt = kMarginPt + 50;
    for (const std::string& line : page.lunarLines) {
        drawing.texts.push_back({kPageWidthPt / 2, baselinePt, kLunarLineSizePt, false, kGrey, Anchor::Middle, line});
        baselinePt += kLunarLineSizePt + 3;
    }
    if (page.before) AddSmallMonth(drawing, *page.before, kMarginPt, kMarginPt);
    if (page.after)
        AddSmallMonth(drawing, *page.after, kPageWidthPt - kMarginPt - kDaysInWeek * kSmallColumnPt, kMarginPt);
}

void AddDay(PageDrawing& drawing, const PageDay& day, double xPt, double yPt, double widthPt, double heightPt)
{
    drawing.texts.push_back({xPt + 6, yPt + 20, kDaySizePt, true, ColorOf(day.color), Anchor::Start, Number(day.day)});
    if (!day.lunar.empty()) {
        drawing.texts.push_back({xPt + widthPt - 5, yPt + 13, kLunarSizePt, false, kGrey, Anchor::End, day.lunar});
    }
    // The notes line by line, whole, as many as the cell holds; where some do
    // not fit, the last line says how many: "외 2건". A note too long for the
    // cell alone is cut with "…".
    const double firstNotePt = yPt + 34;
    const auto room = static_cast<std::size_t>(std::max(0.0, (yPt + heightPt - 3 - firstNotePt) / kNoteLinePt + 1));
    const double noteWidthPt = widthPt - 10;
    std::vector<std::vector<std::string>> wrapped;
    std::size_t allLines = 0;
    for (const PageNote& note : day.notes) {
        wrapped.push_back(Wrapped(note.text, kNoteSizePt, noteWidthPt));
        allLines += wrapped.back().size();
    }
    const std::size_t noteRoom = allLines <= room ? room : room - std::min<std::size_t>(room, 1);
    std::size_t line = 0;
    std::size_t shown = 0;
    const auto write = [&](std::string text, const Rgb& colour) {
        drawing.texts.push_back({xPt + 5, firstNotePt + static_cast<double>(line++) * kNoteLinePt, kNoteSizePt, false,
                                 colour, Anchor::Start, std::move(text)});
    };
    for (; shown < wrapped.size(); ++shown) {
        const std::vector<std::string>& lines = wrapped[shown];
        const bool fits = line + lines.size() <= noteRoom;
        if (!fits && line > 0) break;  // whole notes only, after the first
        const Rgb colour = day.notes[shown].kind == DayKind::Holidays ? kRed : kInk;
        for (std::size_t j = 0; j < lines.size() && line < noteRoom; ++j) {
            const bool cut = !fits && (line + 1 == noteRoom);
            write(cut ? Shortened(lines[j] + "…", kNoteSizePt, noteWidthPt) : lines[j], colour);
        }
        if (!fits) {
            ++shown;
            break;
        }
    }
    if (shown < wrapped.size() && line < room) {
        write(MoreItemsText(static_cast<std::int32_t>(wrapped.size() - shown)), kGrey);
    }
}

void AddGrid(PageDrawing& drawing, const MonthPage& page, double bottomPt)
{
    const double leftPt = kMarginPt;
    const double widthPt = (kPageWidthPt - 2 * kMarginPt) / kDaysInWeek;
    const std::int32_t weeks = page.grid.Weeks();
    const double topPt = kGridTopPt + kHeadingHeightPt;
    const double heightPt = (bottomPt - topPt) / weeks;
    for (std::int32_t column = 0; column < kDaysInWeek; ++column) {
        drawing.texts.push_back({leftPt + (column + 0.5) * widthPt, kGridTopPt + 13, kWeekdaySizePt, true,
                                 ColorOf(DayColorOf(WeekdayAt(column), false)), Anchor::Middle,
                                 std::string(WeekdaySyllable(WeekdayAt(column)))});
    }
    for (std::int32_t cell = 0; cell < weeks * kDaysInWeek; ++cell) {
        const double xPt = leftPt + MonthGrid::ColumnOfCell(cell) * widthPt;
        const double yPt = topPt + MonthGrid::WeekOfCell(cell) * heightPt;
        const std::int32_t day = page.grid.DayIn(cell);
        if (day == 0 || static_cast<std::size_t>(day) > page.days.size()) {
            drawing.boxes.push_back({xPt, yPt, widthPt, heightPt, kOutsideFill});
        } else {
            AddDay(drawing, page.days[static_cast<std::size_t>(day - 1)], xPt, yPt, widthPt, heightPt);
        }
    }
    const double rightPt = leftPt + kDaysInWeek * widthPt;
    drawing.rules.push_back({leftPt, kGridTopPt, rightPt, kGridTopPt, 1.2, kInk});
    for (std::int32_t week = 0; week <= weeks; ++week) {
        const double yPt = topPt + week * heightPt;
        drawing.rules.push_back({leftPt, yPt, rightPt, yPt, week == 0 || week == weeks ? 1.2 : 0.5,
                                 week == 0 || week == weeks ? kInk : kRuleGrey});
    }
    for (std::int32_t column = 1; column < kDaysInWeek; ++column) {
        const double xPt = leftPt + column * widthPt;
        drawing.rules.push_back({xPt, topPt, xPt, bottomPt, 0.5, kRuleGrey});
    }
}

}  // namespace

PageDrawing LayOutMonthPage(const MonthPage& page)
{
    PageDrawing drawing;
    drawing.title = page.title;
    AddHeader(drawing, page);
    const double footerTopPt = kPageHeightPt - kMarginPt - static_cast<double>(page.footer.size()) * kFooterLinePt;
    AddGrid(drawing, page, footerTopPt - 6);
    double baselinePt = footerTopPt + kFooterSizePt;
    for (const std::string& line : page.footer) {
        drawing.texts.push_back({kMarginPt, baselinePt, kFooterSizePt, false, kGrey, Anchor::Start, line});
        baselinePt += kFooterLinePt;
    }
    return drawing;
}
