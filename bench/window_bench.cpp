// The window's cost as a user feels it: one press of the button, with an empty
// memo and with 10,000 calendars already in it, and the memory those hold;
// the month view moving a month.
// Runs headless: QT_QPA_PLATFORM=offscreen (set here unless already set).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>

#include "programs/dalcal/Main.h"
#include "programs/dalcal/application.h"
#include "programs/dalcal/month_view.h"
#include "userdata/date_files.h"

namespace {

// Resident memory of this process in KiB (VmRSS), 0 where it cannot be read.
long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

// state.range(0) presses first fill the memo; then each iteration is one press.
void BM_Press(benchmark::State& state)
{
    Application->CreateForm(Form1);
    Form1->show();
    const long before = ResidentKiB();
    for (std::int64_t i = 0; i < state.range(0); ++i) Form1->Button1->click();
    QApplication::processEvents();
    state.counters["rss_MiB_after_fill"] = static_cast<double>(ResidentKiB()) / 1024;
    state.counters["rss_growth_MiB"] = static_cast<double>(ResidentKiB() - before) / 1024;
    for (auto _ : state) {
        Form1->Button1->click();
        QApplication::processEvents();  // let the memo lay out and paint what was added
    }
    state.counters["memo_lines"] = Form1->Memo1->blockCount();
}
BENCHMARK(BM_Press)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(200);

// A press with Korea's almanac (dalcal --almanac korea), for a month of the
// table (state.range(0) = 2026) and one computed from the Sun and the Moon
// (2076; its years are computed on the first press, which is timed too).
void BM_PressKorea(benchmark::State& state)
{
    SetWindowAlmanac(Almanac::Korea);
    Application->CreateForm(Form1);
    Form1->show();
    Form1->Edit1->setText(QString::number(state.range(0)));
    Form1->Edit2->setText(QStringLiteral("3"));
    for (auto _ : state) {
        Form1->Button1->click();
        QApplication::processEvents();
    }
    SetWindowAlmanac(Almanac::Classic);
}
BENCHMARK(BM_PressKorea)->Arg(2026)->Arg(2076)->Unit(benchmark::kMillisecond)->Iterations(200);

// The same 1,000-line events file as scripts/bench.sh makes: 500 lunar
// anniversaries (every 40th of a leap month), 250 yearly days, 250 single days.
std::string ThousandEvents()
{
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        const std::string month = std::to_string(i % 12 + 1);
        if (i % 4 < 2) {
            text += "lunar " + std::string(i % 40 == 0 ? "leap" : "") + month + "-" + std::to_string(i % 30 + 1);
            text += " anniversary " + std::to_string(i) + "\n";
        } else if (i % 4 == 2) {
            text += "solar " + month + "-" + std::to_string(i % 28 + 1) + " birthday " + std::to_string(i) + "\n";
        } else {
            text += std::to_string(2020 + i % 21) + "-" + month + "-" + std::to_string(i % 28 + 1) + " meeting " +
                    std::to_string(i) + "\n";
        }
    }
    return text;
}

// A press with Korea's almanac and its notes below the month, the user's
// 1,000 events among them (2026-07: some 80 of them fall in the month).
void BM_PressKoreaWithEvents(benchmark::State& state)
{
    UserDates user;
    user.events = ParseEventsFile(ThousandEvents()).events;
    SetWindowUserDates(std::move(user), "events");
    SetWindowAlmanac(Almanac::Korea);
    Application->CreateForm(Form1);
    Form1->show();
    Form1->Edit1->setText(QStringLiteral("2026"));
    Form1->Edit2->setText(QStringLiteral("7"));
    for (auto _ : state) {
        Form1->Button1->click();
        QApplication::processEvents();
    }
    state.counters["memo_lines"] = Form1->Memo1->blockCount();
    SetWindowAlmanac(Almanac::Classic);
    SetWindowUserDates({}, {});
}
BENCHMARK(BM_PressKoreaWithEvents)->Unit(benchmark::kMillisecond)->Iterations(200);

// The month view (dalcal --calendar) moving to the next month with the
// user's 1,000 events: the grid, its notes and the reading made again, and
// what Qt lays out and paints of them.
void BM_MonthViewNextMonth(benchmark::State& state)
{
    const std::string file = "/tmp/dalcal-bench-events-" + std::to_string(getpid());
    std::ofstream(file, std::ios::binary) << ThousandEvents();
    SetMonthViewUserFiles({file, false, {}, std::nullopt, std::nullopt});
    MonthView* view = nullptr;
    Application->CreateForm(view);
    view->show();
    view->Select({2026, 1, 15});
    QApplication::processEvents();
    for (auto _ : state) {
        view->MoveMonths(1);
        view->repaint();  // laid out and painted now, as the next frame would
        QApplication::processEvents();
    }
    SetMonthViewUserFiles({});
    (void)std::remove(file.c_str());
}
BENCHMARK(BM_MonthViewNextMonth)->Unit(benchmark::kMillisecond)->Iterations(200);

// The month view made and shown, as at start (the window's own part of it).
void BM_MonthViewStart(benchmark::State& state)
{
    for (auto _ : state) {
        MonthView* view = nullptr;
        Application->CreateForm(view);
        view->show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_MonthViewStart)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication application;
    Application = &application;
    application.Initialize();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Application = nullptr;
    return 0;
}
