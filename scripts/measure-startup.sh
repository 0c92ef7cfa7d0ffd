#!/usr/bin/env bash
# Time from starting dalcal to its window being mapped (shown), under a fresh
# Xvfb. xev watches the root window, so nothing polls the X server meanwhile.
# Usage: scripts/measure-startup.sh PATH/TO/dalcal [RUNS [ARGUMENTS...]]
set -euo pipefail
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

times=()
for run in $(seq "$runs"); do
    xev -root -event substructure >"$events" &
    watcher=$!
    sleep 0.3  # xev is listening
    start=$(date +%s%N)
    "$program" "${arguments[@]}" >/dev/null 2>&1 &
    pid=$!
    until grep -q MapNotify "$events"; do
        kill -0 "$pid" 2>/dev/null || { echo "run $run: dalcal ended before its window was shown" >&2; exit 1; }
        sleep 0.001
    done
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
    kill "$pid" "$watcher"
    wait "$pid" "$watcher" 2>/dev/null || true
done
printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { printf "start to window shown: median %d ms, min %d ms, max %d ms over %d runs\n", a[int((NR + 1) / 2)], a[1], a[NR], NR }'
