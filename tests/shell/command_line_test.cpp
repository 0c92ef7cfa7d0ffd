#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "print_request/arguments.h"
#include "programs/dalcal/window_arguments.h"

namespace {

std::vector<const char*> Argv(const char* program, const std::vector<const char*>& args)
{
    std::vector<const char*> argv = {program};
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

std::string PrintUsageError(const std::vector<const char*>& args)
{
    const auto parsed = ParsePrintArguments(Argv("dalcal-print", args), 2027);
    const auto* usage = std::get_if<UsageError>(&parsed);
    return usage != nullptr ? usage->message.English() : "(accepted)";
}

PrintRequest PrintRequestOf(const std::vector<const char*>& args)
{
    const auto parsed = ParsePrintArguments(Argv("dalcal-print", args), 2027);
    EXPECT_TRUE(std::holds_alternative<PrintRequest>(parsed)) << PrintUsageError(args);
    return std::holds_alternative<PrintRequest>(parsed) ? std::get<PrintRequest>(parsed) : PrintRequest{};
}

// Every usage error of dalcal-print, returned to main, which exits with status 2.
TEST(PrintArguments, EveryUsageErrorIsReturned)
{
    constexpr const char* kChooseOne =
        "choose one of --holidays, --terms, --events, --days, --from-lunar and --upcoming (--ics takes any of the "
        "first three)";
    const struct {
        std::vector<const char*> args;
        const char* message;
    } kCases[] = {
        {{"--encoding", "latin1"}, "unknown encoding 'latin1' (use utf-8 or cp949)"},
        {{"--encoding"}, "--encoding needs a value (utf-8 or cp949)"},
        {{"--encoding="}, "unknown encoding '' (use utf-8 or cp949)"},
        {{"--almanac", "china"}, "unknown almanac 'china' (use korea or classic)"},
        {{"--almanac=", "2026"}, "unknown almanac '' (use korea or classic)"},
        {{"--almanac"}, "--almanac needs a value (korea or classic)"},
        {{"--color=sometimes"}, "unknown --color value 'sometimes' (use auto, always or never)"},
        {{"--format", "yaml"}, "unknown format 'yaml' (use text, compact, json, ics, pdf or svg)"},
        {{"--format"}, "--format needs a value (text, compact, json, ics, pdf or svg)"},
        {{"--format=json", "--ics", "--holidays"}, "choose one of --json, --ics, --pdf and --svg"},
        {{"--from-lunar", "1", "1", "--years"}, "--years needs a value (a span like 2026-2035)"},
        {{"--from-lunar", "1", "1", "--years="}, "--years needs a value (a span like 2026-2035)"},
        {{"--from-lunar", "1", "1", "--years", ""}, "--years needs a value (a span like 2026-2035)"},
        {{"--year", "2026"}, "unknown option '--year'"},
        {{"--holidays", "--terms"}, kChooseOne},
        {{"--events", "--from-lunar"}, kChooseOne},
        {{"--ics", "--events", "--from-lunar", "1", "1", "--years", "2026"}, kChooseOne},
        {{"--summary", "x", "--ics", "--holidays"}, "--summary goes with --ics --from-lunar MONTH DAY --years FROM-TO"},
        {{"--summary", "x", "--from-lunar", "1", "1", "--years", "2026"},
         "--summary goes with --ics --from-lunar MONTH DAY --years FROM-TO"},
        {{"--events", "2026", "2027"}, "--events takes one YEAR or FROM-TO, but got 2 argument(s)"},
        {{"--events-file"}, "--events-file needs a value (a file of events)"},
        {{"--events-file="}, "--events-file needs a value (a file of events)"},
        {{"--events-file", "x", "--no-events"}, "choose one of --events-file and --no-events"},
        {{"--leap", "2026", "7"}, "--leap needs --from-lunar"},
        {{"--years", "2024-2029", "1", "1"}, "--years needs --from-lunar"},
        {{"--holidays", "2026", "2027"}, "--holidays takes one YEAR or FROM-TO, but got 2 argument(s)"},
        {{"--terms", "2026", "2027"}, "--terms takes one YEAR or FROM-TO, but got 2 argument(s)"},
        {{"--from-lunar", "1", "1", "1", "--years=2024-2029"},
         "--from-lunar with --years expects MONTH DAY, but got 3 argument(s)"},
        {{"--from-lunar", "2027"}, "--from-lunar expects YEAR MONTH DAY, but got 1 argument(s)"},
        {{"2026", "7", "1", "2"}, "expected YEAR, YEAR MONTH or nothing, but got 4 argument(s)"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(PrintUsageError(c.args), c.message) << c.args.front();
    }
}

TEST(PrintArguments, ReadsWhatWasAsked)
{
    const PrintRequest month = PrintRequestOf({"--almanac=classic", "--encoding", "cp949", "2026", "-7"});
    EXPECT_EQ(month.mode, PrintMode::Month);
    EXPECT_EQ(month.almanac, Almanac::Classic);
    EXPECT_TRUE(month.cp949);
    EXPECT_EQ(month.numbers, (std::vector<std::string>{"2026", "-7"}));       // "-7" is a number
    EXPECT_EQ(PrintRequestOf({"-"}).numbers, std::vector<std::string>{"-"});  // a dash alone is no option

    const PrintRequest years = PrintRequestOf({"--from-lunar", "--leap", "6", "1", "--years", "2025-2030"});
    EXPECT_EQ(years.mode, PrintMode::FromLunarYears);
    EXPECT_TRUE(years.leap);
    EXPECT_EQ(years.years, "2025-2030");

    EXPECT_EQ(PrintRequestOf({"--", "--holidays"}).numbers, std::vector<std::string>{"--holidays"});
    EXPECT_EQ(PrintRequestOf({"--terms"}).mode, PrintMode::Terms);
    const PrintRequest events = PrintRequestOf({"--events", "2026-2030", "--events-file", "my events", "--ics"});
    EXPECT_EQ(events.mode, PrintMode::CalendarFile);
    EXPECT_TRUE(events.lists.events && !events.lists.holidays && !events.lists.terms);
    EXPECT_EQ(events.eventsFile, "my events");
    const PrintRequest all = PrintRequestOf({"--ics", "--terms", "--holidays=2026-2030", "--events"});
    EXPECT_TRUE(all.mode == PrintMode::CalendarFile && all.lists.events && all.lists.holidays && all.lists.terms);
    EXPECT_EQ(all.numbers, std::vector<std::string>{"2026-2030"});
    EXPECT_EQ(events.format, OutputFormat::Ics);
    EXPECT_TRUE(PrintRequestOf({"--no-events", "2026", "7"}).noEvents);
    EXPECT_EQ(PrintRequestOf({"--color=never", "2026"}).color, ColorWhen::Never);
    EXPECT_EQ(PrintRequestOf({"--color", "2026"}).color, ColorWhen::Always);  // as ls --color
    // --format WORD is the option of that name; "compact" the compact layout.
    EXPECT_EQ(PrintRequestOf({"--format=ics", "--days"}).format, OutputFormat::Ics);
    const PrintRequest compact = PrintRequestOf({"--format", "compact", "2026", "7"});
    EXPECT_TRUE(compact.format == OutputFormat::Text && compact.layout == MonthLayout::Compact);
    // The positional arguments read once into the request's date.
    EXPECT_TRUE(std::holds_alternative<GregorianDate>(PrintRequestOf({"2027년", "2월", "7일"}).date.value()));
    const PrintRequest lunar = PrintRequestOf({"음력 1월 1일"});
    EXPECT_EQ(lunar.mode, PrintMode::FromLunar);
    EXPECT_EQ(std::get<TypedLunarDate>(lunar.date.value()).year, 2027);  // the year given to the parser
    // Help and version stand before any check of the rest.
    EXPECT_TRUE(PrintRequestOf({"--help", "1", "2", "3", "4"}).help);
    EXPECT_EQ(PrintUsageError({"--help", "--bogus"}), "unknown option '--bogus'");
}

// The almanac option both programs share; --calendar's day, typed as the
// month view's box takes it (today pinned to 2027-02-07); --remind alone.
TEST(WindowArguments, AlmanacCalendarDayAndRemind)
{
    const struct {
        std::vector<const char*> args;
        const char* message;  // nullptr: accepted
        Almanac almanac;
        std::optional<GregorianDate> day;
    } kCases[] = {
        {{}, nullptr, Almanac::Classic, std::nullopt},
        {{"--almanac", "korea"}, nullptr, Almanac::Korea, std::nullopt},
        {{"--almanac=classic"}, nullptr, Almanac::Classic, std::nullopt},
        {{"--almanac", "china"}, "unknown almanac 'china' (use korea or classic)", Almanac::Classic, std::nullopt},
        {{"--almanac"}, "--almanac needs a value (korea or classic)", Almanac::Classic, std::nullopt},
        {{"2026"}, "unknown argument '2026'", Almanac::Classic, std::nullopt},
        {{"--calendar", "2027-03-04"}, nullptr, Almanac::Classic, GregorianDate{2027, 3, 4}},
        {{"--calendar", "2027", "5"}, nullptr, Almanac::Classic, GregorianDate{2027, 5, 1}},
        {{"--calendar", "음력", "1월", "1일"}, nullptr, Almanac::Classic, GregorianDate{2027, 2, 7}},
        {{"--calendar", "음력 2025년 윤6월 1일"}, nullptr, Almanac::Classic, GregorianDate{2025, 7, 25}},
        {{"--calendar", "2027-02-30"},
         "\"2027-02-30\" is not a date: month 2 of 2027 has 28 days",
         Almanac::Classic,
         std::nullopt},
        {{"--calendar", "윤1월 1일"},
         "Lunar year 2027 has no leap month 1 (it has no leap month)",
         Almanac::Classic,
         std::nullopt},
        {{"--remind", "--calendar"}, "choose one of --calendar and --remind", Almanac::Classic, std::nullopt},
        {{"--no-wait"}, "--no-wait goes with --remind", Almanac::Classic, std::nullopt},
        {{"--remind", "--no-wait"}, nullptr, Almanac::Classic, std::nullopt},
        {{"--remind", "2027-03-04"}, "unknown argument '2027-03-04'", Almanac::Classic, std::nullopt},
        {{"--calendar", "--almanac", "classic"}, nullptr, Almanac::Classic, std::nullopt},  // the month view's too
    };
    for (const auto& c : kCases) {
        const auto parsed = ParseWindowArguments(Argv("dalcal", c.args), {2027, 2, 7});
        if (c.message == nullptr) {
            ASSERT_TRUE(std::holds_alternative<WindowArguments>(parsed)) << c.args.size();
            EXPECT_EQ(std::get<WindowArguments>(parsed).almanac, c.almanac);
            EXPECT_EQ(std::get<WindowArguments>(parsed).day, c.day);
            // Given, it chooses the month view's almanac too; else that is Korea's.
            const bool given =
                std::ranges::any_of(c.args, [](std::string_view arg) { return arg.starts_with("--almanac"); });
            EXPECT_EQ(std::get<WindowArguments>(parsed).almanacGiven, given);
        } else {
            ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << c.message;
            EXPECT_EQ(std::get<UsageError>(parsed).message.English(), c.message);
        }
    }
}

}  // namespace
