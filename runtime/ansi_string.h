#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

// The window's designed text: a byte string holding CP949 (ASCII-compatible,
// a Korean syllable two bytes), whose lengths and widths are counted in these
// bytes. A type of its own so that it never mixes unnoticed with the UTF-8
// text of the rest of the program: it is made from a literal of a file
// compiled to CP949 (or ASCII), from the window's edit boxes, or by
// Cp949::FromUtf8, and becomes UTF-8 only through Cp949::ToUtf8.
class AnsiString {
public:
    AnsiString() = default;
    explicit AnsiString(const char* cp949)
        : bytes_(cp949 != nullptr ? cp949 : "") {}  // a literal: implicit, as text is written
    explicit AnsiString(std::string cp949) : bytes_(std::move(cp949)) {}
    AnsiString(std::size_t count, char c) : bytes_(count, c) {}

    const std::string& Bytes() const noexcept { return bytes_; }
    std::string_view View() const noexcept { return bytes_; }
    const char* c_str() const noexcept { return bytes_.c_str(); }
    char* data() noexcept { return bytes_.data(); }
    std::size_t size() const noexcept { return bytes_.size(); }
    bool empty() const noexcept { return bytes_.empty(); }
    void clear() noexcept { bytes_.clear(); }
    void resize(std::size_t size) { bytes_.resize(size); }
    void reserve(std::size_t size) { bytes_.reserve(size); }

    AnsiString& operator+=(const AnsiString& more)
    {
        bytes_ += more.bytes_;
        return *this;
    }
    AnsiString& operator+=(const char* more)
    {
        bytes_ += more;
        return *this;
    }
    AnsiString& operator+=(char c)
    {
        bytes_ += c;
        return *this;
    }
    void append(std::string_view bytes) { bytes_.append(bytes); }
    void append(std::size_t count, char c) { bytes_.append(count, c); }

    friend AnsiString operator+(AnsiString text, const AnsiString& more) { return text += more; }
    friend AnsiString operator+(AnsiString text, const char* more) { return text += more; }
    friend bool operator==(const AnsiString&, const AnsiString&) = default;

private:
    std::string bytes_;
};
