#include "programs/dalcal-print/print_run.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "formats/json_documents.h"
#include "input/typed_date.h"
#include "input/typed_numbers.h"
#include "programs/dalcal-print/event_runs.h"
#include "programs/dalcal-print/list_runs.h"
#include "programs/dalcal-print/lunar_runs.h"
#include "programs/dalcal-print/printer.h"
#include "runtime/date_check.h"

namespace {

// Every day of the months fromMonth..toMonth of a year, read whole, as one JSON array.
void PrintMonthsJson(const Printer& printer, std::int32_t year, std::int32_t fromMonth, std::int32_t toMonth)
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

// The month given, or this one.
TypedMonth MonthOf(const Printer& printer)
{
    const PrintRequest& request = printer.Request();
    if (request.date) return TypedArgument<TypedMonth>(request);
    return {printer.Context().today.year, printer.Context().today.month};
}

void PrintMonthText(const Printer& printer)
{
    const TypedMonth month = MonthOf(printer);
    printer.Month(month.year, month.month);
}

void PrintMonthJson(const Printer& printer)
{
    const TypedMonth month = MonthOf(printer);
    PrintMonthsJson(printer, month.year, month.month, month.month);
}

void PrintYearText(const Printer& printer)
{
    printer.Year(TypedArgument<TypedYear>(printer.Request()).year);
}

void PrintYearJson(const Printer& printer)
{
    PrintMonthsJson(printer, TypedArgument<TypedYear>(printer.Request()).year, 1, kMonthsInYear);
}

void PrintDateText(const Printer& printer)
{
    printer.Write(DateReadingLine(printer.Read(TypedArgument<GregorianDate>(printer.Request()))));
}

void PrintDateJson(const Printer& printer)
{
    const DateReading reading = printer.Read(TypedArgument<GregorianDate>(printer.Request()));
    printer.Document(DateReadingJson(reading, printer.User().holidaySources) + "\n");
}

// A writer that always exits 0.
template <void (*Print)(const Printer&)>
int Done(const Printer& printer)
{
    Print(printer);
    return 0;
}

// Who writes what was asked in the format chosen; the one place a format is
// chosen. A new format is its writers and their rows here (and its word in
// --format). The pages (PDF, SVG) are the page drawer's, which main runs.
struct Writer {
    PrintMode mode;
    OutputFormat format;
    int (*write)(const Printer& printer);  // the exit status
};
constexpr Writer kWriters[] = {
    {PrintMode::Month, OutputFormat::Text, Done<PrintMonthText>},
    {PrintMode::Month, OutputFormat::Json, Done<PrintMonthJson>},
    {PrintMode::Year, OutputFormat::Text, Done<PrintYearText>},
    {PrintMode::Year, OutputFormat::Json, Done<PrintYearJson>},
    {PrintMode::Date, OutputFormat::Text, Done<PrintDateText>},
    {PrintMode::Date, OutputFormat::Json, Done<PrintDateJson>},
    {PrintMode::Holidays, OutputFormat::Text, Done<PrintHolidaysText>},
    {PrintMode::Holidays, OutputFormat::Json, Done<PrintHolidaysJson>},
    {PrintMode::Terms, OutputFormat::Text, Done<PrintTermsText>},
    {PrintMode::Terms, OutputFormat::Json, Done<PrintTermsJson>},
    {PrintMode::Events, OutputFormat::Text, Done<PrintEventsText>},
    {PrintMode::Events, OutputFormat::Json, Done<PrintEventsJson>},
    {PrintMode::CalendarFile, OutputFormat::Ics, Done<PrintCalendarFile>},
    {PrintMode::Days, OutputFormat::Text, Done<PrintDaysText>},
    {PrintMode::Days, OutputFormat::Json, Done<PrintDaysJson>},
    {PrintMode::Days, OutputFormat::Ics, Done<PrintDaysIcs>},
    {PrintMode::Upcoming, OutputFormat::Text, Done<PrintUpcomingText>},
    {PrintMode::Upcoming, OutputFormat::Json, Done<PrintUpcomingJson>},
    {PrintMode::FromLunar, OutputFormat::Text, Done<PrintLunarDateText>},
    {PrintMode::FromLunar, OutputFormat::Json, Done<PrintLunarDateJson>},
    {PrintMode::FromLunarYears, OutputFormat::Text, PrintLunarYearsText},
    {PrintMode::FromLunarYears, OutputFormat::Json, PrintLunarYearsJson},
    {PrintMode::FromLunarYears, OutputFormat::Ics, PrintLunarYearsIcs},
    {PrintMode::AddEvent, OutputFormat::Text, AddEventRun},
    {PrintMode::RemoveEvent, OutputFormat::Text, RemoveEventRun},
};

}  // namespace

int RunPrintRequest(const PrintRequest& request, const RunContext& context, const ByteOutput& output)
{
    const Printer printer(request, context, output);
    for (const Writer& writer : kWriters) {
        if (writer.mode == request.mode && writer.format == request.format) return writer.write(printer);
    }
    // The option table refuses every other pairing before a run: a fault of the program.
    throw std::logic_error("no writer for the mode and format asked for");
}
