#pragma once

#include <string>
#include <vector>

#include "report/reminders.h"
#include "report/user_dates.h"
#include "runtime/civil_date.h"
#include "userdata/user_files.h"

// The reminders dalcal --remind has to send today: those due (reminders.h)
// of the user's events and the administrator's, less those the log of
// reminders sent says went out today (reminder_log.h). No Qt: the command
// line reads them to learn whether there is anything to send before it
// starts the program that sends.
class RemindersToSend {
public:
    // Reads the events files (a problem of theirs reported) and the log.
    RemindersToSend(const GregorianDate& today, const ProblemReport& report);
    RemindersToSend(const RemindersToSend&) = delete;  // its reminders point into its events
    RemindersToSend& operator=(const RemindersToSend&) = delete;

    const std::vector<Reminder>& Due() const { return due_; }
    // Where the log is; empty where there is no folder for it (no HOME).
    const std::string& LogPath() const { return logPath_; }

private:
    UserDates user_;
    std::vector<Reminder> due_;
    std::string logPath_;
};
