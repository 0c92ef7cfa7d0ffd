#pragma once

// The Sun's apparent geocentric longitude in degrees, [0, 360), referred to
// the true equinox of date, at a moment in TT: the complete VSOP87D series
// of the Earth (2425 terms), turned geocentric, its equinox moved to where
// IAU 2006 places it (sun_position.cpp), with nutation in longitude and
// aberration (Meeus, Astronomical Algorithms, ch. 25, "higher accuracy"). Within a few hundredths of a second of arc of
// the full theory over 1900-2100, about a second of time; the whole series is
// evaluated only when the program is built.
double SunApparentLongitudeDeg(double jdeTT);

// The same within 0.01 degree, from a few sines: Meeus, ch. 25, "low accuracy".
double SunApproximateLongitudeDeg(double jdeTT);

// The moment (TT) when the Sun's apparent longitude reaches longitudeDeg,
// the one nearest to nearJdeTT (which must lie within about 150 days of it).
double SunLongitudeMomentJdeTT(double longitudeDeg, double nearJdeTT);
