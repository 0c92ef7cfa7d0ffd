#include "runtime/date_check.h"

#include "runtime/date_text.h"
#include "runtime/exception.h"

namespace {

std::string Number(std::int32_t value)
{
    return std::to_string(value);
}

// Years zero-filled where they are the program's, else as given ("-5", "10000").
void AppendYear(std::string& out, std::int32_t year)
{
    if (year >= kFirstYear && year <= kLastYear) {
        AppendZeroFilled(out, year, 4);
    } else {
        AppendNumber(out, year);
    }
}

void AppendTwoDigits(std::string& out, std::int32_t value)
{
    if (value >= 0) {
        AppendZeroFilled(out, value, 2);
    } else {
        AppendNumber(out, value);
    }
}

std::string MonthNumbers(std::int32_t year, std::int32_t month)
{
    std::string text;
    AppendYear(text, year);
    text += month < 0 ? ' ' : '-';  // "2027 -1", not "2027--1"
    AppendTwoDigits(text, month);
    return text;
}

// "2026-13-01": the numbers of any date, as given, years zero-filled where
// they are the program's.
std::string DateNumbers(const GregorianDate& date)
{
    std::string text = MonthNumbers(date.year, date.month);
    text += '-';
    AppendTwoDigits(text, date.day);
    return text;
}

std::optional<Message> MonthNumbersProblem(std::int32_t year, std::int32_t month)
{
    return MonthProblem(year, month, MonthNumbers(year, month));
}

}  // namespace

std::optional<Message> MonthProblem(std::int32_t year, std::int32_t month, const std::string& written)
{
    if (year < kFirstYear || year > kLastYear) {
        return Message("{1} is not a month: the years are {2}-{3}", {written, Number(kFirstYear), Number(kLastYear)});
    }
    if (month < 1 || month > kMonthsInYear) {
        return Message("{1} is not a month: there is no month {2}", {written, Number(month)});
    }
    return std::nullopt;
}

std::optional<Message> DateProblem(const GregorianDate& date, const std::string& written, std::int32_t firstYear,
                                   std::int32_t lastYear)
{
    if (date.year < firstYear || date.year > lastYear) {
        return Message("{1} is not a date: the years are {2}-{3}", {written, Number(firstYear), Number(lastYear)});
    }
    if (date.month < 1 || date.month > kMonthsInYear) {
        return Message("{1} is not a date: there is no month {2}", {written, Number(date.month)});
    }
    const std::int32_t monthDays = GregorianMonthDays(date.year, date.month);
    if (date.day < 1 || date.day > monthDays) {
        return Message("{1} is not a date: month {2} of {3} has {4} days",
                       {written, Number(date.month), Number(date.year), Number(monthDays)});
    }
    return std::nullopt;
}

void CheckDate(const GregorianDate& date)
{
    // Its text is made only for a refusal: a good date is checked thousands of
    // times in a long calendar file.
    const bool inRange =
        date.year >= kFirstYear && date.year <= kLastYear && date.month >= 1 && date.month <= kMonthsInYear;
    if (inRange && date.day >= 1 && date.day <= GregorianMonthDays(date.year, date.month)) return;
    if (std::optional<Message> problem = DateProblem(date, DateNumbers(date))) throw EConvertError(*std::move(problem));
}

void CheckYearAndMonth(std::int32_t year, std::int32_t month)
{
    if (std::optional<Message> problem = MonthNumbersProblem(year, month)) throw EConvertError(*std::move(problem));
}
