#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/civil_date.h"

// What dalcal --remind sent today, so that it sends each reminder once a day
// however often it runs: $XDG_STATE_HOME/dalcal/reminders, a line a reminder
// sent, "YYYY-MM-DD<TAB>IDENTITY" (the day it was sent, then what it
// reminded of: reminders.h). Written only with today's lines: past days go.
// Written through careful_write.h; a run holds the folder's lock meanwhile.

// The log's path: $XDG_STATE_HOME/dalcal/reminders, else
// $HOME/.local/state/dalcal/reminders; empty where neither is an absolute path.
std::string ReminderLogPath(const std::string& stateHome, const std::string& home);

// The identities the log says were sent on today.
std::vector<std::string> SentOn(std::string_view log, const GregorianDate& today);

// The log to write: today's lines of the old one, then the identities sent now.
std::string LogWithSent(std::string_view log, const GregorianDate& today, const std::vector<std::string>& sent);

// Holds the lock of the log's folder (made where missing) while it lives, so
// that two runs at once (a login's autostart and its timer) send nothing twice.
// Raises FileNotWritten where the folder cannot be made or locked.
class ReminderLogLock {
public:
    explicit ReminderLogLock(const std::string& logPath);
    ReminderLogLock(const ReminderLogLock&) = delete;
    ReminderLogLock& operator=(const ReminderLogLock&) = delete;
    ~ReminderLogLock();

private:
    int folder_ = -1;
};

// Records the identities as sent today, through careful_write.h (raises
// FileNotWritten where the log cannot be written).
void RecordSent(const std::string& logPath, const GregorianDate& today, const std::vector<std::string>& sent);
