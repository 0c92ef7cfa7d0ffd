// The C interface's dates: both conversions and the sexagenary cycle.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "dalcal/dalcal.h"
#include "engine/almanac.h"
#include "engine/sexagenary.h"
#include "libdalcal/interface_guard.h"
#include "report/korean_words.h"
#include "runtime/date_check.h"
#include "runtime/date_text.h"

namespace {

// Whether a Gregorian date exists in the years 1..9999; else its status,
// explained (the words made only then: most dates asked for exist).
dalcal_status CheckedDate(const dalcal_date& date, dalcal_error* error)
{
    const bool exists = date.year >= kFirstYear && date.year <= kLastYear && date.month >= 1 &&
                        date.month <= kMonthsInYear && date.day >= 1 &&
                        date.day <= GregorianMonthDays(date.year, date.month);
    if (exists) return DALCAL_OK;
    const GregorianDate gregorian{date.year, date.month, date.day};
    const std::optional<Message> problem = DateProblem(gregorian, IsoDate(gregorian));
    if (!problem) return DALCAL_OK;
    Explain(error, problem->English());
    return date.year < kFirstYear || date.year > kLastYear ? DALCAL_E_RANGE : DALCAL_E_NO_DATE;
}

// The day counts of an almanac's first and last days, found once (constant after).
struct DaySpan {
    std::int32_t first;
    std::int32_t last;
};
DaySpan DaySpanOf(Almanac almanac)
{
    const AlmanacRange range = RangeOf(almanac);
    return {DayCountOf(range.firstDay.year, range.firstDay.month, range.firstDay.day),
            DayCountOf(range.lastDay.year, range.lastDay.month, range.lastDay.day)};
}
const DaySpan& DaysOf(Almanac almanac)
{
    static const DaySpan korea = DaySpanOf(Almanac::Korea);
    static const DaySpan classic = DaySpanOf(Almanac::Classic);
    return almanac == Almanac::Korea ? korea : classic;
}

void Fill(const StemBranch& position, dalcal_stem_branch& out)
{
    out.stem = position.stem;
    out.branch = position.branch;
    const std::string name = StemBranchName(position);  // two syllables, six bytes
    std::memset(out.name, 0, sizeof(out.name));
    std::memcpy(out.name, name.data(), std::min(name.size(), sizeof(out.name) - 1));
}

}  // namespace

extern "C" {

dalcal_status dalcal_to_lunar(int32_t almanac, const dalcal_date* date, dalcal_lunar_date* lunar, dalcal_error* error)
{
    if (date == nullptr || lunar == nullptr) {
        Explain(error, "a null pointer");
        return DALCAL_E_ARGUMENT;
    }
    return Guarded(error, DALCAL_E_NO_DATE, [&] {
        Almanac chosen{};
        if (!AlmanacOf(almanac, chosen, error)) return DALCAL_E_ARGUMENT;
        if (const dalcal_status status = CheckedDate(*date, error); status != DALCAL_OK) return status;
        // Only the almanac's own days (the classic table counts back before 1900 for the window).
        const DaySpan& days = DaysOf(chosen);
        const std::int32_t dayCount = DayCountOf(date->year, date->month, date->day);
        if (dayCount < days.first || dayCount > days.last) {
            const AlmanacRange range = RangeOf(chosen);
            Explain(error, IsoDate(GregorianDate{date->year, date->month, date->day}) + " is outside the almanac, " +
                               IsoDate(range.firstDay) + " to " + IsoDate(range.lastDay));
            return DALCAL_E_RANGE;
        }
        if (chosen == Almanac::Korea) {  // the common case, in one lookup of the lunar year
            LunarDate found;
            bool uncertain = false;
            if (!KoreanLunarDateOfDay(dayCount, found, uncertain)) return DALCAL_E_INTERNAL;
            *lunar = {found.year, found.month, found.day, found.leap ? 1 : 0, uncertain ? 1 : 0};
            return DALCAL_OK;
        }
        const std::optional<LunarDate> found = ToLunar(chosen, {date->year, date->month, date->day});
        if (!found) return DALCAL_E_INTERNAL;  // within the almanac's days: it has one
        const bool uncertain = IsUncertainLunarMonth(chosen, found->year, found->month, found->leap);
        *lunar = {found->year, found->month, found->day, found->leap ? 1 : 0, uncertain ? 1 : 0};
        return DALCAL_OK;
    });
}

dalcal_status dalcal_to_solar(int32_t almanac, const dalcal_lunar_date* lunar, dalcal_date* date, dalcal_error* error)
{
    if (date == nullptr || lunar == nullptr) {
        Explain(error, "a null pointer");
        return DALCAL_E_ARGUMENT;
    }
    return Guarded(error, DALCAL_E_NO_DATE, [&] {
        Almanac chosen{};
        if (!AlmanacOf(almanac, chosen, error)) return DALCAL_E_ARGUMENT;
        const LunarDateLookup found = FindLunarDate(chosen, lunar->year, lunar->month, lunar->day, lunar->leap != 0);
        if (found.lack != LunarDateLack::None) {
            try {  // the almanac's own refusal says why
                (void)LunarToSolar(chosen, lunar->year, lunar->month, lunar->day, lunar->leap != 0);
            } catch (const EConvertError& refusal) {
                Explain(error, refusal.what());
            }
            return found.lack == LunarDateLack::Year ? DALCAL_E_RANGE : DALCAL_E_NO_DATE;
        }
        *date = {found.date.year, found.date.month, found.date.day};
        return DALCAL_OK;
    });
}

dalcal_status dalcal_day_stem_branch(const dalcal_date* date, dalcal_stem_branch* out, dalcal_error* error)
{
    if (date == nullptr || out == nullptr) {
        Explain(error, "a null pointer");
        return DALCAL_E_ARGUMENT;
    }
    return Guarded(error, DALCAL_E_NO_DATE, [&] {
        if (const dalcal_status status = CheckedDate(*date, error); status != DALCAL_OK) return status;
        Fill(DayStemBranch({date->year, date->month, date->day}), *out);
        return DALCAL_OK;
    });
}

dalcal_status dalcal_lunar_year_stem_branch(int32_t lunar_year, dalcal_stem_branch* out, dalcal_error* error)
{
    if (out == nullptr) {
        Explain(error, "a null pointer");
        return DALCAL_E_ARGUMENT;
    }
    return Guarded(error, DALCAL_E_RANGE, [&] {
        if (lunar_year < kFirstYear || lunar_year > kLastYear) {
            Explain(error, "lunar year " + std::to_string(lunar_year) + ": not within 1-9999");
            return DALCAL_E_RANGE;
        }
        Fill(GetLunarYearStemBranch(lunar_year), *out);
        return DALCAL_OK;
    });
}

dalcal_status dalcal_lunar_month_stem_branch(int32_t lunar_year, int32_t lunar_month, dalcal_stem_branch* out,
                                             dalcal_error* error)
{
    if (out == nullptr) {
        Explain(error, "a null pointer");
        return DALCAL_E_ARGUMENT;
    }
    return Guarded(error, DALCAL_E_RANGE, [&] {
        if (lunar_year < kFirstYear || lunar_year > kLastYear || lunar_month < 1 || lunar_month > kMonthsInYear) {
            Explain(error, "lunar year " + std::to_string(lunar_year) + ", month " + std::to_string(lunar_month) +
                               ": not within 1-9999 and 1-12");
            return DALCAL_E_RANGE;
        }
        Fill(GetLunarMonthStemBranch(lunar_year, lunar_month), *out);
        return DALCAL_OK;
    });
}

}  // extern "C"
