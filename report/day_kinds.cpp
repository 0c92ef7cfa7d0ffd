#include "report/day_kinds.h"

#include "runtime/utf8_literals.h"

namespace {

struct KindWords {
    DayKind kind;
    const char* keyword;
    const char* name;       // as the menus say it
    const char* shortName;  // as one may type it
};
constexpr std::array<KindWords, kDayKinds.size()> kWords = {{
    {DayKind::Holidays, "holidays", "공휴일", "공휴일"},
    {DayKind::Terms, "terms", "24절기", "절기"},
    {DayKind::Anniversaries, "anniversaries", "기념일", "기념일"},
    {DayKind::Sundry, "sundry", "잡절", "잡절"},
    {DayKind::Events, "events", "내 날짜", "내날짜"},
}};

const KindWords& WordsOf(DayKind kind)
{
    return kWords[static_cast<std::size_t>(kind)];  // kWords is in the order of DayKind
}

}  // namespace

bool DayKinds::Has(DayKind kind) const
{
    switch (kind) {
        case DayKind::Holidays:
            return holidays;
        case DayKind::Terms:
            return terms;
        case DayKind::Anniversaries:
            return anniversaries;
        case DayKind::Sundry:
            return sundry;
        case DayKind::Events:
            return events;
    }
    return false;
}

void DayKinds::Set(DayKind kind, bool shown)
{
    switch (kind) {
        case DayKind::Holidays:
            holidays = shown;
            break;
        case DayKind::Terms:
            terms = shown;
            break;
        case DayKind::Anniversaries:
            anniversaries = shown;
            break;
        case DayKind::Sundry:
            sundry = shown;
            break;
        case DayKind::Events:
            events = shown;
            break;
    }
}

DayKinds DayKindChoice::Apply(DayKinds defaults) const
{
    for (const DayKind kind : kDayKinds) {
        if (const std::optional<bool> show = Chosen(kind)) defaults.Set(kind, *show);
    }
    return defaults;
}

const char* DayKindKeyword(DayKind kind)
{
    return WordsOf(kind).keyword;
}

const char* DayKindName(DayKind kind)
{
    return WordsOf(kind).name;
}

std::optional<DayKind> DayKindOfWord(std::string_view word)
{
    for (const KindWords& words : kWords) {
        if (word == words.keyword || word == words.name || word == words.shortName) return words.kind;
    }
    return std::nullopt;
}
