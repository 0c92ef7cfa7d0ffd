#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "report/day_kinds.h"
#include "report/user_dates.h"
#include "runtime/exception.h"
#include "runtime/message.h"

// Where the user's date files are, and reading them. The files are only ever
// read: opened read-only, never created, moved or touched.

// Where the user's files are looked for, and which to read.
struct UserFileChoice {
    std::optional<std::string> eventsFile;  // --events-file; none: the events file of the configuration folder;
                                            // "-": standard input
    bool noEvents = false;                  // --no-events
};

// The files the choice names: events, then the administrator's and the
// user's added holidays. configHome is $XDG_CONFIG_HOME, home $HOME (empty:
// unset); a relative configHome is ignored: XDG paths must be absolute.
struct UserFilePaths {
    std::optional<std::string> events;  // the user's own, which the month view and --add-event write
    bool eventsNamed = false;           // given on the command line: its absence is reported
    std::vector<std::string> holidays;
    std::optional<std::string> systemEvents;  // the administrator's, read before the user's; never written
    std::optional<std::string> settings;      // which kinds of days are shown (settings_file.h)
};
// --events-file -: the events are read from standard input, and named so in
// the reports of their lines ("<stdin>:3: ...").
inline constexpr const char* kStandardInputPath = "-";
inline constexpr const char* kStandardInputName = "<stdin>";

UserFilePaths LocateUserFiles(const UserFileChoice& choice, const std::string& configHome, const std::string& home);

// The administrator's files: added holidays, and events every user of the
// machine sees (a family's shared dates).
inline constexpr const char* kSystemHolidaysFile = "/etc/dalcal/holidays";
inline constexpr const char* kSystemEventsFile = "/etc/dalcal/events";

// Where a line or a file that could not be used is reported: where is
// "FILE:LINE" or "FILE", what is wrong follows it after ": ".
using ProblemReport = std::function<void(const std::string& where, const Message& what)>;

// Reads the files: an absent file is no dates and no message; a file that
// cannot be read (a folder, no permission, too large) is one message and
// nothing from it; a bad line is one message and the rest of the file is used.
// An events file named on the command line that cannot be read raises
// UnreadableNamedFile: the user asked for it, and a run without it would mislead.
UserDates ReadUserDates(const UserFilePaths& paths, const ProblemReport& report);

class UnreadableNamedFile : public Exception {
public:
    UnreadableNamedFile(std::string path, const ::Message& why) : Exception(why), path_(std::move(path)) {}
    const std::string& Path() const noexcept { return path_; }

private:
    std::string path_;
};

// The two halves of it, for a program that reads only what a command uses.
// ReadUserEvents returns whether the user's events file was there to be read;
// the events of the administrator's file come first, of source 0, where it
// is read, then the user's.
bool ReadUserEvents(const UserFilePaths& paths, const ProblemReport& report, UserDates& user);
void ReadAddedHolidays(const UserFilePaths& paths, const ProblemReport& report, UserDates& user);

// The kinds of days the user chose to show or hide, from the settings file:
// none chosen where there is none; its bad lines reported, the rest used.
DayKindChoice ReadUserSettings(const UserFilePaths& paths, const ProblemReport& report);
