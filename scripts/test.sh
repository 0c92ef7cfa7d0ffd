#!/usr/bin/env bash
# Installs what is missing, builds and runs every test and check:
#   1. the test suite (GoogleTest, Qt Test, dalcal-print end to end, the window
#      test under Valgrind memcheck);
#   2. static analysis: clang-format, clang-tidy, cppcheck;
#   3. each libFuzzer target for FUZZ_SECONDS (default 60);
#   4. the Debian package: built, installed with dpkg, run, removed;
#   5. the test suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" build run check
export QT_QPA_PLATFORM=offscreen

echo "== test suite"
"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure

echo "== static analysis"
"$root/scripts/lint.sh"

echo "== fuzzing"
"$root/scripts/fuzz.sh" "${FUZZ_SECONDS:-60}"

echo "== Debian package"
"$root/scripts/package-test.sh"

echo "== test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
"$root/scripts/build.sh" "$root/build-sanitize" -DDALCAL_SANITIZE=ON -DDALCAL_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build-sanitize" --output-on-failure
