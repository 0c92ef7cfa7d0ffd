// The events file's writer: one change saved into a file of 1,000 lines, as
// the month view's Save and dalcal-print --add-event do it (read again,
// parsed, the line changed, written beside the file, flushed to the disk,
// renamed over it, the folder flushed). On the disk of the build folder,
// where a user's home would be, not in memory.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "userdata/events_editor.h"

namespace {

// A thousand lines: lunar anniversaries, yearly days and single days, some
// with attributes, with comments and blank lines between.
std::string ThousandLines()
{
    std::string text = "# 우리 집\n";
    for (int i = 1; i < 1000; ++i) {
        const std::string month = std::to_string(i % 12 + 1);
        const std::string day = std::to_string(i % 28 + 1);
        if (i % 50 == 0) {
            text += "\n";
        } else if (i % 3 == 0) {
            ((((((text += "음력 ") += month) += '-') += day) += " 기일 ") += std::to_string(i)) +=
                "  #: 종류=기일 알림=3\n";
        } else if (i % 3 == 1) {
            ((((((text += "양력 ") += month) += '-') += day) += " 생일 ") += std::to_string(i)) += '\n';
        } else {
            ((((((text += "2027-") += month) += '-') += day) += " 약속 ") += std::to_string(i)) += '\n';
        }
    }
    return text;
}

void BM_SaveOneChangeIntoAThousandLineFile(benchmark::State& state)
{
    const std::filesystem::path folder =
        std::filesystem::current_path() / ("events-writer-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "events").string();
    std::ofstream(path, std::ios::binary) << ThousandLines();
    UserEvent was({DateRuleKind::Lunar, 0, 4, 4, false}, "기일 3");
    was.kind = EventKind::Memorial;
    was.remindDays = 3;
    UserEvent now = was;
    now.remindDays = 7;
    for (auto _ : state) {
        ChangeEvent(path, was, now);
        std::swap(was, now);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveOneChangeIntoAThousandLineFile)->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace
