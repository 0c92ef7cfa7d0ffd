#include "text/utf8.h"

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
    std::size_t startColumns = 0;  // the indent's, after the first line
    const auto newLine = [&] {
        lines.push_back(std::move(line));
        line = std::string(indent);
        startColumns = lineColumns = Columns(indent);
    };
    // A word too long for any line: cut between its characters.
    const auto appendCut = [&](std::string_view word) {
        for (std::size_t i = 0; i < word.size();) {
            const Character character = Read(word, i);
            const std::size_t width = character.wellFormed && IsWide(character.codePoint) ? 2 : 1;
            if (lineColumns + width > columns && lineColumns > startColumns) newLine();
            line.append(word.substr(i, character.length));
            lineColumns += width;
            i += character.length;
        }
    };
    // The words between single blanks (empty where blanks follow each other, so
    // that "2월  9일" keeps its two), each on the line if it fits after a blank.
    std::size_t begin = 0;
    for (bool first = true; begin <= text.size(); first = false) {
        const std::size_t end = std::min(text.find(' ', begin), text.size());
        const std::string_view word = text.substr(begin, end - begin);
        const std::size_t wordColumns = Columns(word);
        if (!first && lineColumns + 1 + wordColumns <= columns) {
            line += ' ';
            lineColumns += 1;
        } else if (!first) {
            newLine();
        }
        if (lineColumns + wordColumns <= columns) {
            line.append(word);
            lineColumns += wordColumns;
        } else {
            appendCut(word);
        }
        begin = end + 1;
    }
    lines.push_back(std::move(line));
    return lines;
}

}  // namespace Utf8
