#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "report/user_dates.h"
#include "runtime/exception.h"
#include "userdata/careful_write.h"

// The one writer of the user's events file, for the month view and for
// dalcal-print --add-event and --remove-event. Each change reads the file
// again just before writing and changes only its own line, found by what it
// says, so that an edit made elsewhere since is kept; every other byte (the
// comments, blank lines, order, CRLF ends, a byte-order mark, lines dalcal
// cannot read) stays as it was. It writes through careful_write.h: atomic,
// mode and symbolic links kept. Where its line is no longer there the change
// is refused, and nothing is written.

// Why a change was refused: an event its line cannot say, one already there,
// one no longer there. (A file that cannot be written raises FileNotWritten.)
class EventRefused : public Exception {
public:
    using Exception::Exception;
};

// What a change did to the file, so that it can be undone.
struct LineChange {
    std::string removed;        // the text of the line it removed or replaced, as it stood; empty: none
    std::string anchor;         // the text of the line that stood before the removed one
    bool removedFirst = false;  // the removed line was the first
    std::string written;        // the text of the line it wrote; empty: none
    std::int32_t line = 0;      // where it wrote or removed, 1-based
};

// The comment a new events file begins with, explaining a line (English: the
// programs give it in the reader's language).
extern const char* const kNewEventsFileHeader;

// Adds the event's line at the end; where there is no file, the file is made
// with header (the explanation, translated) first. Refused where its line
// would be refused (EventLineProblem) or the file has the event already.
LineChange AddEvent(const std::string& path, const UserEvent& event, std::string_view header);

// Adds a line as typed (ReadEventLine reads it as event) at the end, as
// AddEvent does.
LineChange AddEventLine(const std::string& path, std::string_view line, const UserEvent& event,
                        std::string_view header);

// Changes the line that reads as was (as it was read: its attributes too) to
// read as now; refused where no line reads so any more, or now cannot be
// written, or another line says now already.
LineChange ChangeEvent(const std::string& path, const UserEvent& was, const UserEvent& now);

// Removes the line that reads as was; refused where none does any more.
LineChange RemoveEvent(const std::string& path, const UserEvent& was);

// Removes the lines of every event named name: how many (0: the file is not
// written).
std::int32_t RemoveEventsNamed(const std::string& path, std::string_view name);

// Undoes a change: the line written goes (or reads as the removed one again),
// a removed line comes back after the line that stood before it (at the end
// where that is gone). Refused where the line written is no longer there.
void UndoLineChange(const std::string& path, const LineChange& change);
