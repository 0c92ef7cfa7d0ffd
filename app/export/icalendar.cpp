#include "icalendar.h"

#include <array>
#include <utility>

#include "civil_date.h"
#include "utf8.h"

namespace {

constexpr std::size_t kMaxLineOctets = 75;
constexpr std::int32_t kUnixEpochDay = DayCountOf(1970, 1, 1);
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr const char* kReplacementCharacter = "\xEF\xBF\xBD";

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// value as exactly `digits` decimal digits (value in [0, 10^digits), digits 1..4).
void AppendDigits(std::string& out, std::int32_t value, std::size_t digits)
{
    std::array<char, 4> text{};
    for (std::size_t i = digits; i > 0; --i) {
        text.at(i - 1) = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(text.data(), digits);
}

// Bytes that a TEXT value takes as they are: printable ASCII but the three
// that need a backslash.
bool IsPlainText(char c)
{
    return c >= 0x20 && c < 0x7F && c != '\\' && c != ';' && c != ',';
}

// A UTC time of day as THHMMSSZ (minuteOfDay and second in range).
void AppendUtcTime(std::string& out, std::int32_t minuteOfDay, std::int32_t second)
{
    out += 'T';
    AppendDigits(out, minuteOfDay / 60, 2);
    AppendDigits(out, minuteOfDay % 60, 2);
    AppendDigits(out, second, 2);
    out += 'Z';
}

std::string StampValue(std::int64_t unixSeconds)
{
    const std::int64_t days = unixSeconds / kSecondsPerDay;  // unixSeconds >= 0
    const auto secondOfDay = static_cast<std::int32_t>(unixSeconds % kSecondsPerDay);
    std::string value;
    AppendDateValue(value, DateOfDayCount(static_cast<std::int32_t>(kUnixEpochDay + days)));
    AppendUtcTime(value, secondOfDay / 60, secondOfDay % 60);
    return value;
}

// The length of the run at text[i] that a TEXT value takes as it is: plain
// ASCII and well-formed UTF-8.
std::size_t PlainRunLength(std::string_view text, std::size_t i)
{
    std::size_t end = i;
    while (end < text.size()) {
        if (IsPlainText(text[end])) {
            ++end;
        } else if (static_cast<unsigned char>(text[end]) >= 0x80) {
            const std::size_t length = Utf8::SequenceLength(text, end);
            if (length == 0) break;
            end += length;
        } else {
            break;
        }
    }
    return end - i;
}

void AppendEscapedText(std::string& out, std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size();) {
        if (const std::size_t run = PlainRunLength(utf8, i); run > 0) {
            out.append(utf8.substr(i, run));
            i += run;
            continue;
        }
        const char c = utf8[i++];
        if (static_cast<unsigned char>(c) >= 0x80) {
            out += kReplacementCharacter;  // a byte that is no UTF-8
        } else if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += c;
        }  // CR (of CRLF, whose LF writes the newline) and other control characters have no place here
    }
}

// Ends the content line written from out[start] on: folded where it is longer
// than a line may be, then CRLF.
void EndLine(std::string& out, std::size_t start)
{
    if (out.size() - start <= kMaxLineOctets) {  // most lines: nothing to fold
        out += "\r\n";
        return;
    }
    const std::string folded = FoldLine(std::string_view(out).substr(start));
    out.resize(start);
    out += folded;
}

void AddLine(std::string& out, std::string_view line)
{
    const std::size_t start = out.size();
    out += line;
    EndLine(out, start);
}

// NAME:VALUE with the value escaped as TEXT.
void AddTextProperty(std::string& out, std::string_view name, std::string_view value)
{
    const std::size_t start = out.size();
    out += name;
    AppendEscapedText(out, value);
    EndLine(out, start);
}

// NAME:YYYYMMDD, a line that never needs folding.
void AddDateProperty(std::string& out, std::string_view name, const GregorianDate& date)
{
    out += name;
    AppendDateValue(out, date);
    out += "\r\n";
}

void AddEvent(std::string& out, const CalendarEvent& event, std::string_view stamp)
{
    AddLine(out, "BEGIN:VEVENT");
    AddTextProperty(out, "UID:", event.uid);
    out += "DTSTAMP:";
    out += stamp;
    out += "\r\n";
    if (event.utcMinuteOfDay) {
        out += "DTSTART:";
        AppendDateValue(out, event.date);
        AppendUtcTime(out, *event.utcMinuteOfDay, 0);
        out += "\r\n";
    } else {
        const std::int32_t day = DayCountOf(event.date.year, event.date.month, event.date.day);
        AddDateProperty(out, "DTSTART;VALUE=DATE:", event.date);
        AddDateProperty(out, "DTEND;VALUE=DATE:", DateOfDayCount(day + 1));
    }
    AddTextProperty(out, "SUMMARY:", event.summary);
    if (!event.description.empty()) AddTextProperty(out, "DESCRIPTION:", event.description);
    if (!event.category.empty()) AddTextProperty(out, "CATEGORIES:", event.category);
    AddLine(out, "TRANSP:TRANSPARENT");
    AddLine(out, "END:VEVENT");
}

}  // namespace

void AppendDateValue(std::string& out, const GregorianDate& date)
{
    AppendDigits(out, date.year, 4);
    AppendDigits(out, date.month, 2);
    AppendDigits(out, date.day, 2);
}

std::string EscapeText(std::string_view utf8)
{
    std::string out;
    AppendEscapedText(out, utf8);
    return out;
}

std::string FoldLine(std::string_view line)
{
    std::string out;
    std::size_t limit = kMaxLineOctets;  // the first line; later ones start with a blank
    while (line.size() > limit) {
        std::size_t cut = limit;
        while (cut > 0 && IsContinuationByte(line[cut])) --cut;  // not inside a character
        if (cut == 0) cut = limit;                               // no character starts there: bytes as they are
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        limit = kMaxLineOctets - 1;
    }
    out.append(line);
    out += "\r\n";
    return out;
}

std::string Fingerprint(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a, 64 bits
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    std::string hex(16, '0');
    for (std::size_t i = 0; i < hex.size(); ++i) hex[15 - i] = "0123456789abcdef"[(hash >> (4 * i)) & 0xF];
    return hex;
}

ICalendarWriter::ICalendarWriter(std::string_view calendarName, std::int64_t stampUnixSeconds, TextOutput output)
    : stamp_(StampValue(stampUnixSeconds)), output_(std::move(output))
{
    buffer_.reserve(kPieceBytes + kPieceBytes / 4);
    AddLine(buffer_, "BEGIN:VCALENDAR");
    AddLine(buffer_, "VERSION:2.0");
    AddLine(buffer_, "PRODID:-//dalcal//dalcal-print//KO");
    AddLine(buffer_, "CALSCALE:GREGORIAN");
    AddLine(buffer_, "METHOD:PUBLISH");
    AddTextProperty(buffer_, "X-WR-CALNAME:", calendarName);
}

void ICalendarWriter::Add(const CalendarEvent& event)
{
    AddEvent(buffer_, event, stamp_);
    if (buffer_.size() >= kPieceBytes) {
        output_(buffer_);
        buffer_.clear();
    }
}

void ICalendarWriter::Finish()
{
    AddLine(buffer_, "END:VCALENDAR");
    output_(buffer_);
    buffer_.clear();
}

std::string ICalendar(std::string_view calendarName, const std::vector<CalendarEvent>& events,
                      std::int64_t stampUnixSeconds)
{
    std::string file;
    ICalendarWriter writer(calendarName, stampUnixSeconds, [&file](std::string_view piece) { file += piece; });
    for (const CalendarEvent& event : events) writer.Add(event);
    writer.Finish();
    return file;
}
