// Feeds arbitrary bytes as the two edit boxes' text through what a press of
// the window's button does (StrToInt of the year, then of the month, then
// PrintMonth), in each almanac, and checks every line and the calendar as a
// whole; the two almanacs differ in the lunar dates only. The same year and
// month through the terminal's layout (dalcal-print's default): within 80
// columns, or refused before a line is written.
//
// Input: the year's text, a newline, the month's text (no newline: all of it
// is the year's text and the month's is empty).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/sexagenary.h"
#include "report/print_month.h"
#include "report/terminal_month.h"
#include "runtime/exception.h"
#include "runtime/sysutils.h"
#include "text/cp949.h"
#include "text/utf8.h"

namespace {

// Lines are at most 120 bytes (a week of 16-byte leap cells is 112; the header
// grows only with the digits of the year and month). Before 1900 the classic
// table's lunar day counts back from 1900-01-31 and widens its field, down to
// -693624 on 0001-01-01: a cell is then up to 21 bytes, a week 147.
constexpr std::size_t kLongestLine = 120;
constexpr std::size_t kLongestEarlyRow = 7 * 21;

void Require(bool condition)
{
    if (!condition) std::abort();
}

// A line that is CP949 throughout: it converts without a replacement character.
bool IsCp949(const AnsiString& line)
{
    return Cp949::ToUtf8(line).find("\xEF\xBF\xBD") == std::string::npos;
}

struct Press {
    bool yearRefused = false;
    bool monthRefused = false;
    bool calendarRefused = false;
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::vector<AnsiString> lines;
};

Press PressButton(std::string_view yearText, std::string_view monthText, Almanac almanac)
{
    Press press;
    try {
        press.year = Sysutils::StrToInt(AnsiString(std::string(yearText)));
    } catch (const EConvertError&) {
        press.yearRefused = true;
        return press;
    }
    try {
        press.month = Sysutils::StrToInt(AnsiString(std::string(monthText)));
    } catch (const EConvertError&) {
        press.monthRefused = true;
        return press;
    }
    try {
        PrintMonth(
            press.year, press.month, [&press](const AnsiString& line) { press.lines.push_back(line); }, almanac);
    } catch (const EConvertError&) {
        press.calendarRefused = true;
    }
    return press;
}

void CheckPress(const Press& press, Almanac almanac)
{
    for (std::size_t i = 0; i < press.lines.size(); ++i) {
        const bool earlyRow = i >= 3 && press.year < 1900 && almanac == Almanac::Classic;
        Require(press.lines[i].size() <= (earlyRow ? kLongestEarlyRow : kLongestLine));
        Require(IsCp949(press.lines[i]));
    }
    if (press.yearRefused || press.monthRefused) {  // not an integer: nothing written
        Require(press.lines.empty());
        return;
    }
    const bool validDate = press.year >= 1 && press.year <= 9999 && press.month >= 1 && press.month <= 12;
    if (!validDate) {  // the header lines, then the conversion error
        Require(press.calendarRefused && press.lines.size() == 3);
        return;
    }
    // A whole calendar: header lines and one row a week holding every day once.
    Require(!press.calendarRefused && press.lines.size() >= 3 + 4 && press.lines.size() <= 3 + 6);
    std::size_t cells = 0;
    for (std::size_t i = 3; i < press.lines.size(); ++i) {
        for (const char c : press.lines[i].View()) cells += c == '|' ? 1 : 0;
    }
    Require(cells == static_cast<std::size_t>(GetSolarMonthDays(press.year, press.month)));
}

// The terminal's layout of a year and month read as the window reads them:
// CP949 lines of at most 80 bytes (columns), two a week after the four of the
// heading and perhaps one on the almanac's range; or nothing at all.
void CheckTerminalMonth(std::string_view yearText, std::string_view monthText, Almanac almanac)
{
    std::int32_t year = 0;
    std::int32_t month = 0;
    try {
        year = Sysutils::StrToInt(AnsiString(std::string(yearText)));
        month = Sysutils::StrToInt(AnsiString(std::string(monthText)));
    } catch (const EConvertError&) {
        return;
    }
    std::vector<std::string> lines;
    bool refused = false;
    try {
        PrintTerminalMonth(
            year, month, [&lines](const std::string& line) { lines.push_back(line); }, almanac);
    } catch (const EConvertError&) {
        refused = true;
    }
    const bool validDate = year >= 1 && year <= 9999 && month >= 1 && month <= 12;
    Require(refused == !validDate && (lines.empty() || validDate));
    if (!validDate) return;
    constexpr std::size_t kTerminalColumns = 80;
    for (const std::string& line : lines) Require(Utf8::Columns(line) <= kTerminalColumns && Utf8::IsWellFormed(line));
    Require(lines.size() >= 4 + 2 * 4 && lines.size() <= 5 + 2 * 6);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view yearText = input.substr(0, newline);
    const std::string_view monthText = newline == std::string_view::npos ? "" : input.substr(newline + 1);

    const Press classic = PressButton(yearText, monthText, Almanac::Classic);
    const Press korea = PressButton(yearText, monthText, Almanac::Korea);
    CheckPress(classic, Almanac::Classic);
    CheckPress(korea, Almanac::Korea);
    // The same header, rule, weekday line and number of rows in both.
    Require(classic.lines.size() == korea.lines.size());
    for (std::size_t i = 0; i < classic.lines.size() && i < 3; ++i) Require(classic.lines[i] == korea.lines[i]);
    Require(classic.calendarRefused == korea.calendarRefused);
    CheckTerminalMonth(yearText, monthText, Almanac::Classic);
    CheckTerminalMonth(yearText, monthText, Almanac::Korea);
    return 0;
}
