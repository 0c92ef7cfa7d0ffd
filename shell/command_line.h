#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/almanac.h"
#include "runtime/message.h"
#include "text/utf8.h"

// What the command lines of both programs share. The parsers return their
// errors; each program's main prints them and decides the exit status.

// A command line that cannot be understood: main prints
// "PROGRAM: MESSAGE" and a hint, and exits with status 2.
struct UsageError {
    Message message;

    friend bool operator==(const UsageError&, const UsageError&) = default;
};

// Whether an argument is an option: "-5" is a (negative) number, not one.
bool LooksLikeOption(std::string_view arg);

// A step of parsing that either went well or found a usage error.
using UsageProblem = std::optional<UsageError>;

// An option that takes a value, at args[index]: "--name VALUE" (index then
// moves onto the value) or "--name=VALUE".
struct OptionValue {
    bool matched = false;                   // args[index] is this option
    std::optional<std::string_view> value;  // none: "--name" was the last argument
};
OptionValue ReadOptionValue(std::string_view name, std::span<const char* const> args, std::size_t& index);

// A missing value: missing is the Phrase "--name needs a value (what it takes)".
UsageError ValueMissing(const char* missing);

// A word an option takes and what it means: "window" of --layout.
template <typename T>
struct OptionWord {
    std::string_view word;
    T value;
};

// Sets chosen to the meaning of the word typed, or returns the usage error
// unknown, a Phrase with {1} for the word as typed ("unknown layout '{1}' (use
// terminal or window)").
template <typename T>
UsageProblem ChooseWord(std::string_view typed, std::span<const OptionWord<T>> words, const char* unknown, T& chosen)
{
    for (const OptionWord<T>& word : words) {
        if (word.word != typed) continue;
        chosen = word.value;
        return std::nullopt;
    }
    return UsageError{Message(unknown, {Utf8::Sanitized(typed)})};
}

// The almanac that --almanac names ("korea" or "classic"), or the usage error.
UsageProblem SetAlmanac(std::string_view name, Almanac& almanac);

// The one --almanac option: reads it at args[index] into almanac; matched is
// false where args[index] is another argument.
struct AlmanacOption {
    bool matched = false;
    UsageProblem problem;
};
AlmanacOption ReadAlmanacOption(std::span<const char* const> args, std::size_t& index, Almanac& almanac);
