#!/usr/bin/env bash
# Time from starting dalcal to its window being shown, under Xvfb.
# Usage: scripts/measure-startup.sh PATH/TO/dalcal [RUNS]
set -euo pipefail
program=$1
runs=${2:-20}
display=:97
Xvfb "$display" -screen 0 1920x1080x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display

times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$program" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name '^Form1$' >/dev/null 2>&1; do sleep 0.002; done
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { printf "start to window shown: median %d ms, min %d ms, max %d ms over %d runs\n", a[int((NR + 1) / 2)], a[1], a[NR], NR }'
