#include "shell/messages.h"

#include <libintl.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/program_folder.h"
#include "text/cp949.h"

namespace {

constexpr const char* kDomain = "dalcal";

std::optional<std::string>& ChosenFolder()
{
    static std::optional<std::string> folder;
    return folder;
}

// share/locale beside the folder of the running program, where it holds our
// catalogs (an installed program, a build), else the folder it was built for.
std::string CatalogFolder()
{
    if (ChosenFolder()) return *ChosenFolder();
    std::string folder = ProgramFolder();
    if (!folder.empty()) {
        folder += "../share/locale";
        if (access((folder + "/ko/LC_MESSAGES/dalcal.mo").c_str(), R_OK) == 0) return folder;
    }
    return DALCAL_LOCALEDIR;
}

// The locale's language for messages, from the environment. A statically
// linked glibc sets LC_MESSAGES alone only where the program reads that
// category's own data, which gettext does not: so every category is set and
// the others are put back as they were (numbers, times and text as before).
void SetMessagesLocale()
{
    constexpr int kOthers[] = {LC_CTYPE, LC_NUMERIC, LC_TIME, LC_COLLATE, LC_MONETARY};
    std::string before[std::size(kOthers)];
    for (std::size_t i = 0; i < std::size(kOthers); ++i) {
        const char* const name = std::setlocale(kOthers[i], nullptr);
        before[i] = name != nullptr ? name : "C";
    }
    if (std::setlocale(LC_ALL, "") == nullptr) (void)std::setlocale(LC_MESSAGES, "");  // some set, some not
    for (std::size_t i = 0; i < std::size(kOthers); ++i) (void)std::setlocale(kOthers[i], before[i].c_str());
}

// Whether the environment asks for Korean messages, the only catalog there is,
// as gettext reads it: the messages locale (LC_ALL, else LC_MESSAGES, else
// LANG) is not C or POSIX, and LANGUAGE where set, else that locale, names
// Korean first of what it names. Where it does not, no locale or catalog is
// loaded at all: English is the text itself.
bool AsksForKorean()
{
    static const bool korean = [] {
        std::string locale;
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const char* const value = std::getenv(name);
            if (value != nullptr && value[0] != '\0') {
                locale = value;
                break;
            }
        }
        if (locale.empty() || locale == "C" || locale == "POSIX") return false;
        const char* const language = std::getenv("LANGUAGE");
        const std::string wanted = language != nullptr && language[0] != '\0' ? language : locale;
        for (std::size_t start = 0; start < wanted.size();) {  // "de:ko": the first we have a catalog for
            const std::size_t end = std::min(wanted.find(':', start), wanted.size());
            const std::string_view one = std::string_view(wanted).substr(start, end - start);
            if (one.starts_with("ko")) return true;
            if (one.starts_with("en") || one == "C") return false;
            start = end + 1;
        }
        return false;
    }();
    return korean;
}

// Once, before the first message: the locale's language for messages, our
// catalogs, and UTF-8 from them and from the C library (its error texts).
void PrepareOnce()
{
    static const bool prepared = [] {
        SetMessagesLocale();
        (void)bindtextdomain(kDomain, CatalogFolder().c_str());
        (void)bind_textdomain_codeset(kDomain, "UTF-8");
        (void)bind_textdomain_codeset("libc", "UTF-8");
        return true;
    }();
    (void)prepared;
}

}  // namespace

namespace Messages {

void UseCatalogsIn(const std::string& folder)
{
    ChosenFolder() = folder;
}

const char* Translated(const char* english)
{
    if (!AsksForKorean()) return english;
    PrepareOnce();  // also for the C library's error texts, when a message has no words of its own
    if (english == nullptr || english[0] == '\0') return english;  // "" is the catalog's header
    return dgettext(kDomain, english);
}

std::string Shown(const Message& message)
{
    const char* const pattern = Translated(message.Pattern());  // first: libc's texts translated too
    if (message.ValueEncoding() == TextEncoding::Utf8) return message.FilledAs(pattern);
    std::vector<std::string> values;
    for (const std::string& value : message.Values()) values.push_back(Cp949::ToUtf8(AnsiString(value)));
    return Message(message.Pattern(), std::move(values), message.SystemError()).FilledAs(pattern);
}

std::string Shown(const Exception& error)
{
    try {
        return error.Said() ? Shown(*error.Said()) : Cp949::ToUtf8(error.Message());
    } catch (...) {  // the message must get out even when conversion fails
        return error.what();
    }
}

std::string DaysLeftWords(std::int32_t daysLeft)
{
    if (daysLeft == 0) return Translated("today");
    if (daysLeft == 1) return Translated("tomorrow");
    return Shown(Message("in {1} days", {std::to_string(daysLeft)}));
}

}  // namespace Messages
