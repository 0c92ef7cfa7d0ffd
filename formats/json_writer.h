#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Writes one JSON text (RFC 8259), compact, value by value: the writer puts
// the commas and colons, and escapes strings. Strings are UTF-8.
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next member of the object being written.
    void Key(std::string_view key);

    void String(std::string_view utf8);
    void Number(std::int64_t value);
    void Bool(bool value);
    void Null();

    // The text written so far.
    const std::string& Text() const { return text_; }

private:
    void BeforeValue();

    std::string text_;
    std::vector<bool> firstInContainer_;  // one a container being written
    bool afterKey_ = false;
};

// A string as a JSON string literal, quotes included: the quote, the backslash
// and the control characters escaped, a byte that is no UTF-8 written as
// U+FFFD, everything else (UTF-8) as it is.
std::string JsonQuoted(std::string_view utf8);
