#include "formats/json_writer.h"

#include <array>

#include "text/utf8.h"

std::string JsonQuoted(std::string_view utf8)
{
    constexpr std::array<char, 16> kHexDigits = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                 '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string out = "\"";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            const std::size_t length = Utf8::SequenceLength(utf8, i);
            if (length == 0) {
                out += "\\uFFFD";  // a byte that is no UTF-8 (a file name can hold any)
            } else {
                out.append(utf8.substr(i, length));
                i += length - 1;
            }
        } else if (c == '"' || c == '\\') {
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
