#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once as released, once
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" build run
export QT_QPA_PLATFORM=offscreen

"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure

"$root/scripts/build.sh" "$root/build-sanitize" -DDALCAL_SANITIZE=ON -DDALCAL_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions="$root/tests/lsan.supp" \
    ctest --test-dir "$root/build-sanitize" --output-on-failure
