// Known answers for the astronomy under Korea's computed calendar, each with
// its tolerance, so that a failure says how far off it is.
#include <cmath>

#include <gtest/gtest.h>

#include "astronomy/delta_t.h"
#include "astronomy/julian_day.h"
#include "astronomy/new_moon.h"
#include "astronomy/sun_position.h"
#include "runtime/civil_date.h"

namespace {

constexpr double kSecond = 1.0 / kSecondsPerDay;  // in days

// Meeus, Astronomical Algorithms, example 49.a: the new moon of 1977 February.
TEST(Astronomy, NewMoonOfMeeusExample)
{
    EXPECT_NEAR(NewMoonJdeTT(-283), 2443192.65118, 1 * kSecond);
    EXPECT_EQ(NewMoonNumberAtOrBefore(2443192.66), -283);
    EXPECT_EQ(NewMoonNumberAtOrBefore(2443192.64), -284);
}

// Meeus, example 25.b: the Sun on 1992 October 13.0 TD, apparent longitude
// 199 deg 54' 21.548" from the full VSOP87 with the FK5 constant (as PyMeeus
// recomputes it; the book prints 21.818"), moved by the difference of the
// IAU 2006 equinox from that constant: -0.041775" - 0.29965" T + 0.09033",
// T = -0.0721834 centuries.
TEST(Astronomy, SunOfMeeusExample)
{
    const double t = -0.0721834;
    const double expectedArcsec = 21.548 - 0.041775 - 0.29965 * t + 0.09033;
    const double expectedDeg = 199.0 + 54.0 / 60 + expectedArcsec / 3600;
    EXPECT_NEAR(SunApparentLongitudeDeg(2448908.5), expectedDeg, 0.01 / 3600);
}

struct Moment {
    double longitudeDeg;
    std::int32_t year, month, day, hourUT, minuteUT;
};

// Equinoxes and solstices as the US Naval Observatory publishes them: the
// minute (UT) the moment falls in.
const Moment kSeasons[] = {
    {270, 2024, 12, 21, 9, 20},
    {0, 2025, 3, 20, 9, 1},
    {90, 2025, 6, 21, 2, 42},
    {180, 2025, 9, 22, 18, 19},
};

TEST(Astronomy, SeasonsWithinAMinuteOfPublished)
{
    for (const Moment& season : kSeasons) {
        const double publishedJdUT = JdUTOfDayCount(DayCountOf(season.year, season.month, season.day)) +
                                     (season.hourUT * 60 + season.minuteUT) / 1440.0;
        const double jdUT = JdUTFromJdeTT(SunLongitudeMomentJdeTT(season.longitudeDeg, publishedJdUT + 3));
        EXPECT_NEAR(jdUT, publishedJdUT + 30 * kSecond, 30 * kSecond) << season.longitudeDeg << " deg";
    }
}

// Delta T as observed (IERS and USNO: 2000-01-01 63.83 s, 2020-01-01
// 69.36 s), the long-term model's constant term, every join without a jump
// (the model's own pieces jump by up to a quarter second), and the cubic
// meeting the long-term model at 2050 without a kink.
TEST(Astronomy, DeltaTKnownValuesAndJoins)
{
    EXPECT_NEAR(DeltaTSeconds(DecimalYear(JdUTOfDayCount(DayCountOf(2000, 1, 1)))), 63.83, 0.01);
    EXPECT_NEAR(DeltaTSeconds(DecimalYear(JdUTOfDayCount(DayCountOf(2020, 1, 1)))), 69.36, 0.01);
    EXPECT_NEAR(DeltaTSeconds(1800), 13.72, 0.01);
    EXPECT_NEAR(DeltaTSeconds(2050), 93.0, 0.1);
    EXPECT_NEAR(DeltaTSeconds(2026.9), 69.2, 0.1);  // near the last observed, not the 2005-2050 polynomial's 75
    const double lastObservedYear = DecimalYear(JdUTOfDayCount(DayCountOf(2026, 10, 1)));
    for (const double joinYear : {500.0, 1600.0, 1700.0, 1800.0, 1860.0, 1900.0, lastObservedYear, 2050.0, 2150.0}) {
        EXPECT_NEAR(DeltaTSeconds(joinYear - 1e-6), DeltaTSeconds(joinYear), 0.3) << joinYear;
    }
    const double slopeBefore = (DeltaTSeconds(2050) - DeltaTSeconds(2049.9)) / 0.1;  // s per year
    const double slopeAfter = (DeltaTSeconds(2050.1) - DeltaTSeconds(2050)) / 0.1;
    EXPECT_NEAR(slopeBefore, slopeAfter, 0.01);
    const double jdeTT = 2460000.5;
    EXPECT_NEAR(JdeTTFromJdUT(JdUTFromJdeTT(jdeTT)), jdeTT, 0.001 * kSecond);
}

}  // namespace
