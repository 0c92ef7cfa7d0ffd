#include "userdata/settings_file.h"

#include <optional>
#include <utility>
#include <variant>

#include "runtime/message.h"
#include "runtime/utf8_literals.h"
#include "text/utf8.h"
#include "userdata/careful_write.h"
#include "userdata/file_lines.h"

const char* const kNewSettingsFileHeader = Phrase(
    "# dalcal's settings: which kinds of days the calendar shows, a kind a line,\n"
    "# \"KIND = show\" or \"KIND = hide\" (holidays, terms, anniversaries, sundry, events).\n");

namespace {

constexpr int kTries = 5;  // a file that keeps changing while it is saved is given up on

// The words of a line: "KIND = VALUE", blanks around each.
struct SettingLine {
    std::string_view kind;
    std::string_view value;
};

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The line without its comment; empty for a comment or blank line.
std::string_view Content(std::string_view line)
{
    return Trimmed(line.substr(0, line.find('#')));
}

std::optional<SettingLine> Split(std::string_view content)
{
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return SettingLine{Trimmed(content.substr(0, equals)), Trimmed(content.substr(equals + 1))};
}

std::optional<bool> ShownOfWord(std::string_view word)
{
    if (word == "show" || word == "보기" || word == "보임") return true;
    if (word == "hide" || word == "숨기기" || word == "숨김") return false;
    return std::nullopt;
}

// What is wrong with a line's content, or its kind and value.
std::variant<std::pair<DayKind, bool>, Message> ReadSetting(std::string_view content)
{
    const std::optional<SettingLine> line = Split(content);
    if (!line) return Message("expected KIND = show or KIND = hide, but got {1}", {Utf8::Quoted(content)});
    const std::optional<DayKind> kind = DayKindOfWord(line->kind);
    if (!kind) {
        return Message("{1} is not a kind of day (holidays, terms, anniversaries, sundry, events)",
                       {Utf8::Quoted(line->kind)});
    }
    const std::optional<bool> shown = ShownOfWord(line->value);
    if (!shown) return Message("{1} is neither show nor hide", {Utf8::Quoted(line->value)});
    return std::pair{*kind, *shown};
}

}  // namespace

SettingsFile ParseSettingsFile(std::string_view text)
{
    SettingsFile file;
    const FileLines lines(text);
    for (std::size_t i = 0; i < lines.Count(); ++i) {
        const std::string_view content = Content(lines.Text(i));
        if (content.empty()) continue;
        const auto read = ReadSetting(content);
        if (const auto* why = std::get_if<Message>(&read)) {
            file.problems.push_back({static_cast<std::int32_t>(i + 1), *why});
        } else {
            const auto [kind, shown] = std::get<std::pair<DayKind, bool>>(read);
            file.kinds.Choose(kind, shown);
        }
    }
    return file;
}

void ChooseKindShown(const std::string& path, DayKind kind, bool show, std::string_view header)
{
    std::string line = DayKindKeyword(kind);
    line += show ? " = show" : " = hide";
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const FileSnapshot snapshot = ReadForChange(path);
        FileLines lines(snapshot.exists ? std::string_view(snapshot.text) : header);
        std::optional<std::size_t> kindLine;
        for (std::size_t i = 0; i < lines.Count(); ++i) {
            const auto read = ReadSetting(Content(lines.Text(i)));
            const auto* setting = std::get_if<std::pair<DayKind, bool>>(&read);
            if (setting != nullptr && setting->first == kind) kindLine = i;
        }
        if (kindLine) {
            const std::string_view old = lines.Text(*kindLine);
            const std::size_t comment = old.find('#');
            std::string replaced = line;
            if (comment != std::string_view::npos) (replaced += "  ") += old.substr(comment);
            lines.Replace(*kindLine, replaced);
        } else {
            lines.Insert(lines.Count(), line);
        }
        const std::string text = lines.Joined();
        if (text == snapshot.text || ReplaceIfUnchanged(snapshot, text)) return;
    }
    throw FileNotWritten(Message("{1} kept changing while it was saved; nothing was written", {path}));
}
