#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

#include "runtime/exception.h"

// Writing a file the user keeps, as a careful editor does: the whole new text
// into a temporary file beside it, flushed to the disk, then renamed over the
// old one and the folder flushed, so that the file is at every moment either
// the old text or the new one, whole. The file's mode and owner are kept; a
// symbolic link's target is written and the link kept. Before the rename the
// file is compared with what was read; if anyone changed it meanwhile,
// nothing is written. Files under /etc, the administrator's, never are.

// Why a file could not be read for a change or written, naming it; the file
// is then as it was.
class FileNotWritten : public Exception {
public:
    using Exception::Exception;
};

// A file as it was read for a change.
struct FileSnapshot {
    std::string path;  // the file itself: a symbolic link's target
    bool exists = false;
    std::string text;
    struct stat status {};  // where it exists: what changes when the file does, its mode and owner
};

// Reads the file at path for a change, following symbolic links; one that
// does not exist (nor its folder) is an empty snapshot. Raises FileNotWritten
// for a file that cannot be read (a folder, no permission, over 16 MiB).
FileSnapshot ReadForChange(const std::string& path);

// Makes a folder and those above it that are missing, private to the user
// as the XDG folders of configuration and state are; 0, or the errno of
// what failed.
int MakePrivateFolders(const std::string& folder);

// Writes text in place of the file the snapshot read, its folders made where
// missing, if the file is still as the snapshot read it (its identity, size,
// time and bytes); returns false, writing nothing, where it changed. Raises
// FileNotWritten, the file untouched, where it cannot be written.
bool ReplaceIfUnchanged(const FileSnapshot& snapshot, std::string_view text);
