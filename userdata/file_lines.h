#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A text file someone keeps, as lines that keep every byte: each line's text
// and the end it had ("\n", "\r\n", or none after the last), a byte-order
// mark apart from the first line. Changing one line leaves every other byte
// as it was; joined again unchanged, the lines give back the very text read.
class FileLines {
public:
    explicit FileLines(std::string_view text);

    std::size_t Count() const { return lines_.size(); }
    // Line i's text (0-based), without its end or a byte-order mark.
    std::string_view Text(std::size_t i) const { return lines_.at(i).text; }

    // Line i reads text instead, its end kept.
    void Replace(std::size_t i, std::string_view text);
    // Line i goes, with its end.
    void Remove(std::size_t i);
    // A new line of text goes before line i (Count(): after the last), ended
    // as the file ends its lines (CRLF where its first ended line has one);
    // a last line without an end gets one first.
    void Insert(std::size_t i, std::string_view text);

    std::string Joined() const;

private:
    struct Line {
        std::string text;
        std::string end;
    };
    std::string byteOrderMark_;
    std::vector<Line> lines_;
    std::string newline_ = "\n";  // the end new lines get
};
