#!/usr/bin/env bash
# Takes the README's screenshot of Korea's almanac with its notes from the
# running window: dalcal --almanac korea under a fresh Xvfb, with a sample
# events file, February 2027 typed and the button pressed as a user would
# (xdotool), the window captured (ImageMagick).
# Usage: scripts/screenshot.sh [PATH/TO/dalcal [OUTPUT.png]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dalcal=${1:-$root/build/bin/dalcal}
output=${2:-$root/docs/screenshot-korea.png}
work=$(mktemp -d)
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x800x24 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb $app 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
app=
until [[ -s $work/display ]]; do sleep 0.05; done
export DISPLAY=:$(cat "$work/display") HOME=$work
unset XDG_CONFIG_HOME
mkdir -p "$work/.config/dalcal"
cat >"$work/.config/dalcal/events" <<'EVENTS'
음력 1-5 어머니 생신
2027-02-14 이사
EVENTS
"$dalcal" --almanac korea &
app=$!
window=$(xdotool search --sync --name '^Form1$' | head -1)
sleep 0.5
type_into() {  # x y text: a box at window coordinates
    xdotool mousemove --window "$window" "$1" "$2" click 1 key ctrl+a BackSpace type "$3"
}
type_into 588 450 2027
type_into 716 450 2
xdotool mousemove --window "$window" 840 448 click 1
sleep 0.5
import -window "$window" "$output"
echo "wrote $output"
