#include "sun_position.h"

#include <cmath>
#include <span>

#include "angles.h"
#include "julian_day.h"
#include "nutation.h"
#include "vsop87_earth_terms.h"

namespace {

constexpr double kDaysPerJulianMillennium = 365250.0;
constexpr double kTropicalYearDays = 365.242189;
constexpr double kAberrationConstantArcsec = 20.4898;  // per astronomical unit of distance

double SumSeries(std::span<const Vsop87Term> terms, double tau)
{
    double sum = 0;
    for (const Vsop87Term& term : terms) sum += term.amplitude * std::cos(term.phaseRad + term.frequencyRad * tau);
    return sum;
}

// sum over n of series[n] * tau^n, scaled from 1e-8 units.
template <typename... Series>
double Polynomial(double tau, const Series&... series)
{
    double result = 0;
    double power = 1;
    ((result += SumSeries(series, tau) * power, power *= tau), ...);
    return result * 1e-8;
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
            Polynomial(tau, kEarthB0, kEarthB1), Polynomial(tau, kEarthR0, kEarthR1, kEarthR2, kEarthR3, kEarthR4)};
}

}  // namespace

double SunApparentLongitudeDeg(double jdeTT)
{
    const HeliocentricEarth earth = EarthFromVsop87(jdeTT);
    const double t = JulianCenturiesTT(jdeTT);
    // Geocentric: the Sun is seen opposite the Earth.
    const double geometricDeg = NormalizeDeg(earth.longitudeRad * kDegPerRad + 180.0);
    const double latitudeDeg = -earth.latitudeRad * kDegPerRad;
    // To the FK5 system (Meeus, eq. 32.3).
    const double primeRad = DegToRad(geometricDeg - 1.397 * t - 0.00031 * t * t);
    const double fk5Arcsec =
        -0.09033 + 0.03916 * (std::cos(primeRad) + std::sin(primeRad)) * std::tan(DegToRad(latitudeDeg));
    const double aberrationArcsec = -kAberrationConstantArcsec / earth.distanceAu;
    return NormalizeDeg(geometricDeg + (fk5Arcsec + aberrationArcsec) / kArcsecPerDeg + NutationInLongitudeDeg(jdeTT));
}

double SunLongitudeMomentJdeTT(double longitudeDeg, double nearJdeTT)
{
    // Newton's method with the mean motion as the derivative; the Sun's true
    // motion differs from it by under 4%, so each step gains over a decimal digit.
    double jdeTT = nearJdeTT;
    for (int step = 0; step < 20; ++step) {
        const double correctionDays =
            DifferenceDeg(longitudeDeg, SunApparentLongitudeDeg(jdeTT)) * kTropicalYearDays / 360.0;
        jdeTT += correctionDays;
        if (std::fabs(correctionDays) < 1e-7) break;  // 0.01 s
    }
    return jdeTT;
}
