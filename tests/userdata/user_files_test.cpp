// Where the user's files are found and how they are read. Every file here is
// made in a temporary folder: the real home is never read.
#include "userdata/user_files.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(UserFiles, Locations)
{
    struct Case {
        UserFileChoice choice;
        const char* configHome;
        const char* home;
        std::optional<std::string> events;
        std::vector<std::string> holidays;
        bool systemEvents;  // the administrator's events read too
    };
    const std::string system = kSystemHolidaysFile;
    const Case cases[] = {
        {{}, "/x/config", "/home/a", "/x/config/dalcal/events", {system, "/x/config/dalcal/holidays"}, true},
        {{}, "", "/home/a", "/home/a/.config/dalcal/events", {system, "/home/a/.config/dalcal/holidays"}, true},
        {{}, "relative", "/home/a", "/home/a/.config/dalcal/events", {system, "/home/a/.config/dalcal/holidays"}, true},
        {{}, "", "", std::nullopt, {system}, true},
        {{std::string("mine"), false}, "/x", "/h", "mine", {system, "/x/dalcal/holidays"}, false},
        {{std::nullopt, true}, "/x", "/h", std::nullopt, {system, "/x/dalcal/holidays"}, false},
    };
    for (const Case& c : cases) {
        const UserFilePaths paths = LocateUserFiles(c.choice, c.configHome, c.home);
        EXPECT_EQ(paths.events, c.events) << c.configHome << " " << c.home;
        EXPECT_EQ(paths.holidays, c.holidays) << c.configHome << " " << c.home;
        EXPECT_EQ(paths.systemEvents, c.systemEvents ? std::optional<std::string>(kSystemEventsFile) : std::nullopt);
        if (!paths.settings) {  // no home: the settings are the defaults, nothing reported
            EXPECT_EQ(ReadUserSettings(paths, [](const std::string&, const Message&) { ADD_FAILURE(); }),
                      DayKindChoice{});
        }
    }
}

// Each report as the programs show it in English: "WHERE: WHAT".
ProblemReport Collect(std::vector<std::string>& messages)
{
    return [&messages](const std::string& where, const Message& what) {
        messages.push_back(where + ": " + what.English());
    };
}

class UserFileReading : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("dalcal-user-files-" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Write(const std::string& name, const std::string& text) const
    {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
};

TEST_F(UserFileReading, BadLinesAndFilesAreReportedAndTheRestIsUsed)
{
    const std::string events = Write("events", "lunar 3-15 mother\nlunar 3-40 bad\nsolar 5-8 parents\n");
    const std::string shared = Write("shared", "solar 1-1 bad #: 알림=x\n");
    const std::string added = Write("holidays", "2026-03-02 a day off\n2026-02-30 bad\n");
    fs::create_directory(Path("folder"));
    const UserFilePaths paths{events, true, {Path("absent"), Path("folder"), added}, shared, std::nullopt};
    std::vector<std::string> messages;
    const UserDates user = ReadUserDates(paths, Collect(messages));
    EXPECT_EQ(messages, (std::vector<std::string>{
                            shared + ":1: \"알림=x\" is not a number of days before (0-365)",
                            events + ":2: a lunar month has no day 40",
                            Path("folder") + ": is a folder, not a file",
                            added + ":2: \"2026-02-30\" is not a date: month 2 of 2026 has 28 days",
                        }));
    // The administrator's event first, its bad attribute left out; each
    // event knows its file and line, for the month view to change it there.
    ASSERT_EQ(user.events.size(), 3u);
    EXPECT_EQ(user.eventSources, (std::vector<std::string>{shared, events}));
    EXPECT_EQ(user.events[0].source, 0);
    EXPECT_FALSE(user.events[0].remindDays);
    EXPECT_EQ(user.events[2].source, 1);
    EXPECT_EQ(user.events[2].line, 3);
    ASSERT_EQ(user.holidays.size(), 1u);
    // The added day's source is the file it came from (absent and unreadable files are none).
    ASSERT_EQ(user.holidaySources.size(), 1u);
    EXPECT_EQ(user.holidaySources[static_cast<std::size_t>(user.holidays[0].source)], added);
}

// A file of 16 MiB is read; one byte more is not, and that is said.
TEST_F(UserFileReading, SixteenMebibytesAtMost)
{
    constexpr std::size_t kMost = std::size_t{16} * 1024 * 1024;
    const std::string event = "solar 1-1 a\n";
    for (const std::size_t size : {kMost, kMost + 1}) {
        const std::string events = Write("events", event + std::string(size - event.size() - 1, '#') + "\n");
        std::vector<std::string> messages;
        const UserDates user = ReadUserDates({events, false, {}, std::nullopt, std::nullopt}, Collect(messages));
        EXPECT_EQ(user.events.size(), size == kMost ? 1U : 0U) << size;
        EXPECT_EQ(messages, size == kMost ? std::vector<std::string>{}
                                          : std::vector<std::string>{events + ": is larger than 16 MiB; not read"});
    }
}

// With both the administrator's and the user's files of added holidays, each
// day is credited to the file it came from, whatever their order of dates.
TEST_F(UserFileReading, EachAddedHolidayKnowsItsFile)
{
    const std::string system = Write("system-holidays", "2026-06-03 선거일\n");
    const std::string own = Write("holidays", "2026-03-02 우리 회사 휴일\n");
    const UserFilePaths paths{std::nullopt, false, {system, own}, std::nullopt, std::nullopt};
    std::vector<std::string> messages;
    const UserDates user = ReadUserDates(paths, Collect(messages));
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(user.holidays.size(), 2u);
    EXPECT_EQ(user.holidaySources, (std::vector<std::string>{system, own}));
    for (const AddedHoliday& holiday : user.holidays) {
        const std::string& from = user.holidaySources.at(static_cast<std::size_t>(holiday.source));
        EXPECT_EQ(from, holiday.name == "선거일" ? system : own) << holiday.name;
    }
}

TEST_F(UserFileReading, AnEventsFileAskedForByNameMustExist)
{
    std::vector<std::string> messages;
    const ProblemReport report = Collect(messages);
    ReadUserDates({Path("absent"), false, {}, std::nullopt, std::nullopt}, report);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(messages.empty());
    fs::create_directory(Path("folder"));
    for (const std::string& name : {Path("absent"), Path("folder")}) {
        try {
            ReadUserDates({name, true, {}, std::nullopt, std::nullopt}, report);
            ADD_FAILURE() << name << " was read";
        } catch (const UnreadableNamedFile& error) {
            EXPECT_EQ(error.Path(), name);
            EXPECT_NE(error.Said()->SystemError() == ENOENT, name == Path("folder"));
        }
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(UserFileReading, FilesAreNeverChanged)
{
    const std::string events = Write("events", "lunar 3-15 mother\nbad line\n");
    const fs::file_time_type before = fs::last_write_time(events);
    struct stat statusBefore {};
    ASSERT_EQ(stat(events.c_str(), &statusBefore), 0);
    ReadUserDates({events, true, {events}, events, std::nullopt}, [](const std::string&, const Message&) {});
    struct stat statusAfter {};
    ASSERT_EQ(stat(events.c_str(), &statusAfter), 0);
    EXPECT_EQ(fs::last_write_time(events), before);
    EXPECT_EQ(statusAfter.st_size, statusBefore.st_size);
    std::ifstream in(events, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "lunar 3-15 mother\nbad line\n");
}

}  // namespace
