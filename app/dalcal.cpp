// dalcal: the window program.
//
//   dalcal [--almanac korea|classic]
//
// Exit status: 0 when the window is closed (whatever it showed); 1 when no
// display can be opened; 2 for an argument it does not know, before any window.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Main.h"
#include "application.h"
#include "window_arguments.h"

namespace {

constexpr int kExitNoDisplay = 1;
constexpr int kExitUsage = 2;

// The program entry: create the window and run it until it is closed. What
// escapes is shown; the exit status is 0 on every path.
int ProgramEntry()
{
    try {
        Application->Initialize();
        Application->CreateForm(Form1);
        Application->Run();
    } catch (const Exception& exception) {
        Application->ShowException(exception);
    } catch (...) {
        try {
            throw Exception("");
        } catch (const Exception& exception) {
            Application->ShowException(exception);
        }
    }
    return 0;
}

}  // namespace

// Start-up: the application object lives exactly as long as the program, so
// the window and Qt are gone before main returns.
int main(int argc, char** argv)
{
    WindowArguments arguments;
    std::string error;
    if (!ParseWindowArguments(argc, argv, arguments, error)) {
        (void)std::fprintf(stderr, "dalcal: %s\nTry 'dalcal --help'.\n", error.c_str());
        return kExitUsage;
    }
    if (arguments.help) return std::fputs(kWindowUsage, stdout) >= 0 ? 0 : kExitNoDisplay;
    if (arguments.version) return std::puts("dalcal " DALCAL_VERSION) >= 0 ? 0 : kExitNoDisplay;
    if (!DisplayNamed(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"))) {
        (void)std::fputs("dalcal: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)\n",
                         stderr);
        return kExitNoDisplay;
    }
    SetWindowAlmanac(arguments.almanac);
    TApplication application;
    Application = &application;
    const int status = ProgramEntry();
    Application = nullptr;
    return status;
}
