#include "utf8.h"

namespace Utf8 {

bool IsWellFormed(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {  // most bytes, at no call
            ++i;
            continue;
        }
        const std::size_t length = SequenceLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string Sanitized(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceLength(text, i);
        const auto byte = static_cast<unsigned char>(text[i]);
        if (length == 0) {
            out += "\xEF\xBF\xBD";  // U+FFFD
            ++i;
        } else if (byte < 0x20 || byte == 0x7F) {
            constexpr std::string_view kHexDigits = "0123456789ABCDEF";
            out += "\\x";
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0xF];
            ++i;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');  // appended piece by piece: GCC 12 misreads "\"" + string at -O3 (-Wrestrict)
    quoted += Sanitized(text);
    quoted += '"';
    return quoted;
}

std::size_t Columns(std::string_view text)
{
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const Character character = Read(text, i);
        columns += character.wellFormed && IsWide(character.codePoint) ? 2 : 1;
        i += character.length;
    }
    return columns;
}

std::vector<std::string> Wrapped(std::string_view text, std::size_t columns, std::string_view indent)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t lineColumns = 0;
    std::size_t startColumns = 0;               // the indent's, after the first line
    std::size_t lastBlank = std::string::npos;  // in line, where it may break
    const auto breakLine = [&](std::string rest) {
        lines.push_back(std::move(line));
        line = std::string(indent) + rest;
        startColumns = Columns(indent);
        lineColumns = Columns(line);
        lastBlank = std::string::npos;
    };
    for (std::size_t i = 0; i < text.size();) {
        const Character character = Read(text, i);
        const std::size_t width = character.wellFormed && IsWide(character.codePoint) ? 2 : 1;
        const bool blank = character.wellFormed && character.codePoint == ' ';
        i += character.length;
        if (lineColumns + width > columns && lineColumns > startColumns) {
            if (blank) {  // the break falls on a blank: it goes
                breakLine({});
                continue;
            }
            if (lastBlank != std::string::npos) {
                std::string rest = line.substr(lastBlank + 1);
                line.resize(lastBlank);
                breakLine(std::move(rest));
            } else {
                breakLine({});
            }
        }
        if (blank && lineColumns > startColumns) lastBlank = line.size();
        line.append(text.substr(i - character.length, character.length));
        lineColumns += width;
    }
    lines.push_back(std::move(line));
    return lines;
}

}  // namespace Utf8
