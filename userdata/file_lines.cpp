#include "userdata/file_lines.h"

#include <iterator>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

FileLines::FileLines(std::string_view text)
{
    if (text.starts_with(kByteOrderMark)) {
        byteOrderMark_ = kByteOrderMark;
        text.remove_prefix(kByteOrderMark.size());
    }
    bool endSeen = false;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        std::string_view end;
        if (newline != std::string_view::npos) {
            const bool crlf = line.ends_with('\r');
            if (crlf) line.remove_suffix(1);
            end = text.substr(line.size(), crlf ? 2 : 1);
            if (!endSeen) newline_ = end;
            endSeen = true;
        }
        lines_.push_back({std::string(line), std::string(end)});
        text.remove_prefix(line.size() + end.size());
    }
}

void FileLines::Replace(std::size_t i, std::string_view text)
{
    lines_.at(i).text = text;
}

void FileLines::Remove(std::size_t i)
{
    (void)lines_.at(i);
    lines_.erase(std::next(lines_.begin(), static_cast<std::ptrdiff_t>(i)));
}

void FileLines::Insert(std::size_t i, std::string_view text)
{
    if (i > lines_.size()) i = lines_.size();
    if (i == lines_.size() && !lines_.empty() && lines_.back().end.empty()) lines_.back().end = newline_;
    lines_.insert(std::next(lines_.begin(), static_cast<std::ptrdiff_t>(i)), Line{std::string(text), newline_});
}

std::string FileLines::Joined() const
{
    std::size_t size = byteOrderMark_.size();
    for (const Line& line : lines_) size += line.text.size() + line.end.size();
    std::string text;
    text.reserve(size);
    text += byteOrderMark_;
    for (const Line& line : lines_) (text += line.text) += line.end;
    return text;
}
