#include "argument_values.h"

#include <algorithm>
#include <string_view>

#include "cp949.h"
#include "exception.h"
#include "sysutils.h"

namespace {

bool AllDigits(std::string_view text, std::size_t shortest, std::size_t longest)
{
    return text.size() >= shortest && text.size() <= longest &&
           std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

std::string Quoted(const std::string& arg)
{
    std::string quoted = "\"";  // appended piece by piece: GCC 12 misreads "\"" + string at -O3 (-Wrestrict)
    quoted += Cp949::FromUtf8(arg);
    quoted += '"';
    return quoted;
}

std::string IsoMonth(const GregorianDate& date)
{
    return Sysutils::Format("%.4d-%.2d", date.year, date.month);
}

}  // namespace

std::int32_t ParseNumber(const char* name, const std::string& arg)
{
    try {
        return Sysutils::StrToInt(Cp949::FromUtf8(arg));
    } catch (const EConvertError& error) {
        throw EConvertError(AnsiString(name) + ": " + error.Message());
    }
}

YearSpan ParseYearSpan(const char* name, const std::string& arg, bool oneYear, std::int32_t first, std::int32_t last,
                       const char* what)
{
    const std::size_t dash = arg.find('-', 1);  // not a leading minus sign
    if (dash == std::string::npos && !oneYear) {
        throw EConvertError(AnsiString(name) + ": " + Quoted(arg) + " is not a span like 2026-2035");
    }
    const YearSpan span = dash == std::string::npos ? YearSpan{ParseNumber(name, arg), ParseNumber(name, arg)}
                                                    : YearSpan{ParseNumber(name, arg.substr(0, dash)),
                                                               ParseNumber(name, arg.substr(dash + 1))};
    if (span.from > span.to) throw EConvertError(AnsiString(name) + ": " + Cp949::FromUtf8(arg) + " runs backwards");
    if (span.from < first || span.to > last) {
        throw EConvertError(AnsiString(name) + ": " + Cp949::FromUtf8(arg) + " is not within the years " +
                            std::to_string(first) + "-" + std::to_string(last) + " of which " + what + " are known");
    }
    return span;
}

GregorianDate ParseIsoDate(const std::string& arg)
{
    const std::size_t firstDash = arg.find('-');
    const std::size_t secondDash = firstDash == std::string::npos ? std::string::npos : arg.find('-', firstDash + 1);
    const std::string_view text = arg;
    const bool shaped = secondDash != std::string::npos && AllDigits(text.substr(0, firstDash), 4, 4) &&
                        AllDigits(text.substr(firstDash + 1, secondDash - firstDash - 1), 1, 2) &&
                        AllDigits(text.substr(secondDash + 1), 1, 2);
    if (!shaped) throw EConvertError(Quoted(arg) + " is not a date like 2027-02-07");
    const GregorianDate date{std::stoi(arg.substr(0, firstDash)),
                             std::stoi(arg.substr(firstDash + 1, secondDash - firstDash - 1)),
                             std::stoi(arg.substr(secondDash + 1))};
    const std::string refused = Quoted(arg) + " is not a date: ";
    if (date.year < 1) throw EConvertError(refused + "the years start at 0001");
    if (date.month < 1 || date.month > 12)
        throw EConvertError(refused + "there is no month " + std::to_string(date.month));
    const std::int32_t monthDays = GregorianMonthDays(date.year, date.month);
    if (date.day < 1 || date.day > monthDays) {
        throw EConvertError(refused + IsoMonth(date) + " has " + std::to_string(monthDays) + " days");
    }
    return date;
}
