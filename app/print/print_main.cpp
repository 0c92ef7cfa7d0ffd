#include "print_main.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "argument_values.h"
#include "cp949.h"
#include "messages.h"
#include "sysutils.h"
#include "terminal_style.h"
#include "user_files.h"

namespace {

constexpr const char* kProgram = "dalcal-print";

Today TodayNow()
{
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    Sysutils::DecodeDate(Sysutils::Now(), year, month, day);
    return {year, month, day};
}

// The moment every event of an iCalendar file is stamped with: SOURCE_DATE_EPOCH
// where set to a number of seconds (the file is then the same on every run), else now.
std::int64_t StampSeconds()
{
    const char* const epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch != nullptr && epoch[0] != '\0' && std::strspn(epoch, "0123456789") == std::strlen(epoch) &&
        std::strlen(epoch) <= 12) {
        return std::stoll(epoch);
    }
    return std::max<std::int64_t>(0, std::time(nullptr));
}

std::string Environment(const char* name)
{
    const char* const value = std::getenv(name);
    return value != nullptr ? value : "";
}

UserDates ReadUserDates(const PrintRequest& request)
{
    const UserFileChoice choice{request.eventsFile, request.noEvents};
    const UserFilePaths paths = LocateUserFiles(choice, Environment("XDG_CONFIG_HOME"), Environment("HOME"));
    return ReadUserDates(paths, [](const std::string& where, const Message& what) {
        (void)std::fprintf(stderr, "%s: %s\n", where.c_str(), Messages::Shown(what).c_str());
    });
}

}  // namespace

RunContext ReadSurroundings(const PrintRequest& request)
{
    return {UseColor(request.color, isatty(STDOUT_FILENO) == 1, std::getenv("NO_COLOR"), std::getenv("TERM")),
            TodayNow(), StampSeconds(), ReadUserDates(request)};
}

int ReportUsageError(const UsageError& usage)
{
    (void)std::fprintf(stderr, "%s: %s\n%s\n", kProgram, Messages::Shown(usage.message).c_str(),
                       Messages::Translated("Try 'dalcal-print --help'."));
    return kExitUsage;
}

void Complain(const std::string& message, bool cp949) noexcept
{
    (void)std::fflush(stdout);
    try {
        (void)std::fprintf(stderr, "%s: %s\n", kProgram, cp949 ? Cp949::FromUtf8(message).c_str() : message.c_str());
    } catch (...) {
        (void)std::fprintf(stderr, "%s: %s\n", kProgram, message.c_str());
    }
}

bool RefusedOntoTerminal(OutputFormat format)
{
    if (isatty(STDOUT_FILENO) != 1) return false;
    Complain(Messages::Translated(format == OutputFormat::Svg
                                      ? Phrase("refusing to write SVG to a terminal (redirect it: > FILE.svg)")
                                      : Phrase("refusing to write PDF to a terminal (redirect it: > FILE.pdf)")));
    return true;
}

std::string Shown(const Exception& error)
{
    try {
        if (!error.Said()) return Cp949::ToUtf8(error.Message());
        // Values quote what was typed (UTF-8) in TypedValueError, the program's CP949 text otherwise.
        if (dynamic_cast<const TypedValueError*>(&error) != nullptr) return Messages::Shown(*error.Said());
        std::vector<std::string> values;
        for (const std::string& value : error.Said()->Values()) values.push_back(Cp949::ToUtf8(value));
        return Messages::Shown(Message(error.Said()->Pattern(), std::move(values), error.Said()->SystemError()));
    } catch (...) {  // the message must get out even when conversion fails
        return error.Message();
    }
}

bool OutputWritten()
{
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return true;
    const int writeError = errno;
    (void)std::fprintf(stderr, "%s: %s\n", kProgram, Messages::Shown(Message("write error", {}, writeError)).c_str());
    return false;
}
