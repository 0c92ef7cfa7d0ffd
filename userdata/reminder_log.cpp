#include "userdata/reminder_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "runtime/date_text.h"
#include "userdata/careful_write.h"
#include "userdata/state_folder.h"

namespace {

constexpr const char* kLogName = "/dalcal/reminders";
constexpr int kTries = 3;

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.rfind('/'));
}

// Calls use(identity) for each line of the log sent on today.
template <typename Use>
void ForEachSentOn(std::string_view log, const GregorianDate& today, Use use)
{
    const std::string day = IsoDate(today) + '\t';
    while (!log.empty()) {
        const std::size_t end = log.find('\n');
        const std::string_view line = log.substr(0, end);
        log.remove_prefix(end == std::string_view::npos ? log.size() : end + 1);
        if (line.starts_with(day)) use(line.substr(day.size()));
    }
}

}  // namespace

std::string ReminderLogPath(const std::string& stateHome, const std::string& home)
{
    return StateFilePath(stateHome, home, kLogName);
}

std::vector<std::string> SentOn(std::string_view log, const GregorianDate& today)
{
    std::vector<std::string> sent;
    ForEachSentOn(log, today, [&sent](std::string_view identity) { sent.emplace_back(identity); });
    return sent;
}

std::string LogWithSent(std::string_view log, const GregorianDate& today, const std::vector<std::string>& sent)
{
    std::string written;
    const std::string day = IsoDate(today) + '\t';
    const auto add = [&](std::string_view identity) { ((written += day) += identity) += '\n'; };
    ForEachSentOn(log, today, add);
    for (const std::string& identity : sent) add(identity);
    return written;
}

ReminderLogLock::ReminderLogLock(const std::string& logPath)
{
    const std::string folder = FolderOf(logPath);
    if (const int error = MakePrivateFolders(folder)) {
        throw FileNotWritten(Message("cannot make the folder {1}", {folder}, error));
    }
    folder_ = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_ < 0 || flock(folder_, LOCK_EX) != 0) {
        throw FileNotWritten(Message("cannot lock the folder {1}", {folder}, errno));
    }
}

ReminderLogLock::~ReminderLogLock()
{
    if (folder_ >= 0) close(folder_);  // and with it the lock
}

void RecordSent(const std::string& logPath, const GregorianDate& today, const std::vector<std::string>& sent)
{
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const FileSnapshot snapshot = ReadForChange(logPath);
        if (ReplaceIfUnchanged(snapshot, LogWithSent(snapshot.text, today, sent))) return;
    }
    throw FileNotWritten(Message("{1} kept changing while it was saved; nothing was written", {logPath}));
}
