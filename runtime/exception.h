#pragma once

#include <exception>
#include <utility>

#include "ansi_string.h"

// Every failure the program reports is an Exception carrying a CP949 message.
class Exception : public std::exception {
public:
    explicit Exception(AnsiString message) : message_(std::move(message)) {}

    const AnsiString& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    AnsiString message_;
};

// Raised for text that is not a number and for dates that do not exist.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
