#pragma once

#include <cmath>
#include <numbers>

inline constexpr double kDegPerRad = 180.0 / std::numbers::pi;
inline constexpr double kArcsecPerDeg = 3600.0;

inline double DegToRad(double deg)
{
    return deg / kDegPerRad;
}

// An angle in degrees brought into [0, 360).
inline double NormalizeDeg(double deg)
{
    const double reduced = std::fmod(deg, 360.0);  // (-360, 360)
    return reduced < 0 ? reduced + 360.0 : reduced;
}

// The signed difference a - b in degrees, brought into [-180, 180).
inline double DifferenceDeg(double aDeg, double bDeg)
{
    return NormalizeDeg(aDeg - bDeg + 180.0) - 180.0;
}
