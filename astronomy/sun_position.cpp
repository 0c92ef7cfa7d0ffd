#include "astronomy/sun_position.h"

#include <cmath>
#include <span>

#include "astronomy/angles.h"
#include "astronomy/julian_day.h"
#include "astronomy/nutation.h"
#include "astronomy/vsop87_earth_terms.h"

namespace {

constexpr double kDaysPerJulianMillennium = 365250.0;
constexpr double kTropicalYearDays = 365.242189;
constexpr double kAberrationConstantArcsec = 20.4898;  // per astronomical unit of distance
constexpr double kFrameBiasInLongitudeArcsec = -0.041775;
constexpr double kPrecessionRateCorrectionArcsecPerCentury = -0.29965;

double SumSeries(std::span<const Vsop87Term> terms, double tau)
{
    double sum = 0;
    for (const Vsop87Term& term : terms) sum += term.amplitude * std::cos(term.phaseRad + term.frequencyRad * tau);
    return sum;
}

// sum over n of series[n] * tau^n.
template <typename... Series>
double Polynomial(double tau, const Series&... series)
{
    double result = 0;
    double power = 1;
    ((result += SumSeries(series, tau) * power, power *= tau), ...);
    return result;
}

struct HeliocentricEarth {
    double longitudeRad;
    double latitudeRad;
    double distanceAu;
};

HeliocentricEarth EarthFromVsop87(double jdeTT)
{
    const double tau = (jdeTT - kJ2000JdeTT) / kDaysPerJulianMillennium;  // Julian millennia of TT
    return {Polynomial(tau, kEarthL0, kEarthL1, kEarthL2, kEarthL3, kEarthL4, kEarthL5),
            Polynomial(tau, kEarthB0, kEarthB1, kEarthB2, kEarthB3, kEarthB4),
            Polynomial(tau, kEarthR0, kEarthR1, kEarthR2, kEarthR3, kEarthR4, kEarthR5)};
}

}  // namespace

double SunApparentLongitudeDeg(double jdeTT)
{
    const HeliocentricEarth earth = EarthFromVsop87(jdeTT);
    const double t = JulianCenturiesTT(jdeTT);
    // Geocentric: the Sun is seen opposite the Earth.
    const double geometricDeg = NormalizeDeg(earth.longitudeRad * kDegPerRad + 180.0);
    const double latitudeDeg = -earth.latitudeRad * kDegPerRad;
    // The equinox as modern (IAU 2006/2000A) ephemerides place it: VSOP87D's
    // equinox of date follows the precession of IAU 1976, whose rate in
    // longitude IAU 2000 corrected by -0.29965" a century (Capitaine et al.
    // 2003), and the ICRS pole lies -0.041775" from it in longitude (the frame
    // bias, IERS Conventions 2010, 5.4.4). These take the place of the
    // constant of Meeus's conversion to FK5 (-0.09033", eq. 32.3), whose
    // latitude term stays. KASI's published moments of 2024-2027 lie 0.2 to 2
    // seconds after those of the FK5 constant, and match these.
    const double primeRad = DegToRad(geometricDeg - 1.397 * t - 0.00031 * t * t);
    const double equinoxArcsec = kFrameBiasInLongitudeArcsec + kPrecessionRateCorrectionArcsecPerCentury * t +
                                 0.03916 * (std::cos(primeRad) + std::sin(primeRad)) * std::tan(DegToRad(latitudeDeg));
    const double aberrationArcsec = -kAberrationConstantArcsec / earth.distanceAu;
    return NormalizeDeg(geometricDeg + (equinoxArcsec + aberrationArcsec) / kArcsecPerDeg +
                        NutationInLongitudeDeg(jdeTT));
}

double SunApproximateLongitudeDeg(double jdeTT)
{
    // Meeus, Astronomical Algorithms, ch. 25, "low accuracy": within 0.01 degree.
    const double t = JulianCenturiesTT(jdeTT);
    const double meanLongitudeDeg = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double meanAnomalyRad = DegToRad(357.52911 + 35999.05029 * t - 0.0001537 * t * t);
    const double centerDeg = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(meanAnomalyRad) +
                             (0.019993 - 0.000101 * t) * std::sin(2 * meanAnomalyRad) +
                             0.000289 * std::sin(3 * meanAnomalyRad);
    const double omegaRad = DegToRad(125.04 - 1934.136 * t);
    return NormalizeDeg(meanLongitudeDeg + centerDeg - 0.00569 - 0.00478 * std::sin(omegaRad));
}

double SunLongitudeMomentJdeTT(double longitudeDeg, double nearJdeTT)
{
    // First the moment by the low-accuracy Sun (cheap: a few sines), Newton's
    // method with the mean motion; it lies within about 15 minutes.
    constexpr double kMeanDegPerDay = 360.0 / kTropicalYearDays;
    double jdeTT = nearJdeTT;
    for (int step = 0; step < 30; ++step) {
        const double correctionDays = DifferenceDeg(longitudeDeg, SunApproximateLongitudeDeg(jdeTT)) / kMeanDegPerDay;
        jdeTT += correctionDays;
        if (std::fabs(correctionDays) < 1e-6) break;
    }
    // Then the full model, with the Sun's true rate there: each step leaves
    // about a thousandth of the error before it, so a step under 1e-4 day
    // (9 s) leaves well under a millisecond.
    const double degPerDay =
        DifferenceDeg(SunApproximateLongitudeDeg(jdeTT + 0.5), SunApproximateLongitudeDeg(jdeTT - 0.5));
    for (int step = 0; step < 10; ++step) {
        const double correctionDays = DifferenceDeg(longitudeDeg, SunApparentLongitudeDeg(jdeTT)) / degPerDay;
        jdeTT += correctionDays;
        if (std::fabs(correctionDays) < 1e-4) break;
    }
    return jdeTT;
}
