#!/usr/bin/env bash
# Time from starting a window program to its window being mapped (shown),
# under a fresh Xvfb. xev watches the root window, so nothing polls the X
# server meanwhile. With --versus, runs of OTHER (started with no arguments)
# and of PROGRAM alternate, so that both see the same machine, and the ratio
# of their medians is printed too.
# Usage: scripts/measure-startup.sh [--versus OTHER] PATH/TO/dalcal [RUNS [ARGUMENTS...]]
set -euo pipefail
other=
if [[ ${1:-} == --versus ]]; then
    other=$2
    shift 2
fi
program=$1
runs=${2:-20}
shift $(($# < 2 ? $# : 2))
arguments=("$@")
events=$(mktemp)
display_number=$(mktemp)
Xvfb -displayfd 1 -nolisten tcp -noreset -screen 0 1920x1080x24 >"$display_number" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb; wait $xvfb 2>/dev/null; rm -f "$events" "$display_number"' EXIT
until [[ -s "$display_number" ]]; do sleep 0.01; done  # written once the server accepts clients
export DISPLAY=":$(cat "$display_number")"
until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done  # and answers

# Milliseconds from starting the command to its window shown.
time_to_window() {
    xev -root -event substructure >"$events" &
    local watcher=$!
    sleep 0.3  # xev is listening
    local start end pid
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until grep -q MapNotify "$events"; do
        kill -0 "$pid" 2>/dev/null || { echo "$1 ended before its window was shown" >&2; exit 1; }
        sleep 0.001
    done
    end=$(date +%s%N)
    kill "$pid" "$watcher"
    wait "$pid" "$watcher" 2>/dev/null || true
    echo $(((end - start) / 1000000))
}

# The median, min and max of the numbers on stdin, as "median min max".
summary() {
    sort -n | awk '{ a[NR] = $1 } END { printf "%d %d %d %d\n", a[int((NR + 1) / 2)], a[1], a[NR], NR }'
}

program_times=()
other_times=()
for _ in $(seq "$runs"); do
    [[ -n $other ]] && other_times+=("$(time_to_window "$other")")
    program_times+=("$(time_to_window "$program" "${arguments[@]}")")
done
read -r median min max count < <(printf '%s\n' "${program_times[@]}" | summary)
echo "start to window shown: median $median ms, min $min ms, max $max ms over $count runs"
if [[ -n $other ]]; then
    read -r other_median other_min other_max _ < <(printf '%s\n' "${other_times[@]}" | summary)
    echo "$(basename "$other") alongside: median $other_median ms, min $other_min ms, max $other_max ms;" \
        "ratio of medians $(awk -v a="$median" -v b="$other_median" 'BEGIN { printf "%.2f", a / b }')"
fi
