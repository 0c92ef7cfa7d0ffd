#include "runtime/message.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace {

TEST(Message, PlacesAreFilledByNumberAndNothingElseChanges)
{
    const std::vector<std::string> values = {"abc", "{2}", "2027"};
    const struct {
        const char* pattern;
        const char* filled;
    } kCases[] = {
        {"{1}: {3} is not a number", "abc: 2027 is not a number"},
        {"{3}년 {1}", "2027년 abc"},           // in another order, as a translation may put them
        {"{2} and {1}", "{2} and abc"},        // a value that looks like a place is not filled again
        {"{4} {0} {a} {1", "{4} {0} {a} {1"},  // no such value, no place: as written
        {"{{1}}", "{abc}"},
        {"", ""},
    };
    for (const auto& c : kCases) EXPECT_EQ(FillPlaces(c.pattern, values), c.filled) << c.pattern;
}

TEST(Message, TheSystemErrorFollowsTheWords)
{
    EXPECT_EQ(Message("{1}: cannot", {"x"}, ENOENT).English(), std::string("x: cannot: ") + std::strerror(ENOENT));
    EXPECT_EQ(Message("", {}, ENOENT).English(), std::strerror(ENOENT));  // the description alone
    EXPECT_EQ(Message("month {1}", {"13"}).English(), "month 13");
}

}  // namespace
