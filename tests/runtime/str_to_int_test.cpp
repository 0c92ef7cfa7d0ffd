#include <climits>

#include <gtest/gtest.h>

#include "runtime/exception.h"
#include "runtime/sysutils.h"

namespace {

struct Parsed {
    const char* text;
    std::int32_t value;
};

TEST(StrToInt, Accepts)
{
    const Parsed cases[] = {
        {"0", 0},
        {"7", 7},
        {"07", 7},
        {"2026", 2026},
        {"-5", -5},
        {"+12", 12},
        {" 42 ", 42},
        {"\t13\t", 13},
        {"-0", 0},
        {"000000000000000000001", 1},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
    };
    for (const Parsed& c : cases) EXPECT_EQ(Sysutils::StrToInt(AnsiString(c.text)), c.value) << c.text;
}

TEST(StrToInt, RefusesWithTheTextQuoted)
{
    const char* const cases[] = {"",
                                 " ",
                                 "x",
                                 "2026x",
                                 "1e3",
                                 "-",
                                 "+",
                                 "--5",
                                 "+-5",
                                 "5-",
                                 "1 2",
                                 "0x1F",
                                 "$1F",
                                 "1.0",
                                 "2147483648",
                                 "-2147483649",
                                 "99999999999999999999",
                                 "\xB0\xA1",
                                 "\xEF\xBC\x91"};  // a syllable; a full-width digit
    for (const char* text : cases) {
        try {
            Sysutils::StrToInt(AnsiString(text));
            ADD_FAILURE() << "accepted \"" << text << "\"";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), "\"" + std::string(text) + "\" is not a valid integer");
        }
    }
}

}  // namespace
