#!/usr/bin/env bash
# Configures, builds and tests dalcal the ways people build it, each in a
# folder of its own under DIR (default build-kinds): the build types, Debian's
# own flags (dpkg-buildflags, build type None), a stricter FORTIFY level, with
# GCC and with clang. Warnings are not errors here, as for a packager; they are
# counted. Prints one line a kind and fails if any kind fails.
# Usage: scripts/try-builds.sh [DIR [KIND...]]
#   kinds: release relwithdebinfo debug debian fortify3 clang-release clang-debug
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
base=${1:-$root/build-kinds}
shift || true
kinds=("$@")
[[ ${#kinds[@]} -gt 0 ]] || kinds=(release relwithdebinfo debug debian fortify3 clang-release clang-debug)
"$root/scripts/install-deps.sh" build run check
export QT_QPA_PLATFORM=offscreen

try() {  # try KIND: configure, build and test one kind in a clean environment
    local kind=$1 type=Release cc=gcc cxx=g++ cxxflags="" ldflags=""
    case $kind in
        release) ;;
        relwithdebinfo) type=RelWithDebInfo ;;
        debug) type=Debug ;;
        debian)
            type=None
            cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
            ldflags=$(dpkg-buildflags --get LDFLAGS)
            ;;
        fortify3) cxxflags="-Wp,-D_FORTIFY_SOURCE=3" ;;
        clang-release) cc=clang-14 cxx=clang++-14 ;;
        clang-debug) type=Debug cc=clang-14 cxx=clang++-14 ;;
        *) echo "unknown kind $kind" >&2; return 1 ;;
    esac
    local dir=$base/$kind
    rm -rf "$dir"
    CC=$cc CXX=$cxx CXXFLAGS=$cxxflags LDFLAGS=$ldflags \
        cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=$type -DBUILD_TESTING=ON \
        -DDALCAL_BUILD_BENCH=OFF -DDALCAL_MEMCHECK=OFF >"$dir.log" 2>&1 || { echo "$kind: configure failed (see $dir.log)"; return 1; }
    cmake --build "$dir" >>"$dir.log" 2>&1 || { echo "$kind: build failed (see $dir.log)"; return 1; }
    local warnings
    warnings=$(grep -c 'warning:' "$dir.log" || true)
    ctest --test-dir "$dir" -j "$(nproc)" >>"$dir.log" 2>&1 || { echo "$kind: tests failed (see $dir.log)"; return 1; }
    echo "$kind: built ($type, $cxx, $warnings warnings); $(grep -E '^[0-9]+% tests passed' "$dir.log" | tail -1)"
}

mkdir -p "$base"
failed=0
for kind in "${kinds[@]}"; do try "$kind" || failed=1; done
exit "$failed"
