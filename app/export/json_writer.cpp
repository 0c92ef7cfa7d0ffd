#include "json_writer.h"

#include <array>

std::string JsonQuoted(std::string_view utf8)
{
    constexpr std::array<char, 16> kHexDigits = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                 '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\u00";
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

void JsonWriter::BeforeValue()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!firstInContainer_.empty()) {
        if (!firstInContainer_.back()) text_ += ',';
        firstInContainer_.back() = false;
    }
}

void JsonWriter::BeginObject()
{
    BeforeValue();
    text_ += '{';
    firstInContainer_.push_back(true);
}

void JsonWriter::EndObject()
{
    text_ += '}';
    firstInContainer_.pop_back();
}

void JsonWriter::BeginArray()
{
    BeforeValue();
    text_ += '[';
    firstInContainer_.push_back(true);
}

void JsonWriter::EndArray()
{
    text_ += ']';
    firstInContainer_.pop_back();
}

void JsonWriter::Key(std::string_view key)
{
    BeforeValue();
    text_ += JsonQuoted(key);
    text_ += ':';
    afterKey_ = true;
}

void JsonWriter::String(std::string_view utf8)
{
    BeforeValue();
    text_ += JsonQuoted(utf8);
}

void JsonWriter::Number(std::int64_t value)
{
    BeforeValue();
    text_ += std::to_string(value);
}

void JsonWriter::Bool(bool value)
{
    BeforeValue();
    text_ += value ? "true" : "false";
}

void JsonWriter::Null()
{
    BeforeValue();
    text_ += "null";
}
