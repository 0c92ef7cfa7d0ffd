#include "print_run.h"

#include <string>
#include <vector>

#include "date_check.h"
#include "event_runs.h"
#include "json_documents.h"
#include "list_runs.h"
#include "lunar_runs.h"
#include "printer.h"
#include "typed_date.h"
#include "typed_numbers.h"

namespace {

// Every day of the months fromMonth..toMonth of a year, read whole, as one JSON array.
void PrintDaysJson(const Printer& printer, std::int32_t year, std::int32_t fromMonth, std::int32_t toMonth)
{
    CheckYearAndMonth(year, fromMonth);
    CheckYearAndMonth(year, toMonth);
    std::vector<DateReading> readings;
    for (std::int32_t month = fromMonth; month <= toMonth; ++month) {
        for (std::int32_t day = 1; day <= GregorianMonthDays(year, month); ++day) {
            readings.push_back(printer.Read({year, month, day}));
        }
    }
    printer.Document(DateReadingsJson(readings, printer.User().holidaySources) + "\n");
}

}  // namespace

int RunPrintRequest(const PrintRequest& request, const RunContext& context, const ByteOutput& output)
{
    const Printer printer(request, context, output);
    switch (request.mode) {
        case PrintMode::Date: {
            const DateReading reading = printer.Read(TypedArgument<GregorianDate>(request));
            if (request.format == OutputFormat::Json) {
                printer.Document(DateReadingJson(reading, printer.User().holidaySources) + "\n");
            } else {
                printer.Write(DateReadingLine(reading));
            }
            return 0;
        }
        case PrintMode::Holidays:
            PrintHolidays(printer);
            return 0;
        case PrintMode::Terms:
            PrintTerms(printer);
            return 0;
        case PrintMode::Events:
            PrintEvents(printer);
            return 0;
        case PrintMode::CalendarFile:
            PrintCalendarFile(printer);
            return 0;
        case PrintMode::Upcoming:
            PrintUpcoming(printer);
            return 0;
        case PrintMode::Days:
            PrintDays(printer);
            return 0;
        case PrintMode::FromLunar:
            PrintLunarDate(printer);
            return 0;
        case PrintMode::FromLunarYears:
            return PrintLunarDateInYears(printer) ? 0 : 1;
        case PrintMode::AddEvent:
            return AddEventRun(printer);
        case PrintMode::RemoveEvent:
            return RemoveEventRun(printer);
        case PrintMode::Year: {
            const std::int32_t year = TypedArgument<TypedYear>(request).year;
            if (request.format == OutputFormat::Json) {
                PrintDaysJson(printer, year, 1, kMonthsInYear);
            } else {
                printer.Year(year);
            }
            return 0;
        }
        case PrintMode::Month:
            break;
    }
    const TypedMonth month =
        request.date ? TypedArgument<TypedMonth>(request) : TypedMonth{context.today.year, context.today.month};
    if (request.format == OutputFormat::Json) {
        PrintDaysJson(printer, month.year, month.month, month.month);
    } else {
        printer.Month(month.year, month.month);
    }
    return 0;
}
