// Feeds arbitrary command lines to both programs' parsers, and each argument
// through the conversion dalcal-print reads it with (UTF-8 to CP949):
// - a parser returns a request whose mode fits its numbers, or a usage error
//   with a message, one line of UTF-8 in English and in Korean (the catalog
//   the build made);
// - dalcal-print carries the request out (spans of a few years, to stay
//   fast): it writes, or refuses with EConvertError; its JSON parses as JSON
//   and its iCalendar as the calendar it means to write;
// - the conversion never grows the text, leaves ASCII as it is, writes only
//   CP949 (it converts back without a replacement character), and what it
//   writes converts back and forth to itself;
// - each argument typed into the month view's box is a date of the program's
//   years, a lunar date the almanac takes or refuses, or a one-line message.
//
// Input: the arguments after the program's name, each ended by a NUL byte
// (the last one by the end of the input).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "input/typed_date.h"
#include "input/typed_numbers.h"
#include "print_request/arguments.h"
#include "print_request/surroundings.h"
#include "programs/dalcal-print/print_run.h"
#include "programs/dalcal/window_arguments.h"
#include "runtime/exception.h"
#include "runtime/sysutils.h"
#include "shell/messages.h"
#include "tests/fuzz/output_checks.h"
#include "text/cp949.h"
#include "text/utf8.h"

namespace {

void Require(bool condition)
{
    if (!condition) std::abort();
}

std::vector<std::string> SplitArguments(std::string_view input)
{
    std::vector<std::string> arguments;
    std::size_t start = 0;
    while (start <= input.size()) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        arguments.emplace_back(input.substr(start, end - start));
        start = end + 1;
    }
    return arguments;
}

// Whether a request's mode fits the count of its numbers (a month or a
// lunar date may be one argument as typed: "2027년 2월", "2025 윤6월 1일").
bool NumbersFit(PrintMode mode, std::size_t count)
{
    switch (mode) {
        case PrintMode::Year:  // "2027 년": the arguments are read as one typed text
        case PrintMode::Date:
        case PrintMode::FromLunar:  // "음력 2025 윤6 1": a word an argument
            return count >= 1;
        case PrintMode::FromLunarYears:
            return count >= 1 && count <= 2;
        case PrintMode::Month:
            return true;
        case PrintMode::Holidays:
        case PrintMode::Terms:
        case PrintMode::Events:
        case PrintMode::CalendarFile:
        case PrintMode::Upcoming:
        case PrintMode::Days:
            return count <= 1;
        case PrintMode::AddEvent:
        case PrintMode::RemoveEvent:
            return count == 0;
    }
    return false;
}

// A message of one line, UTF-8, whatever bytes the arguments held.
bool IsOneLineOfText(const std::string& message)
{
    return !message.empty() && Utf8::IsWellFormed(message) &&
           std::ranges::none_of(message, [](char c) { return c == '\n' || c == '\r'; });
}

// A span of more than a few years, which would make the run slow: "A-B" with
// numbers far apart.
bool LongSpan(const std::string& typed)
{
    const std::string text = AsTypedNumber(typed);  // as dalcal-print reads it
    const std::size_t dash = text.find('-', 1);
    if (dash == std::string::npos) return false;
    try {
        const std::int64_t from = Sysutils::StrToInt(Cp949::FromUtf8(text.substr(0, dash)));
        const std::int64_t to = Sysutils::StrToInt(Cp949::FromUtf8(text.substr(dash + 1)));
        return to - from > 3;
    } catch (const EConvertError&) {
        return false;
    }
}

// A few dates of a user's files, so that runs show, list and export them:
// an anniversary of each kind, names that need escaping, an added holiday.
UserDates SomeUserDates()
{
    UserDates user;
    user.events = {{{DateRuleKind::Lunar, 0, 12, 30, false}, "a, b; c\\"},
                   {{DateRuleKind::Lunar, 0, 6, 1, true}, "line\nbreak"},
                   {{DateRuleKind::Solar, 0, 2, 29, false}, "\xEC\x96\xB4"},
                   {{DateRuleKind::Once, 2027, 3, 4, false}, "d \xF0\x9F\x8E\x82"}};
    user.holidays = {{{2026, 3, 2}, "x", HolidayKind::Designated, 0}};
    user.holidaySources = {"/etc/dalcal/holidays"};
    return user;
}

void RequireOneLineInBothLanguages(const Message& message)
{
    Require(IsOneLineOfText(message.English()));
    Require(IsOneLineOfText(Messages::Shown(message)));
}

// Runs a request in a terminal 60 columns wide (the compact layout) or onto a pipe.
void CheckRun(const PrintRequest& request, bool narrow)
{
    if (LongSpan(request.years) || (!request.numbers.empty() && LongSpan(request.numbers[0]))) return;
    // Pages are the page drawer's, which main runs instead (date_files_fuzz draws them).
    if (request.format == OutputFormat::Pdf || request.format == OutputFormat::Svg) return;
    std::string output;
    static const RunContext terminal{true, {2026, 12, 7}, 1700000000, 60, UserFiles(SomeUserDates())};
    static const RunContext pipe{false, {2026, 12, 31}, 0, 0, UserFiles(SomeUserDates())};
    const RunContext& context = narrow ? terminal : pipe;
    try {
        RunPrintRequest(request, context, [&output](std::string_view bytes) { output += bytes; });
    } catch (const TypedValueError& refusal) {  // one line of UTF-8, quoting what was typed
        Require(refusal.Said().has_value() && IsOneLineOfText(refusal.what()));
        RequireOneLineInBothLanguages(*refusal.Said());
        return;
    } catch (const EConvertError&) {
        return;  // refused; what was written stays
    }
    if (request.format == OutputFormat::Json) Require(IsJsonText(output));
    if (request.format == OutputFormat::Ics) Require(IsProgramICalendar(output));
}

void CheckPrintParser(const std::vector<const char*>& argv, bool narrow)
{
    const auto parsed = ParsePrintArguments(argv, 2027);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        RequireOneLineInBothLanguages(usage->message);
        return;
    }
    const PrintRequest& request = std::get<PrintRequest>(parsed);
    if (request.help || request.version) return;
    Require(NumbersFit(request.mode, request.numbers.size()));
    // A date given was read once, into the request, whatever the mode made of it.
    const bool dated = request.mode == PrintMode::Year || request.mode == PrintMode::Date ||
                       request.mode == PrintMode::FromLunar || request.mode == PrintMode::FromLunarYears ||
                       (request.mode == PrintMode::Month && !request.numbers.empty());
    Require(request.date.has_value() == dated);
    Require(request.years.empty() == (request.mode != PrintMode::FromLunarYears));
    // A line to add is one the events file's reader reads as one event; the
    // changes write a file, so they are not run here (events_writer_fuzz).
    if (request.mode == PrintMode::AddEvent || request.mode == PrintMode::RemoveEvent) {
        Require(!request.eventLine.empty() && request.event.has_value() == (request.mode == PrintMode::AddEvent));
        return;
    }
    CheckRun(request, narrow);
}

void CheckWindowParser(const std::vector<const char*>& argv)
{
    const auto parsed = ParseWindowArguments(argv, {2027, 2, 7});
    if (const auto* usage = std::get_if<UsageError>(&parsed)) RequireOneLineInBothLanguages(usage->message);
}

void CheckConversion(const std::string& utf8)
{
    const AnsiString cp949 = Cp949::FromUtf8(utf8);
    Require(cp949.size() <= utf8.size());
    const bool ascii = std::ranges::all_of(utf8, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) Require(cp949.Bytes() == utf8);
    const std::string back = Cp949::ToUtf8(cp949);
    Require(back.find("\xEF\xBF\xBD") == std::string::npos);
    Require(Cp949::FromUtf8(back) == cp949);
}

}  // namespace

// Messages in Korean, from the catalog the build made, whatever the locale
// the fuzzer runs in.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    (void)setenv("LC_ALL", "C.UTF-8", 1);
    (void)setenv("LANGUAGE", "ko", 1);
    Messages::UseCatalogsIn(DALCAL_BUILD_LOCALEDIR);
    Require(std::string_view(Messages::Translated("write error")) == "쓰기 오류");
    return 0;
}

// What is typed into the month view's box: a month or a day of the years
// 1..9999, a lunar date the almanac takes or refuses with a message, or a
// message of one line; never an exception.
void CheckTypedDate(const std::string& typed)
{
    const TypedDate read =
        ReadTypedDate(typed, 2027, typed.size() % 2 == 0 ? LoneNumber::Year : LoneNumber::MonthOrYear);
    if (const auto* year = std::get_if<TypedYear>(&read)) {
        Require(year->year >= 1 && year->year <= 9999);
    } else if (const auto* month = std::get_if<TypedMonth>(&read)) {
        Require(month->year >= 1 && month->year <= 9999 && month->month >= 1 && month->month <= 12);
    } else if (const auto* date = std::get_if<GregorianDate>(&read)) {
        Require(date->year >= 1 && date->year <= 9999 && date->day >= 1 &&
                date->day <= GregorianMonthDays(date->year, date->month));
    } else if (const auto* lunar = std::get_if<TypedLunarDate>(&read)) {
        try {
            const GregorianDate day = LunarToSolar(Almanac::Korea, lunar->year, lunar->month, lunar->day, lunar->leap);
            Require(day.year >= 1 && day.year <= 9999);
        } catch (const EConvertError& refusal) {
            Require(refusal.Said().has_value());
        }
    } else {
        RequireOneLineInBothLanguages(std::get<Message>(read));
    }
}

// The other readings of what is typed: its shape, a lunar date without the
// word 음력, SOURCE_DATE_EPOCH and COLUMNS; and a long line wrapped for a
// narrow terminal, never past its width but for a character wider than it.
void CheckOtherReadings(const std::string& typed)
{
    const std::size_t numbers = DateNumbersIn(typed);
    Require(numbers <= 3);
    if (const std::optional<TypedLunarDate> lunar = ReadLunarArguments(typed, 2027)) {
        Require((numbers == 2 && lunar->year == 2027) || numbers == 3);
    }
    if (const std::optional<TypedDays> days = ReadTypedDays(typed)) {
        Require(days->count >= 0 && DaysOf(*days, {9999, 12, 31}) >= 0 && DaysOf(*days, {1, 1, 1}) >= 0);
    }
    if (const std::optional<std::int64_t> seconds = ParseSourceDateEpoch(typed)) {
        Require(*seconds >= 0 && UtcMoment(*seconds).size() == std::string_view("9999-12-31T23:59:59").size());
    }
    const std::int32_t columns = TerminalColumns(false, 0, typed.c_str());
    Require(columns >= 0 && columns <= 9999);
    const std::size_t width = typed.size() % 40 + 1;
    for (const std::string& line : Utf8::Wrapped(typed, width, "  ")) {
        Require(Utf8::Columns(line) <= std::max<std::size_t>(width, 4));
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> arguments =
        SplitArguments(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<const char*> argv = {"dalcal-print"};
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
        CheckConversion(argument);
        CheckTypedDate(argument);
        CheckOtherReadings(argument);
    }
    CheckPrintParser(argv, size % 2 == 0);
    CheckWindowParser(argv);
    return 0;
}
