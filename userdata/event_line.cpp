#include "userdata/event_line.h"

#include <algorithm>

#include "runtime/number_text.h"
#include "userdata/date_files.h"
#include "userdata/event_attributes.h"

namespace {

static_assert(sizeof("가") == 4, "compile this file with its Korean text as UTF-8");

constexpr std::string_view kBeforeAttributes = "  ";

// "음력 윤6-1 할머니 생신", "양력 5-8 결혼기념일", "2027-03-04 이사".
std::string DateAndName(const UserEvent& event)
{
    const DateRule& rule = event.rule;
    std::string line;
    if (rule.kind == DateRuleKind::Once) {
        AppendZeroFilled(line, rule.year, 4);
        line += '-';
        AppendZeroFilled(line, rule.month, 2);
        line += '-';
        AppendZeroFilled(line, rule.day, 2);
    } else {
        line += rule.kind == DateRuleKind::Lunar ? "음력 " : "양력 ";
        if (rule.leap) line += "윤";
        AppendNumber(line, rule.month);
        line += '-';
        AppendNumber(line, rule.day);
    }
    line += ' ';
    line += event.name;
    return line;
}

// Without the blanks at its end, nor the carriage return of a last line
// that has no newline after it (which the reader skips too).
std::string_view TrimmedRight(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

// The line with attributes (may be empty) and a comment after them.
std::string WithAttributes(std::string_view dateAndName, const UserEvent& event, std::string_view comment)
{
    std::string line(dateAndName);
    const std::string attributes = EventAttributesText(event);
    // A comment that begins as attributes do would be read as them: an empty
    // mark first keeps it a comment.
    if (!attributes.empty() || comment.starts_with(kAttributesMark)) {
        ((line += kBeforeAttributes) += kAttributesMark) += attributes.empty() ? "" : " " + attributes;
    }
    if (!comment.empty())
        (line += line.ends_with(kAttributesMark) || !attributes.empty() ? " " : kBeforeAttributes) += comment;
    return line;
}

}  // namespace

std::string EventLine(const UserEvent& event)
{
    return WithAttributes(DateAndName(event), event, {});
}

std::string ChangedEventLine(std::string_view line, const UserEvent& was, const UserEvent& now)
{
    const std::size_t hash = line.find('#');
    const std::string_view content = TrimmedRight(line.substr(0, hash));
    std::string_view comment = hash == std::string_view::npos ? std::string_view() : line.substr(hash);
    if (comment.starts_with(kAttributesMark)) {
        const std::size_t next = comment.find('#', kAttributesMark.size());
        comment = next == std::string_view::npos ? std::string_view() : comment.substr(next);
    }
    const bool sameWords = was.rule == now.rule && was.name == now.name;
    return WithAttributes(sameWords ? std::string(content) : DateAndName(now), now, TrimmedRight(comment));
}

bool SameEvent(const UserEvent& a, const UserEvent& b)
{
    return a.rule == b.rule && a.name == b.name && a.kind == b.kind && a.sinceYear == b.sinceYear &&
           a.remindDays == b.remindDays;
}

std::optional<Message> EventLineProblem(const UserEvent& event)
{
    const std::string& name = event.name;
    if (name.find('#') != std::string::npos) return Message("a name cannot hold \"#\", which begins a comment");
    if (std::ranges::any_of(name, [](char c) { return (c >= 0 && c < 0x20 && c != '\t') || c == 0x7F; })) {
        return Message("a name cannot hold a line break or a control character");
    }
    const EventsFile read = ParseEventsFile(EventLine(event));
    if (!read.problems.empty()) return read.problems.front().why;
    if (read.events.size() != 1 || !SameEvent(read.events.front(), event)) {
        return Message("a name cannot begin or end with a blank, nor be empty");
    }
    return std::nullopt;
}

std::variant<UserEvent, Message> ReadEventLine(std::string_view line)
{
    if (line.find_first_of("\r\n") != std::string_view::npos) return Message("give one line, without a line break");
    EventsFile read = ParseEventsFile(line);
    if (!read.problems.empty()) return read.problems.front().why;
    if (read.events.empty()) return Message("the line holds no date (음력 M-D NAME, 양력 M-D NAME or YYYY-MM-DD NAME)");
    // cppcheck-suppress returnStdMoveLocal ; an element moved into the variant: no elision covers it
    return std::move(read.events.front());
}
