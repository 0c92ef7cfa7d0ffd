#include "programs/dalcal/reminders_to_send.h"

#include <algorithm>

#include "shell/program.h"
#include "userdata/careful_write.h"
#include "userdata/reminder_log.h"

RemindersToSend::RemindersToSend(const GregorianDate& today, const ProblemReport& report)
    : logPath_(ReminderLogPath(Environment("XDG_STATE_HOME"), Environment("HOME")))
{
    ReadUserEvents(LocateUserFiles({}, Environment("XDG_CONFIG_HOME"), Environment("HOME")), report, user_);
    due_ = RemindersDue(today, user_);
    if (due_.empty() || logPath_.empty()) return;
    std::vector<std::string> sent;
    try {
        sent = SentOn(ReadForChange(logPath_).text, today);
    } catch (const FileNotWritten&) {
        // Not said here: all are sent, and recording them fails alike and
        // says why, once.
    }
    std::erase_if(due_, [&sent](const Reminder& reminder) {
        return std::ranges::find(sent, ReminderIdentity(reminder)) != sent.end();
    });
}
