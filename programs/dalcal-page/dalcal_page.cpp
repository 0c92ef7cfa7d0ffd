// dalcal-page: draws the printable month pages of dalcal-print --pdf and
// --svg. dalcal-print runs it with its own arguments, so that the text views
// never load cairo and Pango; it speaks as dalcal-print.
//
// Exit status: as dalcal-print's (0 drawn; 1 a value was refused or the
// output could not be written; 2 a usage error).

#include <unistd.h>

#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "formats/page_layout.h"
#include "formats/svg_page.h"
#include "print_request/arguments.h"
#include "print_request/surroundings.h"
#include "programs/dalcal-page/pdf_pages.h"
#include "report/korean_words.h"
#include "report/month_page.h"
#include "runtime/clock.h"
#include "shell/messages.h"
#include "shell/program.h"

namespace {

int Main(std::span<const char* const> args)
{
    const auto parsed = ParsePrintArguments(args, Today().year);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) return ReportUsageError(*usage);
    const PrintRequest& request = std::get<PrintRequest>(parsed);
    if (request.format != OutputFormat::Pdf && request.format != OutputFormat::Svg) {
        return ReportUsageError({Message("dalcal-page draws what --pdf and --svg ask for")});
    }
    if (RefusedOntoTerminal(request.format)) return kExitUsage;
    std::vector<PageDrawing> pages;
    PdfDocument document;
    try {  // every page made before a byte is written: a refusal leaves no partial document
        const RunContext context = ReadSurroundings(request);
        const std::vector<MonthOfPage> months = RequestedMonths(request, context);
        document.title = months.size() == 1 ? MonthTitle(months[0].year, months[0].month) : YearTitle(months[0].year);
        if (context.stampGiven) document.created = UtcMoment(context.stampSeconds);
        for (const MonthOfPage& month : months) {
            pages.push_back(
                LayOutMonthPage(MakeMonthPage(month.year, month.month, request.almanac, context.user.All(),
                                              request.kinds.Apply(context.user.Settings().Apply(kListedKinds)))));
        }
    } catch (const UnreadableNamedFile& error) {
        ComplainOfNamedFile(error);
        return kExitRefused;
    } catch (const Exception& error) {
        Complain(Messages::Shown(error));
        return kExitRefused;
    }
    if (request.format == OutputFormat::Svg) {
        const std::string svg = SvgPage(pages.front());
        (void)std::fwrite(svg.data(), 1, svg.size(), stdout);
        return OutputWritten() ? kExitDone : kExitRefused;
    }
    const bool drawn = WritePdfPages(pages, document, [](std::string_view bytes) {
        return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    });
    if (!drawn && std::ferror(stdout) == 0) {
        Complain(Messages::Translated("the PDF could not be made"));
        return kExitRefused;
    }
    return OutputWritten() ? kExitDone : kExitRefused;
}

}  // namespace

int main(int argc, char** argv)
{
    return RunProgram("dalcal-print", argc, argv, Main);  // it speaks as the program the user ran
}
