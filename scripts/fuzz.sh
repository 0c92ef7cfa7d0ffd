#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60)
# from the seed corpora in tests/fuzz/corpus; new inputs go to a scratch folder.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (targets: print_month format almanac arguments date_files events_writer
# c_interface)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(print_month format almanac arguments date_files events_writer c_interface)

"$root/scripts/install-deps.sh" build check
CC=clang-14 CXX=clang++-14 "$root/scripts/build.sh" "$root/build-fuzz" -DDALCAL_FUZZ=ON

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in "${targets[@]}"; do
    echo "== fuzzing $target for $seconds s"
    mkdir -p "$scratch/$target"
    status=0
    (cd "$scratch" && "$root/build-fuzz/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" \
        -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$scratch/" "$scratch/$target" \
        "$root/tests/fuzz/corpus/$target") >"$scratch/$target.log" 2>&1 || status=$?
    grep -E '^(stat::|Done|SUMMARY|==[0-9]+==ERROR)' "$scratch/$target.log" || true
    if [[ $status -ne 0 ]]; then
        tail -n 40 "$scratch/$target.log"
        cp "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$root/build-fuzz/" 2>/dev/null || true
        echo "fuzzing $target failed (status $status); the input is in build-fuzz/" >&2
        exit 1
    fi
done
