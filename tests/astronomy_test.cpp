// Known answers for the astronomy under Korea's computed calendar, each with
// its tolerance, so that a failure says how far off it is.
#include <cmath>

#include <gtest/gtest.h>

#include "civil_date.h"
#include "delta_t.h"
#include "julian_day.h"
#include "new_moon.h"
#include "sun_position.h"

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
// 199 deg 54' 21.818" (from the full VSOP87; the truncation adds under 0.1").
TEST(Astronomy, SunOfMeeusExample)
{
    const double expectedDeg = 199.0 + 54.0 / 60 + 21.818 / 3600;
    EXPECT_NEAR(SunApparentLongitudeDeg(2448908.5), expectedDeg, 0.1 / 3600);
}

struct Moment {
    double longitudeDeg;
    std::int32_t year, month, day, hourUT, minuteUT;
};

// Equinoxes and solstices as the US Naval Observatory publishes them (UT, to the minute).
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
        EXPECT_NEAR(jdUT, publishedJdUT + 30 * kSecond, 60 * kSecond) << season.longitudeDeg << " deg";
    }
}

// Delta T at the epochs of the polynomials (their constant terms) and the
// pieces meeting without a jump of more than a second.
TEST(Astronomy, DeltaTKnownValuesAndJoins)
{
    EXPECT_NEAR(DeltaTSeconds(1900), -2.79, 0.01);
    EXPECT_NEAR(DeltaTSeconds(1950), 29.07, 0.01);
    EXPECT_NEAR(DeltaTSeconds(1975), 45.45, 0.01);
    EXPECT_NEAR(DeltaTSeconds(2000), 63.86, 0.01);
    EXPECT_NEAR(DeltaTSeconds(2050), 93.0, 0.1);
    for (const double joinYear :
         {500.0, 1600.0, 1700.0, 1800.0, 1860.0, 1900.0, 1920.0, 1941.0, 1961.0, 1986.0, 2005.0, 2050.0, 2150.0}) {
        EXPECT_NEAR(DeltaTSeconds(joinYear - 1e-6), DeltaTSeconds(joinYear), 1.0) << joinYear;
    }
    const double jdeTT = 2460000.5;
    EXPECT_NEAR(JdeTTFromJdUT(JdUTFromJdeTT(jdeTT)), jdeTT, 0.001 * kSecond);
}

}  // namespace
