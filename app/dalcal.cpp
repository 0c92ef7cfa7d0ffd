// dalcal: the window program.
//
//   dalcal [--almanac korea|classic]
//
// Exit status: 0 when the window is closed (whatever it showed); 1 when no
// display can be opened, the window could not start, or --help or --version
// could not be written; 2 for an argument it does not know, before any window.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "Main.h"
#include "application.h"
#include "messages.h"
#include "user_files.h"
#include "window_arguments.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// The program entry: create the window and run it until it is closed. What
// escapes start-up or the event loop is shown, and the status says the
// program failed.
int ProgramEntry()
{
    try {
        Application->Initialize();
        Application->CreateForm(Form1);
        Application->Run();
        return 0;
    } catch (const Exception& exception) {
        Application->ShowException(exception);
    } catch (...) {
        try {
            throw Exception("");
        } catch (const Exception& exception) {
            Application->ShowException(exception);
        }
    }
    return kExitFailed;
}

std::string Environment(const char* name)
{
    const char* const value = std::getenv(name);
    return value != nullptr ? value : "";
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

// Korea's almanac shows the user's dates below each month: their files read
// as dalcal-print reads them, each line or file that cannot be used one
// message on stderr.
void ReadWindowUserDates()
{
    const UserFilePaths paths = LocateUserFiles({}, Environment("XDG_CONFIG_HOME"), Environment("HOME"));
    UserDates user = ReadUserDates(paths, [](const std::string& where, const Message& what) {
        (void)std::fprintf(stderr, "dalcal: %s: %s\n", where.c_str(), Messages::Shown(what).c_str());
    });
    SetWindowUserDates(std::move(user), ShortFileName(paths.events.value_or("$XDG_CONFIG_HOME/dalcal/events")));
}

// Writes text to stdout; false, with a message, when it did not all get there.
bool Print(const char* text)
{
    if (std::fputs(text, stdout) >= 0 && std::fflush(stdout) == 0) return true;
    const int writeError = errno;
    (void)std::fprintf(stderr, "dalcal: %s\n", Messages::Shown(Message("write error", {}, writeError)).c_str());
    return false;
}

// Start-up: the application object lives exactly as long as the program, so
// the window and Qt are gone before main returns.
int Main(std::span<const char* const> args)
{
    const auto parsed = ParseWindowArguments(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        (void)std::fprintf(stderr, "dalcal: %s\n%s\n", Messages::Shown(usage->message).c_str(),
                           Messages::Translated("Try 'dalcal --help'."));
        return kExitUsage;
    }
    const WindowArguments& arguments = std::get<WindowArguments>(parsed);
    if (arguments.help) return Print(Messages::Translated(kWindowUsage)) ? 0 : kExitFailed;
    if (arguments.version) return Print("dalcal " DALCAL_VERSION "\n") ? 0 : kExitFailed;
    if (!DisplayNamed(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"))) {
        (void)std::fprintf(
            stderr, "dalcal: %s\n",
            Messages::Translated("no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)"));
        return kExitFailed;
    }
    SetWindowAlmanac(arguments.almanac);
    if (arguments.almanac == Almanac::Korea) ReadWindowUserDates();
    TApplication application;
    Application = &application;
    const int status = ProgramEntry();
    Application = nullptr;
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        const char* const* args = argv;
        return Main({args, static_cast<std::size_t>(argc)});
    } catch (const std::exception& error) {  // out of memory before the window: one line and status 1
        (void)std::fprintf(stderr, "dalcal: %s\n", error.what());
        return kExitFailed;
    }
}
