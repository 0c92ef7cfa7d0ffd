#include "printer.h"

#include "cp949.h"
#include "date_check.h"
#include "month_notes.h"
#include "print_month.h"
#include "terminal_month.h"
#include "terminal_style.h"

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

void Printer::Month(std::int32_t year, std::int32_t month) const
{
    // Before the user's files, so that a refusal is the only message; the
    // window's own text refuses after its header, as the window does.
    if (request_.layout != MonthLayout::Window) CheckYearAndMonth(year, month);
    const bool korea = request_.almanac == Almanac::Korea;
    if (korea) (void)User();  // read before a line is written: a named file that can't be is refused
    const CellStyle style =
        context_.color ? MonthColors(year, month, korea, context_.today, Holidays().holidays) : CellStyle{};
    if (request_.layout == MonthLayout::Window) {
        PrintMonth(year, month, WindowCalendarOutput(), request_.almanac, style);
    } else {
        PrintTerminalMonth(year, month, Output(), request_.almanac, style,
                           context_.color ? WeekdayColors() : WeekdayStyle{});
    }
    if (korea) PrintMonthNotes(year, month, Output(), User());
}
