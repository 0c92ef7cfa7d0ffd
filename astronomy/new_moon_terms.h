#pragma once

#include <array>
#include <cstdint>

// Corrections of the mean new moon, from J. Meeus, Astronomical Algorithms,
// 2nd ed. (1998), ch. 49, in his order.
//
// A periodic term adds coefficientDays * E^ePower * sin(m M + mPrime M' + f F
// + omega Omega), where M is the Sun's mean anomaly, M' the Moon's, F the
// Moon's argument of latitude, Omega the longitude of its ascending node and
// E the eccentricity factor of the Earth's orbit.
struct NewMoonTerm {
    double coefficientDays;
    std::int8_t ePower;
    std::int8_t m, mPrime, f, omega;
};

inline constexpr std::array<NewMoonTerm, 25> kNewMoonTerms = {{
    {-0.40720, 0, 0, 1, 0, 0}, {0.17241, 1, 1, 0, 0, 0},   {0.01608, 0, 0, 2, 0, 0},    {0.01039, 0, 0, 0, 2, 0},
    {0.00739, 1, -1, 1, 0, 0}, {-0.00514, 1, 1, 1, 0, 0},  {0.00208, 2, 2, 0, 0, 0},    {-0.00111, 0, 0, 1, -2, 0},
    {-0.00057, 0, 0, 1, 2, 0}, {0.00056, 1, 1, 2, 0, 0},   {-0.00042, 0, 0, 3, 0, 0},   {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0}, {-0.00024, 1, -1, 2, 0, 0}, {-0.00017, 0, 0, 0, 0, 1},   {-0.00007, 0, 2, 1, 0, 0},
    {0.00004, 0, 0, 2, -2, 0}, {0.00004, 0, 3, 0, 0, 0},   {0.00003, 0, 1, 1, -2, 0},   {0.00003, 0, 0, 2, 2, 0},
    {-0.00003, 0, 1, 1, 2, 0}, {0.00003, 0, -1, 1, 2, 0},  {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0},
}};

// The planetary arguments A1..A14: argument = baseDeg + perLunationDeg k
// (+ perCenturySquaredDeg T^2, for A1 only), and the correction
// coefficientDays * sin(argument), added at every phase.
struct PlanetaryArgument {
    double baseDeg;
    double perLunationDeg;
    double perCenturySquaredDeg;
    double coefficientDays;
};

inline constexpr std::array<PlanetaryArgument, 14> kPlanetaryArguments = {{
    {299.77, 0.107408, -0.009173, 0.000325},
    {251.88, 0.016321, 0, 0.000165},
    {251.83, 26.651886, 0, 0.000164},
    {349.42, 36.412478, 0, 0.000126},
    {84.66, 18.206239, 0, 0.000110},
    {141.74, 53.303771, 0, 0.000062},
    {207.14, 2.453732, 0, 0.000060},
    {154.84, 7.306860, 0, 0.000056},
    {34.52, 27.261239, 0, 0.000047},
    {207.19, 0.121824, 0, 0.000042},
    {291.34, 1.844379, 0, 0.000040},
    {161.72, 24.198154, 0, 0.000037},
    {239.56, 25.513099, 0, 0.000035},
    {331.55, 3.592518, 0, 0.000023},
}};
