#include "engine/towang_yongsa.h"

#include <iterator>

#include "engine/solar_terms.h"

namespace {

// Every 토왕용사 of 1900-2100, computed by the build (make_computed_tables):
// {day count, minute of the day, uncertain}.
struct TowangEntry {
    std::int32_t dayCount;
    std::int16_t minuteOfDay;
    bool uncertainDay;
};
constexpr TowangEntry kTowang[] = {
#include "computed_towang.inc"
};
static_assert(std::size(kTowang) == std::size_t{kTowangInYear} * (kLastSolarTermYear - kFirstSolarTermYear + 1));

}  // namespace

bool GetTowangYongsa(std::int32_t year, std::array<TowangYongsa, kTowangInYear>& moments)
{
    if (year < kFirstSolarTermYear || year > kLastSolarTermYear) return false;
    for (std::int32_t season = 0; season < kTowangInYear; ++season) {
        const TowangEntry& entry =
            kTowang[static_cast<std::size_t>((year - kFirstSolarTermYear) * kTowangInYear + season)];
        moments[static_cast<std::size_t>(season)] = {season, DateOfDayCount(entry.dayCount), entry.minuteOfDay,
                                                     entry.uncertainDay};
    }
    return true;
}
