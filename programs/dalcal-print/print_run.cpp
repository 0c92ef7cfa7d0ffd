#include "print_run.h"

#include <string>

#include "argument_values.h"
#include "json_documents.h"
#include "list_runs.h"
#include "lunar_runs.h"
#include "printer.h"
#include "typed_date.h"

int RunPrintRequest(const PrintRequest& request, const RunContext& context, const ByteOutput& output)
{
    const Printer printer(request, context, output);
    switch (request.mode) {
        case PrintMode::Date: {
            const DateReading reading = printer.Read(ReadDayArgument(request.numbers[0]));
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
        case PrintMode::FromLunar:
            PrintLunarDate(printer);
            return 0;
        case PrintMode::FromLunarYears:
            return PrintLunarDateInYears(printer) ? 0 : 1;
        case PrintMode::Year: {
            printer.Year(ParseNumber(kYearName, request.numbers[0]));
            return 0;
        }
        case PrintMode::Month:
            break;
    }
    if (request.numbers.empty()) {
        printer.Month(context.today.year, context.today.month);
    } else {
        const TypedMonth month = ReadMonthArguments(request.numbers);
        printer.Month(month.year, month.month);
    }
    return 0;
}
