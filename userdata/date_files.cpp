#include "userdata/date_files.h"

#include <algorithm>
#include <array>
#include <optional>
#include <tuple>
#include <utility>

#include "input/typed_numbers.h"
#include "runtime/date_check.h"
#include "text/utf8.h"
#include "userdata/event_attributes.h"

namespace {

// The words of the files. This file's literals stay UTF-8, as the files are.
constexpr std::array<std::string_view, 2> kLunarWords = {"음력", "lunar"};
constexpr std::array<std::string_view, 2> kSolarWords = {"양력", "solar"};
constexpr std::array<std::string_view, 2> kLeapWords = {"윤", "leap"};

struct KindWord {
    std::string_view utf8;
    HolidayKind kind;
};
constexpr std::array<KindWord, 4> kKindWords = {{
    {"공휴일", HolidayKind::Holiday},
    {"대체공휴일", HolidayKind::Substitute},
    {"선거일", HolidayKind::Election},
    {"임시공휴일", HolidayKind::Designated},
}};
static_assert(sizeof("가") == 4, "compile this file with its Korean text as UTF-8");

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The first word of text, and the rest after the blanks that follow it.
std::pair<std::string_view, std::string_view> FirstWord(std::string_view text)
{
    std::size_t end = 0;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    return {text.substr(0, end), Trimmed(text.substr(end))};
}

// What a line's bytes are: UTF-8, and with a control character (but tab)
// before its comment or not. One pass, as a long file has many lines.
struct LineBytes {
    bool wellFormed = true;
    bool controlBeforeComment = false;
};

LineBytes ScanBytes(std::string_view line)
{
    LineBytes bytes;
    bool inComment = false;
    for (std::size_t i = 0; i < line.size();) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (byte >= 0x80) {
            const std::size_t length = Utf8::SequenceLength(line, i);
            if (length == 0) return {false, bytes.controlBeforeComment};
            i += length;
            continue;
        }
        inComment = inComment || byte == '#';
        if (!inComment && ((byte < 0x20 && byte != '\t') || byte == 0x7F)) bytes.controlBeforeComment = true;
        ++i;
    }
    return bytes;
}

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');  // built by appending: GCC 12 misreads "..." + std::string at -O3 (-Wrestrict)
    quoted += text;
    quoted += '"';
    return quoted;
}

template <std::size_t N>
bool IsOneOf(std::string_view word, const std::array<std::string_view, N>& words)
{
    return std::ranges::find(words, word) != words.end();
}

// Why a line cannot be used; none if it can.
using Problem = std::optional<Message>;

std::string Number(std::int32_t value)
{
    return std::to_string(value);
}

// The date rule of an events line's first word (and the next, after 음력 or
// 양력); the words it took are removed from rest. Returns why it cannot be
// read, if it cannot.
Problem ReadRule(std::string_view word, std::string_view& rest, DateRule& rule)
{
    const bool lunar = IsOneOf(word, kLunarWords);
    if (!lunar && !IsOneOf(word, kSolarWords)) {
        const std::optional<GregorianDate> date = ReadDashedDate(word);
        if (!date) return Message("{1} is not 음력 M-D, 양력 M-D or YYYY-MM-DD", {Quoted(word)});
        rule = {DateRuleKind::Once, date->year, date->month, date->day, false};
        return DateProblem(*date, Quoted(word));
    }
    auto [monthDayWord, afterDate] = FirstWord(rest);
    rest = afterDate;
    rule = {lunar ? DateRuleKind::Lunar : DateRuleKind::Solar, 0, 0, 0, false};
    for (const std::string_view leapWord : kLeapWords) {
        if (lunar && monthDayWord.starts_with(leapWord)) {
            rule.leap = true;
            monthDayWord.remove_prefix(leapWord.size());
            break;
        }
    }
    const std::optional<MonthAndDay> monthDay = ReadDashedMonthDay(monthDayWord);
    if (!monthDay) return Message("{1} is not a month and day (M-D)", {Quoted(monthDayWord)});
    rule.month = monthDay->month;
    rule.day = monthDay->day;
    if (rule.month < 1 || rule.month > kMonthsInYear) {
        return Message("{1} is not a date: there is no month {2}", {Quoted(monthDayWord), Number(rule.month)});
    }
    if (!IsValidDateRule(rule)) {
        return lunar ? Message("a lunar month has no day {1}", {Number(rule.day)})
                     : Message("month {1} has no day {2}", {Number(rule.month), Number(rule.day)});
    }
    return std::nullopt;
}

// What tells rules apart, as one number: kind, year (< 2^14), month, day, leap.
using RuleKey = std::uint32_t;

RuleKey KeyOf(const DateRule& rule)
{
    const auto field = [](std::int32_t value) { return static_cast<RuleKey>(value); };  // each in range, read
    return field(static_cast<std::int32_t>(rule.kind)) << 25 | field(rule.year) << 11 | field(rule.month) << 6 |
           field(rule.day) << 1 | (rule.leap ? 1u : 0u);
}

// Calls read(line, text, comment) for every line that holds something, after
// checking that it is UTF-8 (text: before its comment, trimmed; comment: from
// its first "#"); reports the others' problems. A byte-order mark at the
// start (Windows Notepad writes one) is no part of the first line.
template <typename ReadLine>
void ForEachLine(std::string_view text, std::vector<LineProblem>& problems, ReadLine read)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::int32_t number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const LineBytes bytes = ScanBytes(line);
        if (!bytes.wellFormed) {
            problems.push_back({number, Message("not UTF-8 text")});
            continue;
        }
        const std::size_t hash = line.find('#');
        const std::string_view comment = hash == std::string_view::npos ? std::string_view() : line.substr(hash);
        line = Trimmed(line.substr(0, hash));
        if (line.empty()) continue;
        if (bytes.controlBeforeComment) {
            problems.push_back({number, Message("a control character in the line")});
            continue;
        }
        read(number, line, comment);
    }
}

}  // namespace

namespace {

// The events read so far, looked up by rule and name in an open-addressed
// table of their indexes: one event, one entry in a calendar. (A lookup a
// line, at no allocation a line: a long file has many.)
class SeenEvents {
public:
    // events are those noted, in order; expected, about how many will be.
    SeenEvents(const std::vector<UserEvent>& events, std::size_t expected) : events_(events)
    {
        std::size_t size = kFirstSize;
        while (size < 2 * expected) size *= 2;
        slots_.assign(size, 0);
    }

    // The index of the event of this rule and name read before, if any;
    // otherwise the caller adds this one to the events.
    std::optional<std::size_t> Find(const DateRule& rule, std::string_view name);

private:
    static constexpr std::size_t kFirstSize = 64;

    static std::size_t HashOf(const DateRule& rule, std::string_view name)
    {
        constexpr std::size_t kGoldenRatio = 0x9E3779B97F4A7C15u;  // spreads the rule's bits over the hash
        return std::hash<std::string_view>{}(name) ^ (std::size_t{KeyOf(rule)} * kGoldenRatio);
    }
    std::size_t SlotOf(std::size_t hash) const { return hash & (slots_.size() - 1); }
    void Grow();

    const std::vector<UserEvent>& events_;
    std::vector<std::uint32_t> slots_;  // 1 + index in events_, 0 free; a power of two, at most half used
    std::size_t used_ = 0;
};

std::optional<std::size_t> SeenEvents::Find(const DateRule& rule, std::string_view name)
{
    if (2 * (used_ + 1) > slots_.size()) Grow();
    std::size_t slot = SlotOf(HashOf(rule, name));
    for (; slots_[slot] != 0; slot = SlotOf(slot + 1)) {
        const UserEvent& other = events_[slots_[slot] - 1];
        if (KeyOf(other.rule) == KeyOf(rule) && other.name == name) return slots_[slot] - 1;
    }
    slots_[slot] = static_cast<std::uint32_t>(events_.size() + 1);  // the caller's next; a 16 MiB file has fewer
    ++used_;
    return std::nullopt;
}

void SeenEvents::Grow()
{
    slots_.assign(2 * slots_.size(), 0);
    for (std::size_t i = 0; i < events_.size(); ++i) {
        std::size_t slot = SlotOf(HashOf(events_[i].rule, events_[i].name));
        while (slots_[slot] != 0) slot = SlotOf(slot + 1);
        slots_[slot] = static_cast<std::uint32_t>(i + 1);
    }
}

}  // namespace

EventsFile ParseEventsFile(std::string_view text)
{
    EventsFile file;
    // Room for the events at once, as a growing list would touch more pages
    // than it keeps; capped, as a file of blank lines has many lines and no event.
    constexpr std::size_t kRoomAtOnce = 4096;
    std::size_t room = 1;  // the lines, up to kRoomAtOnce
    for (std::size_t end = text.find('\n'); end != std::string_view::npos && room < kRoomAtOnce;
         end = text.find('\n', end + 1)) {
        ++room;
    }
    file.events.reserve(room);
    SeenEvents seen(file.events, room);
    ForEachLine(text, file.problems, [&](std::int32_t number, std::string_view line, std::string_view comment) {
        const auto refuse = [&](Message why) { file.problems.push_back({number, std::move(why)}); };
        auto [word, rest] = FirstWord(line);
        DateRule rule;
        if (Problem why = ReadRule(word, rest, rule)) return refuse(*std::move(why));
        if (rest.empty()) return refuse(Message("no name after the date"));
        if (const std::optional<std::size_t> before = seen.Find(rule, rest)) {
            return refuse(Message("the same event as line {1}", {Number(file.events[*before].line)}));
        }
        UserEvent& event = file.events.emplace_back();
        event.rule = rule;
        event.name = rest;
        event.line = number;
        // The date is kept whatever its attributes say: a word that cannot
        // be read is reported, and the event used without it.
        if (Problem why = ReadEventAttributes(comment, event)) {
            file.problems.push_back({number, *std::move(why), true});
        }
    });
    return file;
}

namespace {

// Reads a line of added holidays into file; why not, if it cannot.
Problem ReadHoliday(std::string_view line, HolidaysFile& file)
{
    auto [word, name] = FirstWord(line);
    const std::optional<GregorianDate> date = ReadDashedDate(word);
    if (!date) return Message("{1} is not a date (YYYY-MM-DD)", {Quoted(word)});
    if (Problem why = DateProblem(*date, Quoted(word), kFirstHolidayYear, kLastHolidayYear)) return why;
    HolidayKind kind = HolidayKind::Designated;
    const std::size_t lastBlank = name.find_last_of(" \t");
    const std::string_view lastWord = lastBlank == std::string_view::npos ? name : name.substr(lastBlank + 1);
    for (const KindWord& kindWord : kKindWords) {
        if (lastWord != kindWord.utf8) continue;
        kind = kindWord.kind;
        // A kind alone ("2026-03-02 임시공휴일") is the day's name too.
        if (lastWord.size() < name.size()) name = Trimmed(name.substr(0, name.size() - lastWord.size()));
        break;
    }
    if (name.empty()) return Message("no name after the date");
    file.holidays.push_back({*date, std::string(name), kind, 0});
    return std::nullopt;
}

}  // namespace

HolidaysFile ParseHolidaysFile(std::string_view text)
{
    HolidaysFile file;
    ForEachLine(text, file.problems, [&file](std::int32_t number, std::string_view line, std::string_view) {
        if (Problem why = ReadHoliday(line, file)) file.problems.push_back({number, *std::move(why)});
    });
    return file;
}
