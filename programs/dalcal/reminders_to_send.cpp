#include "reminders_to_send.h"

#include <algorithm>

#include "careful_write.h"
#include "program.h"
#include "reminder_log.h"

RemindersToSend::RemindersToSend(const GregorianDate& today, const ProblemReport& report)
    : logPath_(ReminderLogPath(Environment("XDG_STATE_HOME"), Environment("HOME")))
{
    ReadUserEvents(LocateUserFiles({}, Environment("XDG_CONFIG_HOME"), Environment("HOME")), report, user_);
    due_ = RemindersDue(today, user_);
    if (due_.empty() || logPath_.empty()) return;
    std::vector<std::string> sent;
    try {
        sent = SentOn(ReadForChange(logPath_).text, today);
    } catch (const FileNotWritten& unreadable) {
        report(logPath_, *unreadable.Said());
    }
    std::erase_if(due_, [&sent](const Reminder& reminder) {
        return std::ranges::find(sent, ReminderIdentity(reminder)) != sent.end();
    });
}
