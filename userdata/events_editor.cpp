#include "userdata/events_editor.h"

#include <functional>
#include <optional>

#include "userdata/date_files.h"
#include "userdata/event_line.h"
#include "userdata/file_lines.h"

const char* const kNewEventsFileHeader = Phrase(
    "# dalcal: your own dates, one a line; \"#\" begins a comment.\n"
    "#   음력 3-15 어머니 생신      every year on lunar 3.15 (음력 윤6-1: of the leap 6th month)\n"
    "#   양력 5-8 결혼기념일        every year on May 8\n"
    "#   2027-03-04 이사            once\n"
    "# After \"#:\" dalcal keeps a date's kind, the year it began and its reminder.\n");

namespace {

constexpr int kTries = 3;  // reads and writes, where the file keeps changing meanwhile

// What a change does to the file's lines (read from them as events); it
// raises EventRefused to write nothing.
using Change = std::function<LineChange(FileLines& lines, const EventsFile& read)>;

// Reads the file, applies the change, writes it where it did not change
// meanwhile; again (a few times) where it did. A change that changes no
// byte writes nothing.
LineChange Edit(const std::string& path, const Change& change, std::string_view header = {})
{
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const FileSnapshot snapshot = ReadForChange(path);
        FileLines lines(snapshot.exists ? std::string_view(snapshot.text) : header);
        LineChange done = change(lines, ParseEventsFile(snapshot.text));
        const std::string text = lines.Joined();
        if (text == snapshot.text || ReplaceIfUnchanged(snapshot, text)) return done;
    }
    throw EventRefused(Message("{1} kept changing while it was saved; nothing was written", {path}));
}

// The index of the line of the event that reads as wanted; none if no line does.
std::optional<std::size_t> LineOf(const EventsFile& read, const UserEvent& wanted)
{
    for (const UserEvent& event : read.events) {
        if (SameEvent(event, wanted)) return static_cast<std::size_t>(event.line - 1);
    }
    return std::nullopt;
}

// The index of the first line whose text is text.
std::optional<std::size_t> LineWithText(const FileLines& lines, std::string_view text)
{
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        if (lines.Text(i) == text) return i;
    }
    return std::nullopt;
}

[[noreturn]] void Gone(const UserEvent& event, const std::string& path)
{
    throw EventRefused(
        Message("\"{1}\" was changed or removed in {2} since it was read; nothing was written", {event.name, path}));
}

void CheckWritable(const UserEvent& event)
{
    if (std::optional<Message> why = EventLineProblem(event)) throw EventRefused(*std::move(why));
}

// Refuses an event whose date and name another line than skip says already.
void CheckNotThere(const EventsFile& read, const UserEvent& event, const std::string& path,
                   std::optional<std::size_t> skip = std::nullopt)
{
    for (const UserEvent& other : read.events) {
        if (other.rule == event.rule && other.name == event.name && static_cast<std::size_t>(other.line - 1) != skip) {
            throw EventRefused(
                Message("\"{1}\" is in {2} already, line {3}", {event.name, path, std::to_string(other.line)}));
        }
    }
}

LineChange Removal(FileLines& lines, std::size_t at)
{
    LineChange done;
    done.removed = lines.Text(at);
    done.removedFirst = at == 0;
    if (at > 0) done.anchor = lines.Text(at - 1);
    done.line = static_cast<std::int32_t>(at + 1);
    lines.Remove(at);
    return done;
}

}  // namespace

LineChange AddEvent(const std::string& path, const UserEvent& event, std::string_view header)
{
    CheckWritable(event);
    return AddEventLine(path, EventLine(event), event, header);
}

LineChange AddEventLine(const std::string& path, std::string_view line, const UserEvent& event, std::string_view header)
{
    return Edit(
        path,
        [&](FileLines& lines, const EventsFile& read) {
            CheckNotThere(read, event, path);
            LineChange done;
            done.written = line;
            lines.Insert(lines.Count(), done.written);
            done.line = static_cast<std::int32_t>(lines.Count());
            return done;
        },
        header);
}

LineChange ChangeEvent(const std::string& path, const UserEvent& was, const UserEvent& now)
{
    CheckWritable(now);
    return Edit(path, [&](FileLines& lines, const EventsFile& read) {
        const std::optional<std::size_t> at = LineOf(read, was);
        if (!at) Gone(was, path);
        CheckNotThere(read, now, path, at);
        LineChange done;
        done.removed = lines.Text(*at);
        done.written = ChangedEventLine(done.removed, was, now);
        done.line = static_cast<std::int32_t>(*at + 1);
        lines.Replace(*at, done.written);
        return done;
    });
}

LineChange RemoveEvent(const std::string& path, const UserEvent& was)
{
    return Edit(path, [&](FileLines& lines, const EventsFile& read) {
        const std::optional<std::size_t> at = LineOf(read, was);
        if (!at) Gone(was, path);
        return Removal(lines, *at);
    });
}

std::int32_t RemoveEventsNamed(const std::string& path, std::string_view name)
{
    std::int32_t removed = 0;
    Edit(path, [&](FileLines& lines, const EventsFile& read) {
        removed = 0;
        for (auto event = read.events.rbegin(); event != read.events.rend(); ++event) {  // from the end: lines stay put
            if (event->name != name) continue;
            lines.Remove(static_cast<std::size_t>(event->line - 1));
            ++removed;
        }
        return LineChange{};
    });
    return removed;
}

void UndoLineChange(const std::string& path, const LineChange& change)
{
    Edit(path, [&](FileLines& lines, const EventsFile&) {
        if (!change.written.empty()) {
            const std::optional<std::size_t> at = LineWithText(lines, change.written);
            if (!at) {
                throw EventRefused(
                    Message("the line \"{1}\" was changed in {2} since; nothing was undone", {change.written, path}));
            }
            if (change.removed.empty()) {
                lines.Remove(*at);
            } else {
                lines.Replace(*at, change.removed);
            }
        } else if (!change.removed.empty()) {
            std::size_t at = lines.Count();
            if (change.removedFirst) {
                at = 0;
            } else if (const std::optional<std::size_t> anchor = LineWithText(lines, change.anchor)) {
                at = *anchor + 1;
            }
            lines.Insert(at, change.removed);
        }
        return LineChange{};
    });
}
