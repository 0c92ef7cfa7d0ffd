// dalcal-remind: the sender of reminders that dalcal --remind becomes once it
// has found something to send (reminder_notifications.h).
//
// Exit status: as dalcal --remind's.

#include <span>
#include <variant>

#include "programs/dalcal/reminder_notifications.h"
#include "programs/dalcal/window_arguments.h"
#include "runtime/clock.h"
#include "shell/program.h"

namespace {

int Main(std::span<const char* const> args)
{
    const auto parsed = ParseWindowArguments(args, Today());
    if (const auto* usage = std::get_if<UsageError>(&parsed)) return ReportUsageError(*usage);
    return SendReminders(std::get<WindowArguments>(parsed).noWait);
}

}  // namespace

int main(int argc, char** argv)
{
    return RunProgram("dalcal", argc, argv, Main);
}
