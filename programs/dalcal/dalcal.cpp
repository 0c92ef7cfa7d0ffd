// dalcal: the window program's command line.
//
//   dalcal [--almanac korea|classic]
//   dalcal --calendar [DATE | YEAR MONTH]
//   dalcal --remind [--no-wait]
//
// It answers --help, --version and what it cannot understand itself, and
// learns whether --remind has anything to send, all without Qt: a reminder
// run with nothing to send (every run but the first of a day) costs what a
// dalcal-print run does. It then becomes the window program (dalcal-window)
// for a window, or the sender of reminders (dalcal-remind: Qt's D-Bus, no
// widgets), so that neither loads what only the other needs.
//
// Exit status: 0 when the window is closed (whatever it showed) or the
// reminders are sent; 1 when no display can be opened, the window could not
// start, a reminder could not be sent, or --help or --version could not be
// written; 2 for an argument it does not know, before any window.

#include <cstdlib>
#include <span>
#include <string>
#include <variant>

#include "programs/dalcal/reminders_to_send.h"
#include "programs/dalcal/window_arguments.h"
#include "runtime/clock.h"
#include "runtime/program_folder.h"
#include "shell/messages.h"
#include "shell/program.h"

namespace {

// Becomes one of dalcal's programs (dalcal-window, dalcal-remind), beside
// dalcal in a build, in LIBEXECDIR/dalcal where installed.
int RunHelper(const std::string& name, std::span<const char* const> args)
{
    return BecomeProgram(HelperProgram(name, DALCAL_LIBEXEC_FOLDER "/" + name), args, Phrase("cannot run {1}"));
}

int Main(std::span<const char* const> args)
{
    const auto parsed = ParseWindowArguments(args, Today());
    if (const auto* usage = std::get_if<UsageError>(&parsed)) return ReportUsageError(*usage);
    const WindowArguments& arguments = std::get<WindowArguments>(parsed);
    if (arguments.help) return Print(Messages::Translated(kWindowUsage)) ? kExitDone : kExitRefused;
    if (arguments.version) return Print("dalcal " DALCAL_VERSION "\n") ? kExitDone : kExitRefused;
    if (arguments.remind) {
        const RemindersToSend toSend(Today(), ReportFileProblem);
        if (toSend.Due().empty()) return kExitDone;
        return RunHelper("dalcal-remind", args);
    }
    if (!DisplayNamed(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"))) {
        Complain(Messages::Translated("no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)"));
        return kExitRefused;
    }
    return RunHelper("dalcal-window", args);
}

}  // namespace

int main(int argc, char** argv)
{
    return RunProgram("dalcal", argc, argv, Main);
}
