#!/usr/bin/env bash
# Static analysis of our own code: clang-format (as committed in
# .clang-format), clang-tidy (.clang-tidy) and cppcheck. Any finding fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh" build check

mapfile -t sources < <(git ls-files '*.cpp' '*.h' '*.c' | grep -v '^tests/fuzz/corpus/')

echo "== clang-format"
clang-format --dry-run --Werror "${sources[@]}"

echo "== clang-tidy"
# The build's own compile commands, less the CP949 literal options that only
# GCC takes (clang-tidy reads the sources as the UTF-8 they are).
"$root/scripts/build.sh" "$root/build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
mkdir -p "$root/build-lint"
sed -e 's/ -fexec-charset=CP949//g' -e 's/ -finput-charset=UTF-8//g' \
    "$root/build/compile_commands.json" >"$root/build-lint/compile_commands.json"
mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep '\.cpp$' | grep -v '^tests/fuzz/')
run-clang-tidy -quiet -p "$root/build-lint" -j "$(nproc)" "${units[@]/#/$root/}" >"$root/build-lint/clang-tidy.log" 2>&1 ||
    { grep -E 'warning:|error:' -A3 "$root/build-lint/clang-tidy.log" | head -200; exit 1; }

echo "== cppcheck"
# Every folder of the program's own code (the layers and the programs); the
# includes name their folder from the tree's root.
folders=(runtime text astronomy engine input report shell userdata formats print_request libdalcal programs/dalcal
    programs/dalcal-print programs/dalcal-page)
cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ --inline-suppr \
    --enable=warning,performance,portability --suppress=missingIncludeSystem \
    -I. "${folders[@]}"
# The C of the Python module and of the test that uses the library as C.
cppcheck --quiet --error-exitcode=1 --std=c11 --language=c --inline-suppr \
    --enable=warning,performance,portability --suppress=missingIncludeSystem \
    -Ilibdalcal/include bindings/python tests/c_interface_from_c.c
echo "lint: clean"
