#pragma once

// Delta T = TT - UT in seconds for a decimal year (2026.5 is mid-2026), from
// the polynomials of F. Espenak and J. Meeus, Five Millennium Canon of Solar
// Eclipses: -1999 to +3000 (NASA/TP-2006-214141), section 2.6. Past years are
// fits to observation; years after 2005 are extrapolations, and after 2050 the
// true value is not known (the uncertainty reaches about a minute by 2100).
double DeltaTSeconds(double decimalYear);

// jdeTT for a jdUT, and back (the second solves jdUT + DeltaT(jdUT) = jdeTT).
double JdeTTFromJdUT(double jdUT);
double JdUTFromJdeTT(double jdeTT);
