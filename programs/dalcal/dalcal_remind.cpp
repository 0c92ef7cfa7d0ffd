// dalcal-remind: the sender of reminders that dalcal --remind becomes once it
// has found something to send (reminder_notifications.h).
//
// Exit status: as dalcal --remind's.

#include <span>
#include <variant>

#include "program.h"
#include "reminder_notifications.h"
#include "sysutils.h"
#include "window_arguments.h"

namespace {

int Main(std::span<const char* const> args)
{
    const auto parsed = ParseWindowArguments(args, Sysutils::Today());
    if (const auto* usage = std::get_if<UsageError>(&parsed)) return ReportUsageError(*usage);
    return SendReminders(std::get<WindowArguments>(parsed).noWait);
}

}  // namespace

int main(int argc, char** argv)
{
    return RunProgram("dalcal", argc, argv, Main);
}
