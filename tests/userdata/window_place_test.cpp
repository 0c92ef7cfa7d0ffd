// The month view's place between runs: the line it is kept as, read strictly,
// and kept in a temporary folder (never the real home's state).
#include "userdata/window_place.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace {

TEST(WindowPlace, ReadOnlyWhatItWrites)
{
    const struct {
        const char* text;
        std::optional<WindowPlace> place;
    } cases[] = {
        {"1000 700 100 60\n", WindowPlace{1000, 700, 100, 60}},
        {"420 600 -1920 -30", WindowPlace{420, 600, -1920, -30}},  // a screen left of the primary one
        {"100000 1 100000 -100000\n", WindowPlace{100000, 1, 100000, -100000}},
        {"0 700 100 60\n", std::nullopt},       // no width
        {"1000 -1 100 60\n", std::nullopt},     // a height below 1
        {"100001 700 0 0\n", std::nullopt},     // wider than any screen
        {"1000 700 100\n", std::nullopt},       // a number missing
        {"1000 700 100 60 5\n", std::nullopt},  // one too many
        {"1000 700 1e2 60\n", std::nullopt},
        {"99999999999 700 0 0\n", std::nullopt},  // past 32 bits
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadWindowPlace(c.text), c.place) << c.text;
        if (c.place) {
            EXPECT_EQ(ReadWindowPlace(WindowPlaceText(*c.place)), c.place);
        }
    }
    EXPECT_EQ(WindowPlacePath("/s", "/home/a"), "/s/dalcal/window");
    EXPECT_EQ(WindowPlacePath("relative", "/home/a"), "/home/a/.local/state/dalcal/window");
    EXPECT_EQ(WindowPlacePath("", ""), "");
}

TEST(WindowPlace, KeptAndLoadedAgain)
{
    char folderTemplate[] = "/tmp/dalcal-window-place-XXXXXX";
    const std::filesystem::path folder = mkdtemp(folderTemplate);
    const std::string path = (folder / "state/dalcal/window").string();  // its folders made as needed
    EXPECT_EQ(LoadWindowPlace(path), std::nullopt);
    ASSERT_TRUE(KeepWindowPlace(path, {800, 600, 10, 20}));
    EXPECT_EQ(LoadWindowPlace(path), (WindowPlace{800, 600, 10, 20}));
    ASSERT_TRUE(KeepWindowPlace(path, {1600, 1000, 0, 0}));
    EXPECT_EQ(LoadWindowPlace(path), (WindowPlace{1600, 1000, 0, 0}));
    std::ofstream(path) << "garbage\n";  // a file it cannot read: the designed place
    EXPECT_EQ(LoadWindowPlace(path), std::nullopt);
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);  // a folder in its place: not kept, and said so
    EXPECT_FALSE(KeepWindowPlace(path, {800, 600, 10, 20}));
    std::filesystem::remove_all(folder);
}

}  // namespace
