#!/usr/bin/env bash
# Installs what is missing, builds and runs every test and check, with
# warnings as errors:
#   1. the test suite (GoogleTest, Qt Test, dalcal-print end to end, the window
#      test under Valgrind memcheck, the window driven through AT-SPI on Xvfb
#      and as a Wayland client under weston), built with GCC (RelWithDebInfo);
#   2. the same suite built for release with GCC and built with clang;
#   3. static analysis: clang-format, clang-tidy, cppcheck;
#   4. each libFuzzer target for FUZZ_SECONDS (default 60);
#   5. the Debian package: built, checked, unpacked into a scratch folder and run
#      (never installed);
#   6. the test suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" build run check
export QT_QPA_PLATFORM=offscreen
export DALCAL_WARNINGS_AS_ERRORS=ON

echo "== test suite"
"$root/scripts/build.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure

echo "== test suite, release build (GCC)"
"$root/scripts/build.sh" "$root/build-release" -DCMAKE_BUILD_TYPE=Release -DDALCAL_BUILD_BENCH=OFF -DDALCAL_MEMCHECK=OFF
ctest --test-dir "$root/build-release" --output-on-failure -j "$(nproc)"

echo "== test suite, clang"
CC=clang-14 CXX=clang++-14 "$root/scripts/build.sh" "$root/build-clang" -DDALCAL_MEMCHECK=OFF
ctest --test-dir "$root/build-clang" --output-on-failure -j "$(nproc)"

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
