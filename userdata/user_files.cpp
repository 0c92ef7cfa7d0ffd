#include "userdata/user_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "userdata/date_files.h"
#include "userdata/file_descriptor.h"
#include "userdata/file_size_limit.h"
#include "userdata/settings_file.h"

namespace {

constexpr const char* kEventsName = "/dalcal/events";
constexpr const char* kHolidaysName = "/dalcal/holidays";
constexpr const char* kSettingsName = "/dalcal/settings";

// What errno says, described where it is shown.
Message SystemError()
{
    constexpr const char* kNoWords = "";  // the description is all
    return Message(kNoWords, {}, errno);
}

// The text of a file; none, and no report unless it was asked for by name,
// when it does not exist.
std::optional<std::string> ReadFile(const std::string& path, bool named, const ProblemReport& report)
{
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.Get() < 0) {
        if (named || (errno != ENOENT && errno != ENOTDIR)) report(path, SystemError());
        return std::nullopt;
    }
    struct stat status {};
    if (fstat(file.Get(), &status) != 0) {
        report(path, SystemError());
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        report(path, S_ISDIR(status.st_mode) ? Message("is a folder, not a file") : Message("is not a regular file"));
        return std::nullopt;
    }
    if (status.st_size > kLargestUserFile) {
        report(path, Message("is larger than 16 MiB; not read"));
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(status.st_size), '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = read(file.Get(), text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            report(path, SystemError());
            return std::nullopt;
        }
        if (n == 0) break;  // shorter than when it was measured
        got += static_cast<std::size_t>(n);
    }
    text.resize(got);
    return text;
}

// The events given on standard input (--events-file -), read whole, at most
// kLargestUserFile bytes.
std::optional<std::string> ReadStandardInput(const ProblemReport& report)
{
    std::string text;
    std::array<char, 65536> chunk{};
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            report(kStandardInputName, SystemError());
            return std::nullopt;
        }
        if (n == 0) return text;
        text.append(chunk.data(), static_cast<std::size_t>(n));
        if (text.size() > static_cast<std::size_t>(kLargestUserFile)) {
            report(kStandardInputName, Message("is larger than 16 MiB; not read"));
            return std::nullopt;
        }
    }
}

void ReportProblems(const std::string& path, const std::vector<LineProblem>& problems, const ProblemReport& report)
{
    for (const LineProblem& problem : problems) report(path + ":" + std::to_string(problem.line), problem.why);
}

}  // namespace

UserFilePaths LocateUserFiles(const UserFileChoice& choice, const std::string& configHome, const std::string& home)
{
    std::string configFolder;
    if (configHome.starts_with('/')) {
        configFolder = configHome;
    } else if (home.starts_with('/')) {
        configFolder = home + "/.config";
    }
    UserFilePaths paths;
    if (choice.eventsFile) {
        paths.events = choice.eventsFile;
        paths.eventsNamed = true;
    } else if (!choice.noEvents && !configFolder.empty()) {
        paths.events = configFolder + kEventsName;
    }
    if (choice.noEvents) paths.events.reset();
    if (!choice.noEvents && !choice.eventsFile) paths.systemEvents = kSystemEventsFile;
    paths.holidays.emplace_back(kSystemHolidaysFile);
    if (!configFolder.empty()) paths.holidays.push_back(configFolder + kHolidaysName);
    if (!configFolder.empty()) paths.settings = configFolder + kSettingsName;
    return paths;
}

namespace {

// The events of one file, numbered as its source.
void AddEvents(const std::string& path, std::string_view text, const ProblemReport& report, UserDates& user)
{
    EventsFile file = ParseEventsFile(text);
    ReportProblems(path, file.problems, report);
    const auto source = static_cast<std::int32_t>(user.eventSources.size());
    user.eventSources.push_back(path);
    user.events.reserve(user.events.size() + file.events.size());
    for (UserEvent& event : file.events) {
        event.source = source;
        user.events.push_back(std::move(event));
    }
}

}  // namespace

bool ReadUserEvents(const UserFilePaths& paths, const ProblemReport& report, UserDates& user)
{
    if (paths.systemEvents) {
        if (const std::optional<std::string> text = ReadFile(*paths.systemEvents, false, report)) {
            AddEvents(*paths.systemEvents, *text, report, user);
        }
    }
    if (!paths.events) return false;
    const std::string& path = *paths.events;
    const ProblemReport raise = [](const std::string& where, const Message& what) {
        throw UnreadableNamedFile(where, what);
    };
    if (paths.eventsNamed && path == kStandardInputPath) {
        const std::optional<std::string> text = ReadStandardInput(raise);
        if (text) AddEvents(kStandardInputName, *text, report, user);
        return text.has_value();
    }
    const std::optional<std::string> text = ReadFile(path, paths.eventsNamed, paths.eventsNamed ? raise : report);
    if (!text) return false;
    AddEvents(path, *text, report, user);
    return true;
}

void ReadAddedHolidays(const UserFilePaths& paths, const ProblemReport& report, UserDates& user)
{
    for (const std::string& path : paths.holidays) {
        const std::optional<std::string> text = ReadFile(path, false, report);
        if (!text) continue;
        HolidaysFile file = ParseHolidaysFile(*text);
        ReportProblems(path, file.problems, report);
        const auto source = static_cast<std::int32_t>(user.holidaySources.size());
        for (AddedHoliday& holiday : file.holidays) {
            holiday.source = source;
            user.holidays.push_back(std::move(holiday));
        }
        user.holidaySources.push_back(path);
    }
}

DayKindChoice ReadUserSettings(const UserFilePaths& paths, const ProblemReport& report)
{
    if (!paths.settings) return {};
    const std::optional<std::string> text = ReadFile(*paths.settings, false, report);
    if (!text) return {};
    SettingsFile file = ParseSettingsFile(*text);
    ReportProblems(*paths.settings, file.problems, report);
    return file.kinds;
}

UserDates ReadUserDates(const UserFilePaths& paths, const ProblemReport& report)
{
    UserDates user;
    ReadUserEvents(paths, report, user);
    ReadAddedHolidays(paths, report, user);
    return user;
}
