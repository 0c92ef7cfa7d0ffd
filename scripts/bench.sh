#!/usr/bin/env bash
# Installs what is missing, builds and runs every measurement of docs/performance.md.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" build run bench check  # the build folder holds the checks too
"$root/scripts/build.sh" "$root/build"
export XDG_CONFIG_HOME="$root/build/bench-config"  # never the user's own dates
cd "$root"

echo "== engine and report (Google Benchmark)"
build/bench/dalcal_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
echo "== libdalcal: the C interface beside the engine (Google Benchmark), the Python module beside PyICU"
build/bench/c_interface_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
PYTHONPATH=build/python /usr/bin/python3 bench/python_bench.py
echo "== window presses (Google Benchmark, offscreen)"
build/bench/window_bench
echo "== start to window shown (Xvfb), alternating with a minimal Qt window of the same four widgets"
scripts/measure-startup.sh --versus build/bench/minimal_window build/bin/dalcal 60
scripts/measure-startup.sh --versus build/bench/minimal_window build/bin/dalcal 60 --almanac korea
echo "== whole processes (hyperfine)"
hyperfine -N --warmup 100 --runs 2000 \
    'build/bin/dalcal-print 2026 7' 'lunar 2026 7 1' 'build/bin/dalcal-print 2026' 'cal -y 2026' \
    'build/bin/dalcal-print --holidays 2026' 'build/bin/dalcal-print --terms 2026' \
    'build/bin/dalcal-print --encoding cp949 2026 7' 'build/bin/dalcal-print --almanac classic 2026 7' 'true'
echo "== dates that leave the program (hyperfine)"
hyperfine -N --warmup 20 --runs 300 \
    'build/bin/dalcal-print 2027-02-07' 'lunar 2026 7 1' 'build/bin/dalcal-print 2026 7' \
    'build/bin/dalcal-print --ics --holidays 2014-2100' 'build/bin/dalcal-print --json --holidays 2014-2100' \
    'build/bin/dalcal-print --terms 1900-2100 --json'
echo "== your own dates: a month and --events with a 1,000-line events file (hyperfine)"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/none" "$scratch/mine/dalcal"
# 500 lunar anniversaries (every 40th of a leap month), 250 yearly days, 250 single days.
awk 'BEGIN { for (i = 0; i < 1000; i++) {
    m = i % 12 + 1; d = i % 28 + 1
    if (i % 4 < 2) printf "음력 %s%d-%d 기념일 %d\n", (i % 40 == 0 ? "윤" : ""), m, (i % 30) + 1, i
    else if (i % 4 == 2) printf "양력 %d-%d 생일 %d\n", m, d, i
    else printf "%d-%02d-%02d 약속 %d\n", 2020 + i % 21, m, d, i } }' >"$scratch/mine/dalcal/events"
# Side by side in one run: the events file given by name, no other read.
XDG_CONFIG_HOME=$scratch/none hyperfine -N --warmup 300 --runs 4000 'build/bin/dalcal-print 2026 7' \
    "build/bin/dalcal-print --events-file $scratch/mine/dalcal/events 2026 7" \
    'build/bin/dalcal-print --ics --holidays 2014-2100'
XDG_CONFIG_HOME=$scratch/mine hyperfine -N --warmup 5 --runs 50 'build/bin/dalcal-print --events 2026-2100 --json'
echo "== what's coming and the compact year, side by side with the month and cal -y (hyperfine)"
XDG_CONFIG_HOME=$scratch/none hyperfine -N --warmup 100 --runs 1000 'build/bin/dalcal-print --no-events 2026 12' \
    "build/bin/dalcal-print --events-file $scratch/mine/dalcal/events 2026 12" \
    "build/bin/dalcal-print --events-file $scratch/mine/dalcal/events --upcoming 30" \
    'build/bin/dalcal-print --layout compact --no-events 2026' 'cal -y 2026'
