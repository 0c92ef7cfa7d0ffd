#!/usr/bin/env bash
# Takes the README's pictures of the month view from the running program:
# dalcal --calendar under a fresh Xvfb with a sample events file, February
# 2027 typed into its box as a user would (xdotool), the window captured
# (ImageMagick); once in the default light palette, once in GTK's Adwaita
# dark through Qt's GTK platform theme, as a dark GNOME desktop gives it; and
# the dialog of a new date, opened with Insert on 설날 전날 and turned to 음력.
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
음력 1-5 어머니 생신  #: 종류=생일 시작=1954 알림=7
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

# The dialog: the 6th (lunar 12.30) chosen, Insert, a name typed, Tab to the
# calendar's radio buttons and Right to 음력.
QT_QPA_PLATFORMTHEME= "$dalcal" --calendar 2027-02-06 &
app=$!
window=$(xdotool search --sync --onlyvisible --name '^dalcal$' | head -1)
sleep 0.5
xdotool windowfocus --sync "$window" key Insert
dialog=$(xdotool search --sync --onlyvisible --name '^내 날짜$' | head -1)
sleep 0.3
xdotool windowfocus --sync "$dialog" type --delay 120 '할아버지 기일'
xdotool key Tab Right
sleep 0.5
import -window "$dialog" "$folder/calendar-dialog.png"
echo "wrote $folder/calendar-dialog.png"
