// dalcal-print: the month calendar of the window in a terminal, Korea's
// holidays and solar terms, and lunar dates turned into Gregorian ones.
//
// Exit status: 0 done; 1 a value was refused or the output could not be
// written (lines already written stay written); 2 a usage error, reported
// before anything is printed.

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "print_request/arguments.h"
#include "print_request/surroundings.h"
#include "programs/dalcal-print/print_run.h"
#include "runtime/clock.h"
#include "runtime/exception.h"
#include "runtime/program_folder.h"
#include "shell/messages.h"
#include "shell/program.h"

namespace {

constexpr const char* kUsage = Phrase(  // xgettext:no-c-format (its "4% of" is no format)
    "Usage: dalcal-print [OPTION...] [YEAR [MONTH]]\n"
    "       dalcal-print [OPTION...] YYYY-MM-DD\n"
    "       dalcal-print [OPTION...] --holidays [YEAR|FROM-TO]\n"
    "       dalcal-print [OPTION...] --terms [YEAR|FROM-TO]\n"
    "       dalcal-print [OPTION...] --events [YEAR|FROM-TO]\n"
    "       dalcal-print [OPTION...] --from-lunar YEAR MONTH DAY [--leap]\n"
    "       dalcal-print [OPTION...] --from-lunar MONTH DAY --years FROM-TO [--leap]\n"
    "       dalcal-print [OPTION...] --pdf [YEAR [MONTH]] > FILE.pdf\n"
    "       dalcal-print [OPTION...] --svg [YEAR MONTH] > FILE.svg\n"
    "       dalcal-print [OPTION...] --upcoming [DAYS]\n"
    "       dalcal-print [--events-file FILE] --add-event LINE\n"
    "       dalcal-print [--events-file FILE] --remove-event NAME\n"
    "\n"
    "Prints the Korean month calendar of YEAR and MONTH (default: this month), or\n"
    "the twelve months of YEAR: each day under its weekday with its stem-branch\n"
    "name and, below, its lunar date (the month's name on its first day, 윤 in a\n"
    "leap month), and below each month its public holidays and solar terms.\n"
    "YYYY-MM-DD reads one day whole: weekday, stem-branch, lunar date with its\n"
    "year's and month's stem-branch, holidays, solar term, events.\n"
    "  --holidays [SPAN]   Korea's public holidays of a year or FROM-TO (2014-2100)\n"
    "  --terms [SPAN]      the 24 solar terms of a year or FROM-TO (1900-2100),\n"
    "                      Korean time\n"
    "  --from-lunar        YEAR MONTH DAY is a lunar date: read its Gregorian day\n"
    "                      whole; --leap for a leap month\n"
    "  --years FROM-TO     with --from-lunar MONTH DAY: that lunar date in every\n"
    "                      year of the span (a lunar birthday, a 제사)\n"
    "  --observe           with --from-lunar: in a year without the date, the day\n"
    "                      it is kept (day 30 on the 29th, a leap month's date in\n"
    "                      the ordinary month), as for your events\n"
    "  --upcoming [DAYS]   from today, the next DAYS days' holidays, solar terms\n"
    "                      and your events, with the days left (default 30)\n"
    "  --events [SPAN]     your own dates of a year or FROM-TO (1391-2100), from\n"
    "                      $XDG_CONFIG_HOME/dalcal/events (~/.config/dalcal/events)\n"
    "  --events-file FILE  read your dates from FILE instead (- : standard input)\n"
    "  --no-events         read no events file\n"
    "  --add-event LINE    add LINE to your events file, read first as the file is\n"
    "                      read: '음력 12-30 할아버지 기일 #: 종류=기일 알림=3'\n"
    "  --remove-event NAME remove your events named NAME from it\n"
    "\n"
    "  --json              one JSON document (UTF-8) for a date, a month, a year,\n"
    "                      --holidays, --terms, --events, --upcoming or\n"
    "                      --from-lunar; keys in dalcal-print(1)\n"
    "  --ics               an iCalendar file (RFC 5545) of --holidays, --terms and\n"
    "                      --events (any of them), or --from-lunar MONTH DAY\n"
    "                      --years FROM-TO\n"
    "  --pdf               month pages to print, A4 landscape (a year: twelve)\n"
    "  --svg               the month's page as SVG (default: this month)\n"
    "  --format FORMAT     text, compact, json, ics, pdf or svg: the same as\n"
    "                      --layout compact or the option of that name\n"
    "  --summary TEXT      the events' name with --ics --from-lunar ... --years\n"
    "                      (default: the lunar date, e.g. \"음력 3월 15일\")\n"
    "\n"
    "  --almanac korea     Korea's official lunar calendar (the default): lunar years\n"
    "                      1391-2050 as KASI publishes them, 2051-2100 computed from\n"
    "                      the Sun and the Moon (1391-02-13 to 2101-01-28)\n"
    "  --almanac classic   the table the window shows (lunar years 1900-2049,\n"
    "                      1900-01-31 to 2050-01-22); Chinese data that differs from\n"
    "                      Korea's calendar on about 4% of days (설날 2027: 02-06,\n"
    "                      not 02-07); no holiday or term lines below its months\n"
    "  --color[=WHEN]      colour: Sundays and holidays red, Saturdays blue, today\n"
    "                      reversed; WHEN is auto (the default: only on a terminal,\n"
    "                      not with NO_COLOR set), always (--color alone) or never\n"
    "  --layout terminal   the month within 80 columns, two lines a week (the\n"
    "                      default where 77 columns fit)\n"
    "  --layout compact    the month within 40 columns, each day's lunar day under\n"
    "                      it (the default on a narrower terminal); a year as\n"
    "                      months side by side (the default on a terminal)\n"
    "  --layout window     exactly the window's text: a line a week, 105 columns\n"
    "  --encoding utf-8    write UTF-8 (the default)\n"
    "  --encoding cp949    write the CP949 bytes unchanged (not with --json, --ics)\n"
    "  --help              show this help\n"
    "  --version           show the version\n"
    "\n"
    "Dates are proleptic Gregorian, also before 1582-10-15. A computed month whose\n"
    "new moon falls within two minutes of midnight may begin a day earlier or later\n"
    "(Delta T, the Earth's clock error, is not known that far ahead): such dates,\n"
    "and solar terms within a minute of midnight, are marked (±1일).\n"
    "SOURCE_DATE_EPOCH, where set, stamps the events of --ics and dates a PDF,\n"
    "which are then the same bytes on every run.\n"
    "Your events show below each month of Korea's almanac and in a date's reading.\n"
    "Holidays designated after this program was built can be added, one a line\n"
    "(YYYY-MM-DD NAME [KIND]), in /etc/dalcal/holidays or\n"
    "$XDG_CONFIG_HOME/dalcal/holidays. A line that cannot be read is reported as\n"
    "FILE:LINE and skipped; only --add-event and --remove-event write, each\n"
    "changing its own line and keeping every other byte. Formats: dalcal-print(1).\n"
    "Exit status: 0 printed, 1 a value refused, 2 a usage error.\n");

// The page drawer, which dalcal-print runs for --pdf and --svg so that the
// text views never load the drawing libraries.
constexpr const char* kPageDrawer = "dalcal-page";

// PDF or SVG: never onto a terminal (as compressors refuse), else drawn by
// the page drawer with the same arguments.
int DrawPages(std::span<const char* const> args, const PrintRequest& request)
{
    if (RefusedOntoTerminal(request.format)) return kExitUsage;
    return BecomeProgram(HelperProgram(kPageDrawer, DALCAL_PAGE_DRAWER), args,
                         Phrase("cannot run the page drawer {1}"));
}

int Main(std::span<const char* const> args)
{
    const auto parsed = ParsePrintArguments(args, Today().year);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) return ReportUsageError(*usage);
    const PrintRequest& request = std::get<PrintRequest>(parsed);
    if (request.help || request.version) {
        return Print(request.help ? Messages::Translated(kUsage) : "dalcal-print (dalcal) " DALCAL_VERSION "\n")
                   ? kExitDone
                   : kExitRefused;
    }
    if (request.format == OutputFormat::Pdf || request.format == OutputFormat::Svg) return DrawPages(args, request);
    std::optional<RunContext> context;
    try {
        context.emplace(ReadSurroundings(request));
    } catch (const Exception& error) {
        Complain(Messages::Shown(error), request.cp949);
        return kExitRefused;
    }
    const ByteOutput toStdout = [](std::string_view bytes) {
        (void)std::fwrite(bytes.data(), 1, bytes.size(), stdout);  // checked once, at the end
    };
    int status = 0;
    try {
        status = RunPrintRequest(request, *context, toStdout);
    } catch (const UnreadableNamedFile& error) {
        ComplainOfNamedFile(error);
        return kExitRefused;
    } catch (const Exception& error) {
        Complain(Messages::Shown(error), request.cp949);
        return kExitRefused;
    }
    return OutputWritten() ? status : kExitRefused;
}

}  // namespace

int main(int argc, char** argv)
{
    return RunProgram("dalcal-print", argc, argv, Main);
}
