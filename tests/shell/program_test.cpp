// A program's main as RunProgram runs it: its status passed on, and an
// exception nothing else caught said in one line with the program's name,
// status 1.
#include "shell/program.h"

#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace {

TEST(RunProgram, StatusAndEscapedExceptions)
{
    const struct {
        ProgramMain main;
        int status;
        const char* said;
    } cases[] = {
        {[](std::span<const char* const>) { return kExitDone; }, 0, ""},
        {[](std::span<const char* const>) { return kExitUsage; }, 2, ""},
        {[](std::span<const char* const>) -> int { throw std::runtime_error("out of memory"); }, 1,
         "dalcal-test: out of memory\n"},
    };
    char name[] = "dalcal-test";
    char* argv[] = {name, nullptr};
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(RunProgram("dalcal-test", 1, argv, c.main), c.status);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.said);
    }
}

}  // namespace
