#pragma once

#include <QFileSystemWatcher>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "report/user_dates.h"
#include "userdata/events_editor.h"
#include "userdata/user_files.h"

// The user's dates as the month view shows and changes them: read from their
// files, read again whenever one changes (an editor that saves by renaming
// included), the user's own events changed through the one writer
// (events_editor.h), each change undoable, also after it was saved. The
// administrator's events and the holidays are only read.
class UserDatesKeeper {
public:
    // Reads the files (each problem also told to firstReport, where given);
    // changed is called after each later reading.
    UserDatesKeeper(UserFilePaths paths, std::function<void()> changed, const ProblemReport& firstReport = {});
    UserDatesKeeper(const UserDatesKeeper&) = delete;
    UserDatesKeeper& operator=(const UserDatesKeeper&) = delete;

    const UserDates& Dates() const { return dates_; }
    // What could not be read, a line each: "FILE:LINE: what is wrong".
    const std::string& Problems() const { return problems_; }

    // Whether an event of Dates() is the user's own to change, and the file
    // it came from.
    bool IsEditable(const UserEvent& event) const;
    std::string SourceOf(const UserEvent& event) const;
    // The file a new date goes to; none where there is none (no HOME).
    const std::optional<std::string>& EditableFile() const { return paths_.events; }

    // Changes the user's file (was as Dates() holds it); each raises an
    // Exception saying why where nothing was written. Read again after.
    void Add(const UserEvent& event);
    void Change(const UserEvent& was, const UserEvent& now);
    void Remove(const UserEvent& was);
    bool CanUndo() const { return !done_.empty(); }
    void Undo();

    // Reads the files again now; each problem also told to report, where given.
    void Reload(const ProblemReport& report = {});

private:
    void Watch();

    UserFilePaths paths_;
    std::function<void()> changed_;
    UserDates dates_;
    std::string problems_;
    std::vector<LineChange> done_;  // the changes made, the last last
    QFileSystemWatcher watcher_;
    QTimer settle_;  // an editor's save is several changes: read once they settle
};

// The comment a new events file begins with, in the reader's language.
const char* NewEventsFileHeader();
