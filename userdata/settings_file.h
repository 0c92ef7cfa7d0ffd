#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/day_kinds.h"
#include "userdata/date_files.h"

// The user's settings ($XDG_CONFIG_HOME/dalcal/settings), UTF-8 text: which
// kinds of days the views show, a kind a line; "#" starts a comment, blank
// lines are skipped, the last line of a kind holds:
//   anniversaries = show      (기념일 = 보기 reads too)
//   sundry = hide             (잡절 = 숨기기)
// A kind the file does not name is left to each view. A line that cannot be
// read is reported with its number and skipped. The file is written only by
// the month view's 보기 menu, through ChooseKindShown.

struct SettingsFile {
    DayKindChoice kinds;
    std::vector<LineProblem> problems;
};
SettingsFile ParseSettingsFile(std::string_view text);

// The comment a new settings file begins with (English; the programs give it
// in the reader's language).
extern const char* const kNewSettingsFileHeader;

// Says in the file at path whether a kind is shown: the kind's last line is
// changed to say so (its words after "#" kept), or a line is added at the
// end, the file made with header first where there is none. The file is read
// again just before, every other byte kept, written atomically
// (careful_write.h); a change that changes no byte writes nothing. Raises
// FileNotWritten where it cannot be written.
void ChooseKindShown(const std::string& path, DayKind kind, bool show, std::string_view header);
