#include "runtime/program_folder.h"

#include <unistd.h>

#include <array>

std::string ProgramFolder()
{
    std::array<char, 4096> path{};
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0) return {};
    std::string folder(path.data(), static_cast<std::size_t>(length));
    folder.resize(folder.find_last_of('/') + 1);
    return folder;
}

std::string HelperProgram(const std::string& name, const std::string& installed)
{
    const std::string folder = ProgramFolder();
    if (folder.empty()) return installed;
    for (const char* relative : {"", "../libexec/dalcal/"}) {
        std::string candidate = folder;
        (candidate += relative) += name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return installed;
}
