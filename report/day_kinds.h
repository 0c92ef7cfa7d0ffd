#pragma once

#include <array>
#include <optional>
#include <string_view>

// The kinds of days the calendar shows, and which of them a view shows: the
// user chooses (dalcal-print --show/--hide, the month view's 보기 menu, the
// settings file); what the user left open each view decides.

enum class DayKind { Holidays, Terms, Anniversaries, Sundry, Events };

inline constexpr std::array<DayKind, 5> kDayKinds = {DayKind::Holidays, DayKind::Terms, DayKind::Anniversaries,
                                                     DayKind::Sundry, DayKind::Events};

struct DayKinds {
    bool holidays = true;       // 공휴일
    bool terms = true;          // 24절기 (and 토왕용사 where the terms are detailed)
    bool anniversaries = true;  // 기념일
    bool sundry = true;         // 잡절
    bool events = true;         // the user's own dates

    bool Has(DayKind kind) const;
    void Set(DayKind kind, bool shown);
    friend bool operator==(const DayKinds&, const DayKinds&) = default;
};

// What the lists show unless told otherwise (the month's notes, the pages,
// --upcoming, --days as text): every kind but the hundred or so 기념일.
inline constexpr DayKinds kListedKinds{true, true, false, true, true};
// What a day's reading and JSON show unless told otherwise: every kind.
inline constexpr DayKinds kEveryKind{};

// The user's choice: each kind shown, hidden or left to the view.
struct DayKindChoice {
    std::array<std::optional<bool>, kDayKinds.size()> shown;  // by DayKind

    void Choose(DayKind kind, bool show) { shown[static_cast<std::size_t>(kind)] = show; }
    std::optional<bool> Chosen(DayKind kind) const { return shown[static_cast<std::size_t>(kind)]; }
    DayKinds Apply(DayKinds defaults) const;  // the view's defaults, then the choices
    friend bool operator==(const DayKindChoice&, const DayKindChoice&) = default;
};

// The words of the kinds on command lines and in the settings file:
// "holidays", "terms", "anniversaries", "sundry", "events".
const char* DayKindKeyword(DayKind kind);
// A word read back (the keyword, or the Korean name: 공휴일, 절기, 기념일,
// 잡절, 내날짜); none for another.
std::optional<DayKind> DayKindOfWord(std::string_view word);
// The Korean name, as the menus say it: "공휴일", "24절기", "기념일", "잡절", "내 날짜".
const char* DayKindName(DayKind kind);
