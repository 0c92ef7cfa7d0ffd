// The values of dalcal-print's arguments, read as people type them.
#include "input/typed_numbers.h"

#include <gtest/gtest.h>

#include "runtime/exception.h"

namespace {

TEST(ArgumentValues, IsoDates)
{
    EXPECT_EQ(ParseIsoDate("2027-02-07"), (GregorianDate{2027, 2, 7}));
    EXPECT_EQ(ParseIsoDate("2024-2-29"), (GregorianDate{2024, 2, 29}));
    // Years as ISO 8601 writes them, and with fewer digits as people type them.
    EXPECT_EQ(ParseIsoDate("0001-01-01"), (GregorianDate{1, 1, 1}));
    EXPECT_EQ(ParseIsoDate("999-01-01"), (GregorianDate{999, 1, 1}));
    EXPECT_EQ(ParseIsoDate("0999-01-01"), (GregorianDate{999, 1, 1}));
    EXPECT_EQ(ParseIsoDate("1-1-1"), (GregorianDate{1, 1, 1}));
    EXPECT_EQ(ParseIsoDate("9999-12-31"), (GregorianDate{9999, 12, 31}));
    for (const char* refused : {"2026-02-30", "2026-13-01", "2026-00-10", "2026-02-07x", "0000-01-01", "0-01-01",
                                "10000-01-01", "2026-02-", "2026--07", "+2026-02-07", "2026-002-07", "2025-02-29"}) {
        EXPECT_THROW(ParseIsoDate(refused), EConvertError) << refused;
    }
}

// Every full-width digit and every dash people type, and one unit word after.
TEST(ArgumentValues, TypedNumbers)
{
    const struct {
        const char* typed;
        const char* read;
    } cases[] = {
        {"０１２３４５６７８９", "0123456789"},
        {"2027–2028", "2027-2028"},   // en dash
        {"2027—2028", "2027-2028"},   // em dash
        {"2027－2028", "2027-2028"},  // full-width hyphen-minus
        {"2027−2028", "2027-2028"},   // minus sign
        {"2027년", "2027"},
        {"２월", "2"},
        {"7일", "7"},
        {"년", "년"},      // a unit alone is no number
        {"7월일", "7월"},  // one unit only
    };
    for (const auto& c : cases) EXPECT_EQ(AsTypedNumber(c.typed), c.read) << c.typed;
}

// A number refused says whether it is no number or one out of range, signed or not.
TEST(ArgumentValues, NumbersRefusedInTheirWords)
{
    const struct {
        const char* typed;
        const char* said;
    } cases[] = {
        {"99999999999", "YEAR: \"99999999999\" is out of range"},
        {"-99999999999", "YEAR: \"-99999999999\" is out of range"},
        {"+99999999999", "YEAR: \"+99999999999\" is out of range"},
        {"-", "YEAR: \"-\" is not a number"},
        {"+", "YEAR: \"+\" is not a number"},
        {"12a", "YEAR: \"12a\" is not a number"},
        {"--5", "YEAR: \"--5\" is not a number"},
    };
    for (const auto& c : cases) {
        try {
            ParseNumber(kYearName, c.typed);
            ADD_FAILURE() << c.typed << " read";
        } catch (const TypedValueError& error) {
            EXPECT_EQ(error.Said()->English(), c.said);
        }
    }
}

TEST(ArgumentValues, YearSpans)
{
    const YearSpan one = ParseYearSpan("--holidays", "2026", true, 2014, 2100, "holidays");
    EXPECT_EQ(one.from, 2026);
    EXPECT_EQ(one.to, 2026);
    const YearSpan edges = ParseYearSpan("--holidays", "2014-2100", true, 2014, 2100, "holidays");
    EXPECT_EQ(edges.from, 2014);
    EXPECT_EQ(edges.to, 2100);
    for (const char* refused : {"2013-2020", "2020-2101", "2020-2019", "2013", "x-2020", "2020-"}) {
        EXPECT_THROW(ParseYearSpan("--holidays", refused, true, 2014, 2100, "holidays"), EConvertError) << refused;
    }
    EXPECT_THROW(ParseYearSpan("--years", "2026", false, 1391, 2100, "dates"), EConvertError);  // not a span
}

}  // namespace
