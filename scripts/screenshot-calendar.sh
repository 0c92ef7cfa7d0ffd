#!/usr/bin/env bash
# Takes the README's pictures of the month view from the running program:
# dalcal --calendar under a fresh Xvfb with a sample events file, February
# 2027 typed into its box as a user would (xdotool), the window captured
# (ImageMagick); once in the default light palette, once in GTK's Adwaita
# dark through Qt's GTK platform theme, as a dark GNOME desktop gives it.
# Usage: scripts/screenshot-calendar.sh [PATH/TO/dalcal [OUTPUT_FOLDER]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dalcal=${1:-$root/build/bin/dalcal}
folder=${2:-$root/docs}
"$root/scripts/install-deps.sh" bench
work=$(mktemp -d)
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x800x24 3>"$work/display" 2>/dev/null &
xvfb=$!
app=
trap 'kill $xvfb $app 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
until [[ -s $work/display ]]; do sleep 0.05; done
export DISPLAY=:$(cat "$work/display") HOME=$work LANG=ko_KR.UTF-8 XDG_RUNTIME_DIR=$work
unset XDG_CONFIG_HOME LANGUAGE LC_ALL LC_MESSAGES
# The Korean locale, made from Debian's definitions where the machine has none.
if ! locale -a | grep -qi '^ko_KR.utf-\?8$'; then
    export LOCPATH=$work/locales
    mkdir -p "$LOCPATH"
    localedef -i ko_KR -f UTF-8 "$LOCPATH/ko_KR.UTF-8"
fi
mkdir -p "$work/.config/dalcal"
cat >"$work/.config/dalcal/events" <<'EVENTS'
음력 1-5 어머니 생신
2027-02-14 이사
EVENTS

picture() {  # output, then the environment to run in
    local output=$1
    shift
    env "$@" "$dalcal" --calendar &
    app=$!
    local window
    window=$(xdotool search --sync --onlyvisible --name '^dalcal$' | head -1)
    sleep 0.5
    xdotool windowfocus --sync "$window" key ctrl+g type '2027 2'
    xdotool key Return
    sleep 0.5
    import -window "$window" "$output"
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
    echo "wrote $output"
}
picture "$folder/calendar-light.png" QT_QPA_PLATFORMTHEME=
picture "$folder/calendar-dark.png" QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
