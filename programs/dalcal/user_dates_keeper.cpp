#include "programs/dalcal/user_dates_keeper.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

#include "shell/messages.h"

namespace {

constexpr int kSettleMilliseconds = 100;

QString Path(const std::string& path)
{
    return QString::fromStdString(path);
}

}  // namespace

const char* NewEventsFileHeader()
{
    return Messages::Translated(kNewEventsFileHeader);
}

UserDatesKeeper::UserDatesKeeper(UserFilePaths paths, std::function<void()> changed, const ProblemReport& firstReport)
    : paths_(std::move(paths)), changed_(std::move(changed))
{
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMilliseconds);
    QObject::connect(&settle_, &QTimer::timeout, [this] {
        Reload();
        if (changed_) changed_();
    });
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, [this] { settle_.start(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, [this] { settle_.start(); });
    Reload(firstReport);
}

void UserDatesKeeper::Reload(const ProblemReport& report)
{
    problems_.clear();
    dates_ = ReadUserDates(paths_, [this, &report](const std::string& where, const Message& what) {
        if (report) report(where, what);
        if (!problems_.empty()) problems_ += '\n';
        problems_ += where + ": " + Messages::Shown(what);
    });
    Watch();
}

// The files, and their folders (where an editor's rename and a file made
// anew show).
void UserDatesKeeper::Watch()
{
    std::vector<std::string> files = paths_.holidays;
    if (paths_.events) files.push_back(*paths_.events);
    if (paths_.systemEvents) files.push_back(*paths_.systemEvents);
    QStringList wanted;
    for (const std::string& file : files) {
        const QFileInfo info(Path(file));
        if (info.exists()) wanted << info.absoluteFilePath();
        if (info.absoluteDir().exists()) wanted << info.absolutePath();
    }
    wanted.removeDuplicates();
    const QStringList watched = watcher_.files() + watcher_.directories();
    QStringList missing;
    for (const QString& path : wanted) {
        if (!watched.contains(path)) missing << path;
    }
    if (!missing.isEmpty()) watcher_.addPaths(missing);
}

bool UserDatesKeeper::IsEditable(const UserEvent& event) const
{
    const auto source = static_cast<std::size_t>(event.source);
    return paths_.events && source < dates_.eventSources.size() && dates_.eventSources[source] == *paths_.events;
}

std::string UserDatesKeeper::SourceOf(const UserEvent& event) const
{
    const auto source = static_cast<std::size_t>(event.source);
    return source < dates_.eventSources.size() ? dates_.eventSources[source] : std::string();
}

namespace {

const std::string& FileToChange(const std::optional<std::string>& path)
{
    if (!path) {
        throw Exception(Message("no events file to change: HOME and XDG_CONFIG_HOME are not set"));
    }
    return *path;
}

}  // namespace

void UserDatesKeeper::Add(const UserEvent& event)
{
    done_.push_back(AddEvent(FileToChange(paths_.events), event, NewEventsFileHeader()));
    Reload();
}

void UserDatesKeeper::Change(const UserEvent& was, const UserEvent& now)
{
    done_.push_back(ChangeEvent(FileToChange(paths_.events), was, now));
    Reload();
}

void UserDatesKeeper::Remove(const UserEvent& was)
{
    done_.push_back(RemoveEvent(FileToChange(paths_.events), was));
    Reload();
}

void UserDatesKeeper::Undo()
{
    if (done_.empty()) return;
    UndoLineChange(FileToChange(paths_.events), done_.back());
    done_.pop_back();
    Reload();
}
