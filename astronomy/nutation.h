#pragma once

// The nutation in longitude (Delta psi) in degrees at a moment in TT, from the
// 63 periodic terms of the IAU 1980 theory (Meeus, Astronomical Algorithms,
// ch. 22); within 0.001 arcsecond of the full theory's terms.
double NutationInLongitudeDeg(double jdeTT);
