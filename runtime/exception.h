#pragma once

#include <exception>
#include <optional>
#include <utility>

#include "runtime/ansi_string.h"
#include "runtime/message.h"

// Every failure the program reports is an Exception carrying a CP949 message.
// One raised with a Message also keeps its pattern and values, so that a
// program can show it in the reader's language.
class Exception : public std::exception {
public:
    explicit Exception(AnsiString message) : message_(std::move(message)) {}
    explicit Exception(const char* message) : message_(message) {}
    explicit Exception(::Message said) : message_(said.English()), said_(std::move(said)) {}

    const AnsiString& Message() const noexcept { return message_; }
    const std::optional<::Message>& Said() const noexcept { return said_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    AnsiString message_;
    std::optional<::Message> said_;
};

// Raised for text that is not a number and for dates that do not exist.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
