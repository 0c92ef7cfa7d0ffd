#include "tests/fuzz/output_checks.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace {

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    bool Document() { return Value(0) && (SkipSpace(), pos_ == text_.size()); }

private:
    void SkipSpace()
    {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\n' || text_[pos_] == '\r' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }

    bool Take(char c)
    {
        SkipSpace();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool Literal(std::string_view word)
    {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    bool String()
    {
        if (!Take('"')) return false;
        while (pos_ < text_.size()) {
            const auto c = static_cast<unsigned char>(text_[pos_++]);
            if (c == '"') return true;
            if (c < 0x20) return false;
            if (c == '\\') {
                if (pos_ >= text_.size()) return false;
                const char e = text_[pos_++];
                if (e == 'u') {
                    for (int i = 0; i < 4; ++i) {
                        if (pos_ >= text_.size() ||
                            std::string_view("0123456789abcdefABCDEF").find(text_[pos_]) == std::string_view::npos) {
                            return false;
                        }
                        ++pos_;
                    }
                } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                    return false;
                }
            }
        }
        return false;
    }

    bool Number()
    {
        const std::size_t start = pos_;
        if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
        const std::size_t digits = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') ++pos_;
        if (pos_ == digits) return false;
        if (text_[digits] == '0' && pos_ - digits > 1) return false;  // no leading zero
        return pos_ > start;
    }

    bool Value(int depth)
    {
        if (depth > 64) return false;
        SkipSpace();
        if (pos_ >= text_.size()) return false;
        const char c = text_[pos_];
        if (c == '{') return Members(depth);
        if (c == '[') return Elements(depth);
        if (c == '"') return String();
        if (c == 't') return Literal("true");
        if (c == 'f') return Literal("false");
        if (c == 'n') return Literal("null");
        return Number();
    }

    bool Members(int depth)
    {
        Take('{');
        if (Take('}')) return true;
        do {
            if (!String() || !Take(':') || !Value(depth + 1)) return false;
        } while (Take(','));
        return Take('}');
    }

    bool Elements(int depth)
    {
        Take('[');
        if (Take(']')) return true;
        do {
            if (!Value(depth + 1)) return false;
        } while (Take(','));
        return Take(']');
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool IsUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80                    ? 1
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

bool IsJsonText(std::string_view text)
{
    return IsUtf8(text) && JsonReader(text).Document();
}

bool IsProgramICalendar(std::string_view text)
{
    // Physical lines, then content lines unfolded.
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) return false;  // every line CRLF-ended
        const std::string_view line = text.substr(start, end - start);
        if (line.size() > 75 || !IsUtf8(line) || line.find_first_of("\r\n") != std::string_view::npos) return false;
        if (!line.empty() && line[0] == ' ') {
            if (lines.empty()) return false;
            lines.back() += line.substr(1);
        } else {
            lines.emplace_back(line);
        }
        start = end + 2;
    }
    constexpr std::array<std::string_view, 18> kNames = {"BEGIN:",
                                                         "END:",
                                                         "VERSION:",
                                                         "PRODID:",
                                                         "CALSCALE:",
                                                         "METHOD:",
                                                         "X-WR-CALNAME:",
                                                         "UID:",
                                                         "DTSTAMP:",
                                                         "DTSTART:",
                                                         "DTSTART;VALUE=DATE:",
                                                         "DTEND;VALUE=DATE:",
                                                         "DURATION:PT1S",
                                                         "SUMMARY:",
                                                         "DESCRIPTION:",
                                                         "CATEGORIES:",
                                                         "TRANSP:",
                                                         "RRULE:"};
    std::vector<std::string> open;
    for (const std::string& line : lines) {
        bool known = false;
        for (const std::string_view name : kNames) known = known || line.starts_with(name);
        if (!known) return false;
        if (line.starts_with("BEGIN:")) open.push_back(line.substr(6));
        if (line.starts_with("END:")) {
            if (open.empty() || open.back() != line.substr(4)) return false;
            open.pop_back();
        }
    }
    return open.empty() && !lines.empty() && lines.front() == "BEGIN:VCALENDAR";
}
