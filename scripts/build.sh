#!/usr/bin/env bash
# Configures and builds into a build folder: everything (programs, tests,
# benchmarks and every check) unless options after the folder say otherwise.
# The defaults are passed every time, so a folder configured for less earlier
# gets all again. Warnings are errors where DALCAL_WARNINGS_AS_ERRORS=ON (the
# test command sets it), never in a build for use.
# Usage: scripts/build.sh DIR [CMAKE OPTIONS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DDALCAL_BUILD_WINDOW=ON -DDALCAL_BUILD_BENCH=ON -DDALCAL_ICU_COMPARE=ON -DDALCAL_MEMCHECK=ON -DDALCAL_CLIENT_CHECKS=ON -DDALCAL_PYTHON=ON -DDALCAL_DESKTOP_CHECKS=ON \
    -DDALCAL_SANITIZE=OFF -DDALCAL_FUZZ=OFF \
    -DCMAKE_COMPILE_WARNING_AS_ERROR="${DALCAL_WARNINGS_AS_ERRORS:-OFF}" "$@" >/dev/null
cmake --build "$dir"
