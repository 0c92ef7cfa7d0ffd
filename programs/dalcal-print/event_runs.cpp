#include "programs/dalcal-print/event_runs.h"

#include <string>

#include "shell/messages.h"
#include "shell/program.h"
#include "userdata/events_editor.h"

namespace {

// The file a change goes to: the one named with --events-file, else the
// user's own.
std::string EventsFileToChange(const Printer& printer)
{
    const std::optional<std::string>& path = printer.Context().user.EventsPath();
    if (!path) {
        throw Exception(
            Message("no events file to change: HOME and XDG_CONFIG_HOME are not set (or give --events-file)"));
    }
    return *path;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

int AddEventRun(const Printer& printer)
{
    const PrintRequest& request = printer.Request();
    const std::string path = EventsFileToChange(printer);
    const LineChange done = AddEventLine(path, Trimmed(request.eventLine), request.event.value(),
                                         Messages::Translated(kNewEventsFileHeader));
    printer.Write(Messages::Shown(Message("{1}:{2}: added", {path, std::to_string(done.line)})));
    return kExitDone;
}

int RemoveEventRun(const Printer& printer)
{
    const std::string& name = printer.Request().eventLine;
    const std::string path = EventsFileToChange(printer);
    const std::int32_t removed = RemoveEventsNamed(path, name);
    if (removed == 0) {
        Complain(Messages::Shown(Message("no event named \"{1}\" in {2}", {name, path})));
        return kExitRefused;
    }
    printer.Write(
        Messages::Shown(Message("{1}: removed {2} event(s) named \"{3}\"", {path, std::to_string(removed), name})));
    return kExitDone;
}
