#include "astronomy/nutation.h"

#include <cmath>

#include "astronomy/angles.h"
#include "astronomy/julian_day.h"
#include "astronomy/nutation_terms.h"

double NutationInLongitudeDeg(double jdeTT)
{
    const double t = JulianCenturiesTT(jdeTT);
    // Fundamental arguments in degrees (Meeus, Astronomical Algorithms, ch. 22).
    const double dDeg = 297.85036 + 445267.111480 * t - 0.0019142 * t * t + t * t * t / 189474;
    const double mDeg = 357.52772 + 35999.050340 * t - 0.0001603 * t * t - t * t * t / 300000;
    const double mPrimeDeg = 134.96298 + 477198.867398 * t + 0.0086972 * t * t + t * t * t / 56250;
    const double fDeg = 93.27191 + 483202.017538 * t - 0.0036825 * t * t + t * t * t / 327270;
    const double omegaDeg = 125.04452 - 1934.136261 * t + 0.0020708 * t * t + t * t * t / 450000;

    double psiTenThousandthsArcsec = 0;
    for (const NutationTerm& term : kNutationTerms) {
        const double argumentDeg =
            term.d * dDeg + term.m * mDeg + term.mPrime * mPrimeDeg + term.f * fDeg + term.omega * omegaDeg;
        psiTenThousandthsArcsec += (term.psiSin + term.psiSinPerCentury * t) * std::sin(DegToRad(argumentDeg));
    }
    return psiTenThousandthsArcsec / 10000.0 / kArcsecPerDeg;
}
