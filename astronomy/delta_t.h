#pragma once

// Delta T = TT - UT in seconds for a decimal year (2026.5 is mid-2026):
// - from 1900 to the last month observed (2026-10): the observed values
//   (delta_t_observed.h), interpolated linearly between months;
// - from there to 2050: a cubic that leaves the observations at their
//   slope over the last three years and meets the long-term model at 2050
//   with its value and slope;
// - before 1900 and from 2050 on: the polynomials of F. Espenak and J. Meeus,
//   Five Millennium Canon of Solar Eclipses: -1999 to +3000
//   (NASA/TP-2006-214141), section 2.6. After the observations the true value
//   is not known: its uncertainty grows to some seconds by 2030 and about a
//   minute by 2100.
double DeltaTSeconds(double decimalYear);

// jdeTT for a jdUT, and back (the second solves jdUT + DeltaT(jdUT) = jdeTT).
double JdeTTFromJdUT(double jdUT);
double JdUTFromJdeTT(double jdeTT);
