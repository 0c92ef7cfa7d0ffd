#include "shell/program.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <vector>

#include "shell/messages.h"
#include "text/cp949.h"

namespace {

const char* programName = "dalcal";  // set once, before anything is said

}  // namespace

int RunProgram(const char* name, int argc, char** argv, ProgramMain main)
{
    programName = name;
    try {
        const char* const* args = argv;
        return main({args, static_cast<std::size_t>(argc)});
    } catch (const std::exception& error) {
        Complain(error.what());
        return kExitRefused;
    }
}

std::string Environment(const char* name)
{
    const char* const value = std::getenv(name);
    return value != nullptr ? value : "";
}

void Complain(const std::string& message, bool cp949) noexcept
{
    (void)std::fflush(stdout);
    try {
        (void)std::fprintf(stderr, "%s: %s\n", programName, cp949 ? Cp949::FromUtf8(message).c_str() : message.c_str());
    } catch (...) {
        (void)std::fprintf(stderr, "%s: %s\n", programName, message.c_str());
    }
}

int ReportUsageError(const UsageError& usage)
{
    (void)std::fprintf(stderr, "%s: %s\n%s\n", programName, Messages::Shown(usage.message).c_str(),
                       Messages::Shown(Message("Try '{1} --help'.", {programName})).c_str());
    return kExitUsage;
}

void ReportFileProblem(const std::string& where, const Message& what)
{
    (void)std::fprintf(stderr, "%s: %s\n", where.c_str(), Messages::Shown(what).c_str());
}

bool Print(const char* text)
{
    (void)std::fputs(text, stdout);
    return OutputWritten();
}

bool OutputWritten()
{
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return true;
    const int writeError = errno;
    (void)std::fprintf(stderr, "%s: %s\n", programName,
                       Messages::Shown(Message("write error", {}, writeError)).c_str());
    return false;
}

int BecomeProgram(const std::string& path, std::span<const char* const> args, const char* cannotRun)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));  // execv takes char*, and changes nothing
    for (std::size_t i = 1; i < args.size(); ++i) argv.push_back(const_cast<char*>(args[i]));
    argv.push_back(nullptr);
    execv(path.c_str(), argv.data());
    const int error = errno;
    Complain(Messages::Shown(Message(cannotRun, {path}, error)));
    return kExitRefused;
}
