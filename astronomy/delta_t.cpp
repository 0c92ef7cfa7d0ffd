#include "astronomy/delta_t.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "astronomy/delta_t_observed.h"
#include "astronomy/julian_day.h"

namespace {

// One piece of the Espenak-Meeus fit: for decimal years in [fromYear,
// toYear), Delta T = sum of coefficient[i] * ((y - originYear) / scaleYears)^i
// seconds. Coefficients as published (Five Millennium Canon, section 2.6).
struct DeltaTPiece {
    double fromYear;
    double toYear;
    double originYear;
    double scaleYears;
    std::array<double, 8> coefficientSec;
};

constexpr std::array<DeltaTPiece, 14> kPieces = {{
    {-500, 500, 0, 100, {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521, 0}},
    {500, 1600, 1000, 100, {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073, 0}},
    {1600, 1700, 1600, 1, {120, -0.9808, -0.01532, 1.0 / 7129, 0, 0, 0, 0}},
    {1700, 1800, 1700, 1, {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000, 0, 0, 0}},
    {1800,
     1860,
     1800,
     1,
     {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875}},
    {1860, 1900, 1860, 1, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174, 0, 0}},
    {1900, 1920, 1900, 1, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197, 0, 0, 0}},
    {1920, 1941, 1920, 1, {21.20, 0.84493, -0.076100, 0.0020936, 0, 0, 0, 0}},
    {1941, 1961, 1950, 1, {29.07, 0.407, -1.0 / 233, 1.0 / 2547, 0, 0, 0, 0}},
    {1961, 1986, 1975, 1, {45.45, 1.067, -1.0 / 260, -1.0 / 718, 0, 0, 0, 0}},
    {1986, 2005, 2000, 1, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599, 0, 0}},
    {2005, 2050, 2000, 1, {62.92, 0.32217, 0.005589, 0, 0, 0, 0, 0}},
    // 2050-2150: -20 + 32 u^2 - 0.5628 (2150 - y) with u = (y - 1820) / 100,
    // expanded about 1820 in centuries: -20 - 0.5628 * 330 + 56.28 u + 32 u^2.
    {2050, 2150, 1820, 100, {-20 - 0.5628 * 330, 56.28, 32, 0, 0, 0, 0, 0}},
    {2150, 1e9, 1820, 100, {-20, 0, 32, 0, 0, 0, 0, 0}},
}};

// Before -500: the long-term parabola.
double LongTermParabolaSec(double decimalYear)
{
    const double u = (decimalYear - 1820) / 100;  // centuries from 1820
    return -20 + 32 * u * u;
}

double Evaluate(const DeltaTPiece& piece, double decimalYear)
{
    const double t = (decimalYear - piece.originYear) / piece.scaleYears;
    double sum = 0;
    for (std::size_t i = piece.coefficientSec.size(); i-- > 0;) sum = sum * t + piece.coefficientSec[i];
    return sum;
}

// The slope of a piece in seconds per year.
double EvaluateSlope(const DeltaTPiece& piece, double decimalYear)
{
    const double t = (decimalYear - piece.originYear) / piece.scaleYears;
    double sum = 0;
    for (std::size_t i = piece.coefficientSec.size(); i-- > 1;) sum = sum * t + piece.coefficientSec[i] * double(i);
    return sum / piece.scaleYears;
}

double ModelSeconds(double decimalYear)
{
    for (const DeltaTPiece& piece : kPieces) {
        if (decimalYear >= piece.fromYear && decimalYear < piece.toYear) return Evaluate(piece, decimalYear);
    }
    return LongTermParabolaSec(decimalYear);  // before -500, or not a number
}

constexpr const DeltaTObservation& kFirstObserved = kDeltaTObserved.front();
constexpr const DeltaTObservation& kLastObserved = kDeltaTObserved.back();
constexpr std::size_t kMonthsOfRecentSlope = 36;  // the monthly table is far longer
static_assert(kDeltaTObserved.size() > kMonthsOfRecentSlope);

// Between two observations, linearly.
double ObservedSeconds(double decimalYear)
{
    const auto* const after =
        std::upper_bound(kDeltaTObserved.begin(), kDeltaTObserved.end(), decimalYear,
                         [](double year, const DeltaTObservation& o) { return year < o.decimalYear; });
    if (after == kDeltaTObserved.begin()) return kFirstObserved.seconds;
    if (after == kDeltaTObserved.end()) return kLastObserved.seconds;
    const DeltaTObservation& before = *(after - 1);
    const double fraction = (decimalYear - before.decimalYear) / (after->decimalYear - before.decimalYear);
    return before.seconds + fraction * (after->seconds - before.seconds);
}

// From the last observation to the long-term model at kJoinYear: a cubic
// Hermite curve, so that neither the value nor the slope jumps at either end.
constexpr double kJoinYear = 2050;
constexpr const DeltaTPiece& kLongTermPiece = kPieces[12];  // 2050-2150
static_assert(kLongTermPiece.fromYear == kJoinYear);

double JoinedSeconds(double decimalYear)
{
    const DeltaTObservation& yearsBefore = kDeltaTObserved[kDeltaTObserved.size() - 1 - kMonthsOfRecentSlope];
    const double spanYears = kJoinYear - kLastObserved.decimalYear;
    const double startSlope =
        (kLastObserved.seconds - yearsBefore.seconds) / (kLastObserved.decimalYear - yearsBefore.decimalYear);
    const double endSlope = EvaluateSlope(kLongTermPiece, kJoinYear);
    const double h = (decimalYear - kLastObserved.decimalYear) / spanYears;  // [0, 1]
    const double h2 = h * h;
    const double h3 = h2 * h;
    return (2 * h3 - 3 * h2 + 1) * kLastObserved.seconds + (h3 - 2 * h2 + h) * spanYears * startSlope +
           (-2 * h3 + 3 * h2) * Evaluate(kLongTermPiece, kJoinYear) + (h3 - h2) * spanYears * endSlope;
}

}  // namespace

double DeltaTSeconds(double decimalYear)
{
    if (decimalYear >= kFirstObserved.decimalYear && decimalYear <= kLastObserved.decimalYear) {
        return ObservedSeconds(decimalYear);
    }
    if (decimalYear > kLastObserved.decimalYear && decimalYear < kJoinYear) return JoinedSeconds(decimalYear);
    return ModelSeconds(decimalYear);
}

double JdeTTFromJdUT(double jdUT)
{
    return jdUT + DeltaTSeconds(DecimalYear(jdUT)) / kSecondsPerDay;
}

double JdUTFromJdeTT(double jdeTT)
{
    // Delta T changes by well under a second a day, so one correction of the
    // first guess is exact to far below a millisecond.
    const double guessJdUT = jdeTT - DeltaTSeconds(DecimalYear(jdeTT)) / kSecondsPerDay;
    return jdeTT - DeltaTSeconds(DecimalYear(guessJdUT)) / kSecondsPerDay;
}
