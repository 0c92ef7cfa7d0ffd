// What a run of dalcal-print takes from its surroundings besides its
// arguments: the width it lays out for, SOURCE_DATE_EPOCH.
#include "print_request/surroundings.h"

#include <gtest/gtest.h>

namespace {

// The width the month is laid out for: the terminal's, else COLUMNS.
TEST(Surroundings, Width)
{
    const struct {
        bool terminal;
        std::int32_t width;
        const char* columns;
        std::int32_t expected;
    } cases[] = {
        {true, 60, "200", 60},    // the terminal's own width first
        {true, 0, "60", 60},      // a terminal that does not say
        {false, 60, "100", 100},  // a pipe: COLUMNS
        {false, 0, nullptr, 0},   {false, 0, "", 0},      {false, 0, "abc", 0},
        {false, 0, "-5", 0},      {false, 0, "99999", 0},  // more than four digits: none
        {false, 0, "9999", 9999},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TerminalColumns(c.terminal, c.width, c.columns), c.expected) << (c.columns ? c.columns : "-");
    }
}

// SOURCE_DATE_EPOCH as reproducible builds use it: decimal seconds since
// 1970, anything else refused; and the PDF's date made of it.
TEST(Surroundings, SourceDateEpoch)
{
    const struct {
        const char* text;
        std::optional<std::int64_t> seconds;
        const char* moment;
    } cases[] = {
        {"0", 0, "1970-01-01T00:00:00"},
        {"1700000000", 1700000000, "2023-11-14T22:13:20"},
        {"951782399", 951782399, "2000-02-28T23:59:59"},
        {"951782400", 951782400, "2000-02-29T00:00:00"},
        {"253402300799", 253402300799, "9999-12-31T23:59:59"},
        {"253402300800", std::nullopt, nullptr},  // past 9999
        {"", std::nullopt, nullptr},
        {"abc", std::nullopt, nullptr},
        {"-1", std::nullopt, nullptr},
        {"1e9", std::nullopt, nullptr},
        {" 1", std::nullopt, nullptr},
        {"9999999999999", std::nullopt, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseSourceDateEpoch(c.text), c.seconds) << c.text;
        if (c.seconds) {
            EXPECT_EQ(UtcMoment(*c.seconds), c.moment) << c.text;
        }
    }
}

}  // namespace
