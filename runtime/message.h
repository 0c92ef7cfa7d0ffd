#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the program says to a person: an English pattern with numbered places
// ({1} to {9}) and the values that go in them. Keeping the two apart lets the
// program that shows a message put its pattern into the reader's language
// before filling it in. Every pattern is written as the first argument of a
// Message(...) so that xgettext finds it for the translators (po/).
// How the values of a message are written: UTF-8 (what was typed on a
// command line, file names, numbers), or CP949 (the window's own text, as
// StrToInt reads an edit box). The place that shows a message converts by it.
enum class TextEncoding { Utf8, Cp949 };

class Message {
public:
    explicit Message(const char* pattern, std::vector<std::string> values = {}, int systemError = 0,
                     TextEncoding valueEncoding = TextEncoding::Utf8)
        : pattern_(pattern), values_(std::move(values)), systemError_(systemError), valueEncoding_(valueEncoding)
    {
    }

    const char* Pattern() const noexcept { return pattern_; }
    const std::vector<std::string>& Values() const noexcept { return values_; }
    // The errno whose description follows the message, 0 for none: described
    // where it is shown, in the reader's language.
    int SystemError() const noexcept { return systemError_; }
    TextEncoding ValueEncoding() const noexcept { return valueEncoding_; }

    // The message with pattern (its translation) for its own, filled in, and
    // the system error's description (in the language of the C library's
    // locale) after it.
    std::string FilledAs(const char* pattern) const;

    // The message in English.
    std::string English() const { return FilledAs(pattern_); }

    friend bool operator==(const Message& a, const Message& b)
    {
        return std::string_view(a.pattern_) == b.pattern_ && a.values_ == b.values_ &&
               a.systemError_ == b.systemError_ && a.valueEncoding_ == b.valueEncoding_;
    }

private:
    const char* pattern_;
    std::vector<std::string> values_;
    int systemError_;
    TextEncoding valueEncoding_;
};

// pattern with each {N} replaced by values[N-1]; a place with no value, and
// any other brace, stays as written.
std::string FillPlaces(std::string_view pattern, const std::vector<std::string>& values);

// Marks a pattern that is made into a Message elsewhere, for xgettext.
constexpr const char* Phrase(const char* pattern)
{
    return pattern;
}
