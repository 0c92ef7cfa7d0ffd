#include "programs/dalcal/reminders_switch.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <initializer_list>
#include <vector>

#include "shell/messages.h"
#include "shell/program.h"
#include "userdata/careful_write.h"

namespace {

constexpr const char* kAutostartName = "/autostart/dalcal-remind.desktop";
constexpr const char* kTimer = "dalcal-remind.timer";
// The user's own entry of the same name, which hides the package's from XDG autostart.
constexpr const char* kHiddenEntry =
    "[Desktop Entry]\n"
    "Type=Application\n"
    "Name=dalcal reminders\n"
    "Exec=dalcal --remind\n"
    "Hidden=true\n";

// The user's autostart entry of the reminders; empty where there is no
// configuration folder.
std::string UserAutostartEntry()
{
    const std::string configHome = Environment("XDG_CONFIG_HOME");
    if (configHome.starts_with('/')) return configHome + kAutostartName;
    const std::string home = Environment("HOME");
    return home.starts_with('/') ? home + "/.config" + kAutostartName : std::string();
}

// systemctl --user --quiet WORDS... the timer; whether it succeeded.
bool Systemctl(std::initializer_list<const char*> words)
{
    std::vector<char*> argv = {const_cast<char*>("systemctl"), const_cast<char*>("--user"),
                               const_cast<char*>("--quiet")};  // spawn changes none of them
    for (const char* word : words) argv.push_back(const_cast<char*>(word));
    argv.push_back(const_cast<char*>(kTimer));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, "systemctl", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool RemindersOn()
{
    const std::string entry = UserAutostartEntry();
    try {
        const FileSnapshot snapshot = ReadForChange(entry);
        if (snapshot.exists && snapshot.text.find("Hidden=true") != std::string::npos) return false;
    } catch (const FileNotWritten&) {
        // an entry that cannot be read hides nothing
    }
    return Systemctl({"is-enabled"});
}

std::string SetRemindersOn(bool on)
{
    const std::string entry = UserAutostartEntry();
    if (entry.empty()) throw Exception(Message("no configuration folder: HOME and XDG_CONFIG_HOME are not set"));
    const FileSnapshot snapshot = ReadForChange(entry);
    if (on && snapshot.exists && snapshot.text.find("Hidden=true") != std::string::npos) {
        if (unlink(snapshot.path.c_str()) != 0) throw FileNotWritten(Message("cannot remove {1}", {entry}, errno));
    } else if (!on) {
        ReplaceIfUnchanged(snapshot, kHiddenEntry);
    }
    const bool timer = Systemctl({on ? "enable" : "disable", "--now"});
    const char* const said =
        on ? (timer ? Phrase("Reminders are on: at login and every day.")
                    : Phrase("Reminders are on at login (no systemd user timer to run them daily)."))
           : Phrase("Reminders are off.");
    return Messages::Translated(said);
}
