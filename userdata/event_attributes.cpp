#include "userdata/event_attributes.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "runtime/civil_date.h"
#include "runtime/number_text.h"

namespace {

static_assert(sizeof("가") == 4, "compile this file with its Korean text as UTF-8");

enum class Key { Kind, Since, Remind };

struct KeyWord {
    std::string_view word;
    Key key;
};
// The Korean words first: those are written.
constexpr std::array<KeyWord, 6> kKeyWords = {{
    {"종류", Key::Kind},
    {"시작", Key::Since},
    {"알림", Key::Remind},
    {"kind", Key::Kind},
    {"since", Key::Since},
    {"remind", Key::Remind},
}};

// Each kind's English word, beside its Korean one (EventKindWord).
struct KindWord {
    EventKind kind;
    std::string_view english;
};
constexpr std::array<KindWord, 4> kKindWords = {{
    {EventKind::Birthday, "birthday"},
    {EventKind::Memorial, "memorial"},
    {EventKind::Anniversary, "anniversary"},
    {EventKind::Other, "other"},
}};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::optional<std::int32_t> NumberIn(std::string_view text, std::int32_t least, std::int32_t most)
{
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.starts_with('+') || value < least ||
        value > most) {
        return std::nullopt;
    }
    return value;
}

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

// Reads one word "KEY=VALUE" into event; why not, if it cannot.
std::optional<Message> ReadWord(std::string_view word, UserEvent& event)
{
    const std::size_t equals = word.find('=');
    const std::string_view name = word.substr(0, equals);
    const KeyWord* key = nullptr;
    for (const KeyWord& known : kKeyWords) {
        if (equals != std::string_view::npos && known.word == name) key = &known;
    }
    if (key == nullptr) return Message("{1} is not 종류=, 시작= or 알림=", {Quoted(word)});
    const std::string_view value = word.substr(equals + 1);
    switch (key->key) {
        case Key::Kind:
            for (const KindWord& kind : kKindWords) {
                if (value == EventKindWord(kind.kind) || value == kind.english) {
                    event.kind = kind.kind;
                    return std::nullopt;
                }
            }
            return Message("{1} is not a kind (생일, 기일, 기념일 or 기타)", {Quoted(word)});
        case Key::Since:
            if (const auto year = NumberIn(value, kFirstYear, kLastYear)) {
                event.sinceYear = *year;
                return std::nullopt;
            }
            return Message("{1} is not a year (1-9999)", {Quoted(word)});
        case Key::Remind:
            if (const auto days = NumberIn(value, 0, kMostRemindDays)) {
                event.remindDays = *days;
                return std::nullopt;
            }
            return Message("{1} is not a number of days before (0-365)", {Quoted(word)});
    }
    return std::nullopt;
}

}  // namespace

std::optional<Message> ReadEventAttributes(std::string_view comment, UserEvent& event)
{
    if (!comment.starts_with(kAttributesMark)) return std::nullopt;
    comment.remove_prefix(kAttributesMark.size());
    comment = comment.substr(0, comment.find('#'));
    std::optional<Message> first;
    while (!comment.empty()) {
        while (!comment.empty() && IsBlank(comment.front())) comment.remove_prefix(1);
        std::size_t end = 0;
        while (end < comment.size() && !IsBlank(comment[end])) ++end;
        if (end == 0) break;
        std::optional<Message> why = ReadWord(comment.substr(0, end), event);
        if (why && !first) first = std::move(why);
        comment.remove_prefix(end);
    }
    return first;
}

std::string EventAttributesText(const UserEvent& event)
{
    std::string text;
    const auto add = [&text](std::string_view key) -> std::string& {
        if (!text.empty()) text += ' ';
        text += key;
        text += '=';
        return text;
    };
    if (event.kind != EventKind::Other) add(kKeyWords[0].word) += EventKindWord(event.kind);
    if (event.sinceYear != 0) AppendNumber(add(kKeyWords[1].word), event.sinceYear);
    if (event.remindDays) AppendNumber(add(kKeyWords[2].word), *event.remindDays);
    return text;
}
