#!/usr/bin/env bash
# Configures and builds into a build folder: everything (programs, tests,
# benchmarks) unless options after the folder say otherwise. The defaults are
# passed every time, so a folder configured for less earlier gets all again.
# Usage: scripts/build.sh DIR [CMAKE OPTIONS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DDALCAL_BUILD_WINDOW=ON -DDALCAL_BUILD_BENCH=ON -DDALCAL_SANITIZE=OFF -DDALCAL_FUZZ=OFF "$@" >/dev/null
cmake --build "$dir"
