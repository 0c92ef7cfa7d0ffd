#include "userdata/careful_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "userdata/file_descriptor.h"
#include "userdata/file_size_limit.h"

namespace {

constexpr int kMostLinks = 40;  // symbolic links followed, as the kernel does
constexpr std::string_view kAdministratorsFolder = "/etc/";
constexpr const char* kTemporaryMark = ".dalcal-";   // ".events.dalcal-XXXXXX" beside "events"
constexpr std::chrono::minutes kStaleTemporary{10};  // older: left by a write that was killed

[[noreturn]] void Refuse(const char* pattern, const std::string& path, int error = 0)
{
    throw FileNotWritten(Message(pattern, {path}, error));
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path names, its symbolic links followed (a dangling one to where
// it points).
std::string Resolved(std::string path)
{
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
        std::string target(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 4096), '\0');
        const ssize_t length = readlink(path.c_str(), target.data(), target.size());
        if (length < 0) Refuse("cannot read the link {1}", path, errno);
        target.resize(static_cast<std::size_t>(length));
        if (target.starts_with('/')) {
            path = std::move(target);
        } else {
            path = (FolderOf(path) += '/') += target;
        }
    }
    Refuse("cannot save {1}: too many symbolic links", path, ELOOP);
}

std::string ReadAll(int fd, std::size_t size, const std::string& path)
{
    std::string text(size, '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = read(fd, text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) Refuse("cannot read {1}", path, errno);
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    text.resize(got);
    return text;
}

// The file as it is now; exists false where it is not there.
FileSnapshot Snapshot(const std::string& path)
{
    FileSnapshot snapshot;
    snapshot.path = path;
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.Get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return snapshot;
        Refuse("cannot read {1}", path, errno);
    }
    if (fstat(file.Get(), &snapshot.status) != 0) Refuse("cannot read {1}", path, errno);
    if (S_ISDIR(snapshot.status.st_mode)) Refuse("cannot save {1}: it is a folder, not a file", path);
    if (!S_ISREG(snapshot.status.st_mode)) Refuse("cannot save {1}: it is not a regular file", path);
    if (snapshot.status.st_size > kLargestUserFile) Refuse("cannot save {1}: it is larger than 16 MiB", path);
    snapshot.exists = true;
    snapshot.text = ReadAll(file.Get(), static_cast<std::size_t>(snapshot.status.st_size), path);
    return snapshot;
}

bool SameFile(const FileSnapshot& before, const FileSnapshot& now)
{
    if (before.exists != now.exists) return false;
    if (!before.exists) return true;
    const struct stat& a = before.status;
    const struct stat& b = now.status;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec && before.text == now.text;
}

// The process's umask, which a new file's mode follows, read without changing it.
mode_t CurrentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "Umask:" && status >> word) return static_cast<mode_t>(std::strtoul(word.c_str(), nullptr, 8));
    }
    return 022;
}

// Removes the temporary files of writes that were killed before their rename.
void RemoveStaleTemporaries(const std::string& folder, const std::string& name)
{
    DIR* const entries = opendir(folder.c_str());
    if (entries == nullptr) return;
    const std::string prefix = '.' + name + kTemporaryMark;
    const auto now = std::chrono::system_clock::now();
    std::vector<std::string> stale;
    while (const dirent* entry = readdir(entries)) {
        const std::string_view entryName = entry->d_name;
        if (!entryName.starts_with(prefix)) continue;
        const std::string path = folder + '/' + std::string(entryName);
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) continue;
        if (now - std::chrono::system_clock::from_time_t(status.st_mtime) > kStaleTemporary) stale.push_back(path);
    }
    closedir(entries);
    for (const std::string& path : stale) unlink(path.c_str());
}

// The temporary file's name while it is written, removed unless renamed.
class Temporary {
public:
    Temporary(const std::string& folder, const std::string& name, const std::string& target)
        : path_(folder + "/." + name + kTemporaryMark + "XXXXXX"), file_(mkostemp(path_.data(), O_CLOEXEC))
    {
        if (file_.Get() < 0) Refuse("cannot save {1}", target, errno);
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary()
    {
        if (!renamed_) unlink(path_.c_str());
    }
    const std::string& Path() const { return path_; }
    int Fd() const { return file_.Get(); }
    int Close() { return file_.Close(); }
    void Renamed() { renamed_ = true; }

private:
    std::string path_;
    FileDescriptor file_;
    bool renamed_ = false;
};

void WriteAll(int fd, std::string_view text, const std::string& path)
{
    while (!text.empty()) {
        const ssize_t n = write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) Refuse("cannot save {1}", path, n < 0 ? errno : ENOSPC);
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

}  // namespace

int MakePrivateFolders(const std::string& folder)
{
    struct stat status {};
    if (folder.empty() || stat(folder.c_str(), &status) == 0) return 0;
    const std::string above = FolderOf(folder);
    if (above != folder) {
        if (const int error = MakePrivateFolders(above)) return error;
    }
    return mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST ? errno : 0;
}

FileSnapshot ReadForChange(const std::string& path)
{
    return Snapshot(Resolved(path));
}

bool ReplaceIfUnchanged(const FileSnapshot& snapshot, std::string_view text)
{
    const std::string& path = snapshot.path;
    if (path.starts_with(kAdministratorsFolder)) {
        Refuse("cannot save {1}: files under /etc are the administrator's, and dalcal never writes them", path);
    }
    const std::string folder = FolderOf(path);
    const std::string name = NameOf(path);
    if (const int error = MakePrivateFolders(folder)) Refuse("cannot save {1}", path, error);
    RemoveStaleTemporaries(folder, name);
    const FileDescriptor folderFd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.Get() < 0) Refuse("cannot save {1}", path, errno);

    Temporary temporary(folder, name, path);
    const mode_t mode = snapshot.exists ? snapshot.status.st_mode & 07777 : 0666 & ~CurrentUmask();
    if (fchmod(temporary.Fd(), mode) != 0) Refuse("cannot save {1}", path, errno);
    if (snapshot.exists && (snapshot.status.st_uid != geteuid() || snapshot.status.st_gid != getegid())) {
        // Only root may give a file away; anyone else writes a file of their own anyway.
        (void)!fchown(temporary.Fd(), snapshot.status.st_uid, snapshot.status.st_gid);
    }
    WriteAll(temporary.Fd(), text, path);
    if (fsync(temporary.Fd()) != 0) Refuse("cannot save {1}", path, errno);
    if (temporary.Close() != 0) Refuse("cannot save {1}", path, errno);

    if (!SameFile(snapshot, Snapshot(path))) return false;  // changed meanwhile: nothing written
    if (rename(temporary.Path().c_str(), path.c_str()) != 0) Refuse("cannot save {1}", path, errno);
    temporary.Renamed();
    if (fsync(folderFd.Get()) != 0) Refuse("{1} was saved, but the disk did not confirm it", path, errno);
    return true;
}
