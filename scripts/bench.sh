#!/usr/bin/env bash
# Installs what is missing, builds and runs every measurement of docs/performance.md.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" build run bench
"$root/scripts/build.sh" "$root/build"
cd "$root"

echo "== engine and report (Google Benchmark)"
build/bench/dalcal_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
echo "== window presses (Google Benchmark, offscreen)"
build/bench/window_bench
echo "== start to window shown (Xvfb)"
scripts/measure-startup.sh build/app/dalcal 30
echo "== whole processes (hyperfine)"
hyperfine -N --warmup 100 --runs 2000 \
    'build/app/dalcal-print 2026 7' 'lunar 2026 7 1' 'build/app/dalcal-print 2026' 'cal -y 2026' \
    'build/app/dalcal-print --holidays 2026' 'build/app/dalcal-print --terms 2026' \
    'build/app/dalcal-print --encoding cp949 2026 7' 'build/app/dalcal-print --almanac classic 2026 7' 'true'
echo "== dates that leave the program (hyperfine)"
hyperfine -N --warmup 20 --runs 300 \
    'build/app/dalcal-print 2027-02-07' 'lunar 2026 7 1' 'build/app/dalcal-print 2026 7' \
    'build/app/dalcal-print --ics --holidays 2014-2100' 'build/app/dalcal-print --json --holidays 2014-2100' \
    'build/app/dalcal-print --terms 1900-2100 --json'
