// Any events file, any change the writer makes to it: the first bytes choose
// the change (change an event's attributes, or its date; remove it; add a
// line), the rest is the file. Asks that:
// - the lines, joined unchanged, are the very bytes read;
// - every line but the one changed is byte for byte as it was (a last line
//   without an end gets one where a line is added after it);
// - the changed line reads back as the event it was made to say, and every
//   other event reads as before, on its line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "userdata/date_files.h"
#include "userdata/event_line.h"
#include "userdata/file_lines.h"

namespace {

void Require(bool condition)
{
    if (!condition) std::abort();
}

// A text's byte-order mark, and each line's bytes with its end, as read.
struct Segments {
    std::string_view byteOrderMark;
    std::vector<std::string_view> lines;

    explicit Segments(std::string_view text)
    {
        if (text.starts_with("\xEF\xBB\xBF")) byteOrderMark = text.substr(0, 3);
        text.remove_prefix(byteOrderMark.size());
        while (!text.empty()) {
            const std::size_t end = text.find('\n');
            const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
            lines.push_back(text.substr(0, length));
            text.remove_prefix(length);
        }
    }

    // The text again, line at replaced by replacement (none: removed).
    std::string With(std::size_t at, const std::string* replacement) const
    {
        std::string text(byteOrderMark);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i != at) {
                text += lines[i];
            } else if (replacement != nullptr) {
                text += *replacement;
            }
        }
        return text;
    }
};

// Where the end of a line begins: "\r\n", "\n", or none.
std::size_t EndOf(std::string_view line)
{
    if (line.ends_with("\r\n")) return line.size() - 2;
    return line.ends_with('\n') ? line.size() - 1 : line.size();
}

// The events of a text but the one at line skip (1-based; 0 none), in order.
std::vector<UserEvent> EventsBut(std::string_view text, std::int32_t skip)
{
    std::vector<UserEvent> events;
    for (UserEvent& event : ParseEventsFile(text).events) {
        if (event.line != skip) events.push_back(std::move(event));
    }
    return events;
}

// Whether every event of a is in b, on its line, in order (b may have more:
// a line that repeated the changed event's old date and name reads as an
// event of its own once that line says another).
bool AllKept(const std::vector<UserEvent>& a, const std::vector<UserEvent>& b)
{
    std::size_t j = 0;
    for (const UserEvent& event : a) {
        while (j < b.size() && !(b[j].line == event.line && SameEvent(b[j], event))) ++j;
        if (j == b.size()) return false;
        ++j;
    }
    return true;
}

// The event as the choices change it.
UserEvent Changed(const UserEvent& event, std::uint8_t choice, std::uint8_t moreChoice)
{
    UserEvent now = event;
    now.kind = static_cast<EventKind>(choice % 4);
    now.sinceYear = choice & 0x10 ? 1900 + moreChoice : 0;
    if (choice & 0x20) {
        now.remindDays = moreChoice % 10;
    } else {
        now.remindDays.reset();
    }
    if (choice & 0x40) now.rule = {DateRuleKind::Lunar, 0, moreChoice % 12 + 1, moreChoice % 30 + 1, false};
    return now;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4) return 0;
    const std::uint8_t operation = data[0] % 3;
    const std::uint8_t which = data[1];
    const std::uint8_t choice = data[2];
    const std::uint8_t moreChoice = data[3];
    const std::string_view text(reinterpret_cast<const char*>(data + 4), size - 4);

    FileLines lines(text);
    Require(lines.Joined() == text);
    const Segments before(text);
    const std::vector<UserEvent> events = ParseEventsFile(text).events;

    if (operation == 2) {  // a line added at the end: only an end before it, where the last line had none
        UserEvent added({DateRuleKind::Solar, 0, choice % 12 + 1, moreChoice % 28 + 1, false}, "added");
        added.remindDays = which % 5;
        const std::string line = EventLine(added);
        lines.Insert(lines.Count(), line);
        const std::string after = lines.Joined();
        Require(after.starts_with(text));
        std::string_view tail = std::string_view(after).substr(text.size());
        for (const std::string_view end : {"\r\n", "\n"}) {
            if (!text.empty() && !text.ends_with('\n') && tail.starts_with(end)) tail.remove_prefix(end.size());
        }
        Require(tail == line + "\n" || tail == line + "\r\n");
        return 0;
    }
    if (events.empty()) return 0;
    const UserEvent& event = events[which % events.size()];
    const auto at = static_cast<std::size_t>(event.line - 1);
    Require(at < lines.Count() && at < before.lines.size());
    if (operation == 1) {
        lines.Remove(at);
        Require(lines.Joined() == before.With(at, nullptr));
        return 0;
    }
    const UserEvent now = Changed(event, choice, moreChoice);
    if (EventLineProblem(now)) return 0;
    // The writer refuses a change to a date and name another line says.
    for (const UserEvent& other : events) {
        if (other.line != event.line && other.rule == now.rule && other.name == now.name) return 0;
    }
    const std::string changed = ChangedEventLine(lines.Text(at), event, now);
    lines.Replace(at, changed);
    const std::string after = lines.Joined();
    const std::string_view old = before.lines[at];
    const std::string replacement = changed + std::string(old.substr(EndOf(old)));
    Require(after == before.With(at, &replacement));
    const std::vector<UserEvent> reread = ParseEventsFile(after).events;
    bool found = false;
    for (const UserEvent& read : reread) found = found || (read.line == event.line && SameEvent(read, now));
    Require(found);
    Require(AllKept(EventsBut(text, event.line), EventsBut(after, event.line)));
    return 0;
}
