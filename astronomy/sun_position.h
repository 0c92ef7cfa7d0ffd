#pragma once

// The Sun's apparent geocentric longitude in degrees, [0, 360), referred to
// the true equinox of date, at a moment in TT: VSOP87D for the Earth as
// truncated in Meeus, Astronomical Algorithms, Appendix III, turned
// geocentric, converted to the FK5 system, with nutation in longitude and
// aberration (Meeus, ch. 25, "higher accuracy"). Within about a second of arc
// (a few tens of seconds of time) of a full ephemeris over 1900-2100.
double SunApparentLongitudeDeg(double jdeTT);

// The same within 0.01 degree, from a few sines: Meeus, ch. 25, "low accuracy".
double SunApproximateLongitudeDeg(double jdeTT);

// The moment (TT) when the Sun's apparent longitude reaches longitudeDeg,
// the one nearest to nearJdeTT (which must lie within about 150 days of it).
double SunLongitudeMomentJdeTT(double longitudeDeg, double nearJdeTT);
