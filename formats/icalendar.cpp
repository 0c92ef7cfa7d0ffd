#include "formats/icalendar.h"

#include <algorithm>
#include <array>
#include <utility>

#include "runtime/civil_date.h"
#include "text/utf8.h"

namespace {

constexpr std::size_t kMaxLineOctets = 75;
constexpr std::int32_t kUnixEpochDay = DayCountOf(1970, 1, 1);
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr const char* kReplacementCharacter = "\xEF\xBF\xBD";

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// "00" to "99", two characters each: a long file writes thousands of dates.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t value = 0; value < 100; ++value) {
        pairs.at(2 * value) = static_cast<char>('0' + value / 10);
        pairs.at(2 * value + 1) = static_cast<char>('0' + value % 10);
    }
    return pairs;
}();

// value (in [0, 100): a month, a day, a year's halves, a time's parts) as two decimal digits at `at`.
void PutTwoDigits(char* at, std::int32_t value)
{
    const auto pair = 2 * static_cast<std::size_t>(value);
    at[0] = kDigitPairs.at(pair);
    at[1] = kDigitPairs.at(pair + 1);
}

void AppendTwoDigits(std::string& out, std::int32_t value)
{
    std::array<char, 2> text{};
    PutTwoDigits(text.data(), value);
    out.append(text.data(), text.size());
}

// A UTC time of day as THHMMSSZ (minuteOfDay and second in range).
void AppendUtcTime(std::string& out, std::int32_t minuteOfDay, std::int32_t second)
{
    out += 'T';
    AppendTwoDigits(out, minuteOfDay / 60);
    AppendTwoDigits(out, minuteOfDay % 60);
    AppendTwoDigits(out, second);
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

// Bytes that a TEXT value takes as they are: printable ASCII but the three
// that need a backslash. (Bytes beyond ASCII are taken where they make
// well-formed UTF-8.)
constexpr std::array<bool, 256> kPlainText = [] {
    std::array<bool, 256> table{};
    for (std::size_t byte = 0x20; byte < 0x7F; ++byte) table.at(byte) = true;
    table.at('\\') = table.at(';') = table.at(',') = false;
    return table;
}();

// Plain runs are copied whole; each character beyond ASCII is checked where
// it stands (a file name or a summary can hold any bytes).
void AppendEscapedText(std::string& out, std::string_view utf8)
{
    std::size_t plainFrom = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const char c = utf8[i];
        const auto byte = static_cast<unsigned char>(c);
        if (kPlainText[byte]) {  // an unsigned char indexes 256 entries
            ++i;
            continue;
        }
        if (byte >= 0x80) {
            if (const std::size_t length = Utf8::SequenceLength(utf8, i); length > 0) {
                i += length;
                continue;
            }
        }
        out.append(utf8.substr(plainFrom, i - plainFrom));
        plainFrom = ++i;
        if (byte >= 0x80) {
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
    out.append(utf8.substr(plainFrom));
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

// NAME:VALUE with a value that needs no escape, as it is.
void AddPlainProperty(std::string& out, std::string_view name, std::string_view value)
{
    const std::size_t start = out.size();
    out += name;
    out += value;
    EndLine(out, start);
}

// The day after date (years 1..9999; the last day's next is past them, never asked for).
GregorianDate NextDay(const GregorianDate& date)
{
    if (date.day < GregorianMonthDays(date.year, date.month)) return {date.year, date.month, date.day + 1};
    if (date.month < 12) return {date.year, date.month + 1, 1};
    return {date.year + 1, 1, 1};
}

// A date (years 1..9999) as YYYYMMDD at `at`, eight characters.
void PutDateValue(char* at, const GregorianDate& date)
{
    PutTwoDigits(at, date.year / 100);
    PutTwoDigits(at + 2, date.year % 100);
    PutTwoDigits(at + 4, date.month);
    PutTwoDigits(at + 6, date.day);
}

// DTSTART and DTEND of an all-day event, in one append of a copy of the
// lines with the dates put in: a long file writes them for every event.
void AddDayLines(std::string& out, const GregorianDate& date)
{
    constexpr std::string_view kLines = "DTSTART;VALUE=DATE:YYYYMMDD\r\nDTEND;VALUE=DATE:YYYYMMDD\r\n";
    constexpr std::size_t kStartAt = kLines.find("YYYYMMDD");
    constexpr std::size_t kEndAt = kLines.rfind("YYYYMMDD");
    constexpr std::array<char, kLines.size()> kTemplate = [&] {
        std::array<char, kLines.size()> copy{};
        std::ranges::copy(kLines, copy.begin());
        return copy;
    }();
    std::array<char, kLines.size()> lines = kTemplate;  // copied whole, not byte by byte
    PutDateValue(lines.data() + kStartAt, date);
    PutDateValue(lines.data() + kEndAt, NextDay(date));
    out.append(lines.data(), lines.size());
}

// The event's lines; the fixed ones each in one append with their neighbours.
void AddEvent(std::string& out, const CalendarEvent& event, std::string_view stampLine)
{
    constexpr std::string_view kBegin = "BEGIN:VEVENT\r\n";
    const std::size_t uidLineStart = out.size() + kBegin.size();
    out += kBegin;
    out += "UID:";
    out += event.uid;
    EndLine(out, uidLineStart);
    out += stampLine;
    if (event.utcMinuteOfDay) {
        out += "DTSTART:";
        AppendDateValue(out, event.date);
        AppendUtcTime(out, *event.utcMinuteOfDay, 0);
        // A moment. RFC 5545 makes one of DTSTART alone, but khal shows that
        // as an hour and calcurse refuses a zero DURATION: one second is a
        // moment to both.
        out += "\r\nDURATION:PT1S\r\n";
    } else {
        AddDayLines(out, event.date);
    }
    AddTextProperty(out, "SUMMARY:", event.summary);
    const auto addProperty = event.ownWords ? AddPlainProperty : AddTextProperty;
    if (!event.description.empty()) addProperty(out, "DESCRIPTION:", event.description);
    if (!event.category.empty()) addProperty(out, "CATEGORIES:", event.category);
    out += "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
}

}  // namespace

void AppendDateValue(std::string& out, const GregorianDate& date)
{
    std::array<char, 8> text{};
    PutDateValue(text.data(), date);
    out.append(text.data(), text.size());
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

ICalendarWriter::ICalendarWriter(std::string_view calendarName, std::int64_t stampUnixSeconds, CalendarOutput output)
    : stampLine_("DTSTAMP:" + StampValue(stampUnixSeconds) + "\r\n"), output_(std::move(output))
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
    AddEvent(buffer_, event, stampLine_);
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
