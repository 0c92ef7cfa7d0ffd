#include "astronomy/new_moon.h"

#include <cmath>

#include "astronomy/angles.h"
#include "astronomy/new_moon_terms.h"

namespace {

constexpr double kMeanLunationDays = 29.530588861;
constexpr double kNewMoonZeroJdeTT = 2451550.09766;  // mean new moon k = 0, 2000-01-06
constexpr double kLunationsPerCentury = 1236.85;

double Power(double base, int exponent)  // exponent in 0..2
{
    return exponent == 0 ? 1.0 : exponent == 1 ? base : base * base;
}

}  // namespace

double NewMoonJdeTT(std::int32_t k)
{
    const double lunations = k;
    const double t = lunations / kLunationsPerCentury;  // Julian centuries from J2000.0, nearly
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;

    const double meanJdeTT =
        kNewMoonZeroJdeTT + kMeanLunationDays * lunations + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const double mDeg = 2.5534 + 29.10535670 * lunations - 0.0000014 * t2 - 0.00000011 * t3;
    const double mPrimeDeg = 201.5643 + 385.81693528 * lunations + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4;
    const double fDeg = 160.7108 + 390.67050284 * lunations - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
    const double omegaDeg = 124.7746 - 1.56375588 * lunations + 0.0020672 * t2 + 0.00000215 * t3;

    double correctionDays = 0;
    for (const NewMoonTerm& term : kNewMoonTerms) {
        const double argumentDeg = term.m * mDeg + term.mPrime * mPrimeDeg + term.f * fDeg + term.omega * omegaDeg;
        correctionDays += term.coefficientDays * Power(e, term.ePower) * std::sin(DegToRad(argumentDeg));
    }
    for (const PlanetaryArgument& argument : kPlanetaryArguments) {
        const double argumentDeg =
            argument.baseDeg + argument.perLunationDeg * lunations + argument.perCenturySquaredDeg * t2;
        correctionDays += argument.coefficientDays * std::sin(DegToRad(argumentDeg));
    }
    return meanJdeTT + correctionDays;
}

std::int32_t NewMoonNumberAtOrBefore(double jdeTT)
{
    // The mean lunation finds k within one; the true moments settle it.
    // Kept within a million lunations (80,000 years) of 2000, which also
    // turns a NaN into a number.
    constexpr double kLimit = 1e6;
    const double lunations = (jdeTT - kNewMoonZeroJdeTT) / kMeanLunationDays;
    const double bounded = lunations > -kLimit ? (lunations < kLimit ? lunations : kLimit) : -kLimit;
    auto k = static_cast<std::int32_t>(std::floor(bounded));
    while (NewMoonJdeTT(k) > jdeTT) --k;
    while (NewMoonJdeTT(k + 1) <= jdeTT) ++k;
    return k;
}
