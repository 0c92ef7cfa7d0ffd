#include "programs/dalcal-print/printer.h"

#include <algorithm>

#include "programs/dalcal-print/terminal_style.h"
#include "report/compact_calendar.h"
#include "report/month_notes.h"
#include "report/print_month.h"
#include "report/terminal_month.h"
#include "runtime/date_check.h"
#include "text/cp949.h"
#include "text/utf8.h"

void Printer::Write(const std::string& utf8Line) const
{
    lineBytes_.clear();
    if (request_.cp949) {
        lineBytes_ += Cp949::FromUtf8(utf8Line).Bytes();
    } else {
        lineBytes_ += utf8Line;
    }
    lineBytes_ += '\n';
    output_(lineBytes_);
}

void Printer::WriteCp949(const AnsiString& line) const
{
    lineBytes_.clear();
    if (request_.cp949) {
        lineBytes_ += line.Bytes();
    } else {
        Cp949::AppendUtf8(lineBytes_, line);
    }
    lineBytes_ += '\n';
    output_(lineBytes_);
}

namespace {

constexpr std::int32_t kTerminalMonthColumns = 77;  // the terminal layout's widest line
constexpr std::int32_t kCompactColumns = 40;        // the compact one's

}  // namespace

MonthLayout Printer::LayoutOfMonth() const
{
    if (request_.layout != MonthLayout::Auto) return request_.layout;
    const bool narrow = context_.terminalColumns > 0 && context_.terminalColumns < kTerminalMonthColumns;
    return narrow ? MonthLayout::Compact : MonthLayout::Terminal;
}

CellStyle Printer::MonthStyle(std::int32_t year, std::int32_t month) const
{
    if (!context_.color) return {};
    return MonthColors(year, month, request_.almanac == Almanac::Korea, context_.today, Holidays().holidays);
}

void Printer::Month(std::int32_t year, std::int32_t month) const
{
    const MonthLayout layout = LayoutOfMonth();
    // Before the user's files, so that a refusal is the only message; the
    // window's own text refuses after its header, as the window does.
    if (layout != MonthLayout::Window) CheckYearAndMonth(year, month);
    const bool korea = request_.almanac == Almanac::Korea;
    if (korea) (void)User();  // read before a line is written: a named file that can't be is refused
    const CellStyle style = MonthStyle(year, month);
    const WeekdayStyle headingStyle = context_.color ? WeekdayColors() : WeekdayStyle{};
    if (layout == MonthLayout::Window) {
        PrintMonth(year, month, WindowCalendarOutput(), request_.almanac, style);
    } else if (layout == MonthLayout::Compact) {
        PrintCompactMonth(year, month, Output(), request_.almanac, style, headingStyle);
    } else {
        PrintTerminalMonth(year, month, Output(), request_.almanac, style, headingStyle);
    }
    if (!korea) return;
    const DayKinds kinds = Kinds(kListedKinds);
    if (layout != MonthLayout::Compact) return PrintMonthNotes(year, month, Output(), User(), kinds);
    // Within the compact month's width (or a narrower terminal's), a long note continued below.
    const auto width = static_cast<std::size_t>(
        context_.terminalColumns > 0 ? std::min(context_.terminalColumns, kCompactColumns) : kCompactColumns);
    PrintMonthNotes(
        year, month,
        [this, width](const std::string& line) {
            for (const std::string& part : Utf8::Wrapped(line, width, "          ")) Write(part);
        },
        User(), kinds);
}

void Printer::Year(std::int32_t year) const
{
    const bool sideBySide = request_.layout == MonthLayout::Compact ||
                            (request_.layout == MonthLayout::Auto && context_.terminalColumns > 0);
    if (!sideBySide) {
        for (std::int32_t month = 1; month <= kMonthsInYear; ++month) {
            if (month > 1) Write("");
            Month(year, month);
        }
        return;
    }
    CheckYearAndMonth(year, 1);
    const bool korea = request_.almanac == Almanac::Korea;
    constexpr std::int32_t kPipeColumns = 80;  // --layout compact onto a pipe
    const std::int32_t columns = context_.terminalColumns > 0 ? context_.terminalColumns : kPipeColumns;
    PrintCompactYear(
        year, Output(), request_.almanac, columns, korea ? Holidays() : UserDates{},
        [this, year](std::int32_t month) { return MonthStyle(year, month); },
        context_.color ? WeekdayColors() : WeekdayStyle{});
}
