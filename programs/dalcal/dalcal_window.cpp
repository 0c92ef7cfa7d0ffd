// dalcal-window: the window program that dalcal (dalcal.cpp) becomes once
// it has read its command line: the window as designed, or the month view.
//
// Exit status: as dalcal's.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "programs/dalcal/Main.h"
#include "programs/dalcal/application.h"
#include "programs/dalcal/month_view.h"
#include "programs/dalcal/window_arguments.h"
#include "runtime/clock.h"
#include "shell/messages.h"
#include "shell/program.h"
#include "userdata/user_files.h"
#include "userdata/window_place.h"

namespace {

// The program entry: create the window and run it until it is closed. What
// escapes start-up or the event loop is shown, and the status says the
// program failed.
int ProgramEntry(bool calendar, const std::optional<GregorianDate>& day, const std::string& problems)
{
    try {
        Application->Initialize();
        if (calendar) {
            MonthView* monthView = nullptr;
            Application->CreateForm(monthView);
            if (day) monthView->Select(*day);
        } else {
            Application->CreateForm(Form1);
            if (!problems.empty()) Form1->AddText(problems);  // Korea's almanac: below its notices
        }
        Application->Run();
        return kExitDone;
    } catch (const Exception& exception) {
        Application->ShowException(exception);
    } catch (...) {
        try {
            throw Exception("");
        } catch (const Exception& exception) {
            Application->ShowException(exception);
        }
    }
    return kExitRefused;
}

// A file's name as people write it: "~/" for the home folder.
std::string ShortFileName(const std::string& path)
{
    const std::string home = Environment("HOME");
    if (home.size() > 1 && path.starts_with(home) && path.size() > home.size() && path[home.size()] == '/') {
        std::string shortName = "~";  // appended: GCC 12 misreads "..." + std::string at -O3 (-Wrestrict)
        shortName += std::string_view(path).substr(home.size());
        return shortName;
    }
    return path;
}

// Korea's almanac shows the user's dates: their files read as dalcal-print
// reads them, each line or file that cannot be used reported on stderr as
// dalcal-print reports it, and kept (a line each) for the window to show.
std::string ReadWindowUserDates(bool calendar)
{
    const UserFilePaths paths = LocateUserFiles({}, Environment("XDG_CONFIG_HOME"), Environment("HOME"));
    if (calendar) {  // the month view reads them itself, and again as they change
        SetMonthViewUserFiles(paths, ReportFileProblem);
        return {};
    }
    std::string problems;
    UserDates user = ReadUserDates(paths, [&problems](const std::string& where, const Message& what) {
        ReportFileProblem(where, what);
        if (!problems.empty()) problems += '\n';
        problems += where + ": " + Messages::Shown(what);
    });
    SetWindowUserDates(std::move(user), ShortFileName(paths.events.value_or("$XDG_CONFIG_HOME/dalcal/events")));
    return problems;
}

// Start-up: the application object lives exactly as long as the program, so
// the window and Qt are gone before main returns. The command line was
// checked by dalcal, which became this program.
int Main(std::span<const char* const> args)
{
    const auto parsed = ParseWindowArguments(args, Today());
    if (const auto* usage = std::get_if<UsageError>(&parsed)) return ReportUsageError(*usage);
    const WindowArguments& arguments = std::get<WindowArguments>(parsed);
    SetWindowAlmanac(arguments.almanac);
    SetMonthViewAlmanac(arguments.almanacGiven ? arguments.almanac : Almanac::Korea);
    const std::string placeFile = WindowPlacePath(Environment("XDG_STATE_HOME"), Environment("HOME"));
    if (!placeFile.empty()) SetMonthViewPlaceFile(placeFile);
    const bool userDates = arguments.calendar || arguments.almanac == Almanac::Korea;
    const std::string problems = userDates ? ReadWindowUserDates(arguments.calendar) : std::string();
    TApplication application;
    Application = &application;
    const int status = ProgramEntry(arguments.calendar, arguments.day, problems);
    Application = nullptr;
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    return RunProgram("dalcal", argc, argv, Main);
}
