#!/usr/bin/env bash
# dalcal --remind against a real notification server: dunst, on Xvfb, in its
# own D-Bus session, read back with dunstctl.
#   - the reminders due today sent, in the words of dalcal-print --upcoming
#     (English and Korean), a birthday's age counted;
#   - once a day however often it runs (the log of reminders sent);
#   - a click on one opens the month view at its day;
#   - no notification server, or no session bus: one line, status 1, nothing
#     recorded as sent.
# Each run in a scratch home: the user's real files are never read.
# Usage: reminders_test.sh DALCAL
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [[ ${1:-} == --in-session ]]; then  # inside the D-Bus session, with DISPLAY
    dalcal=$2 work=$3
    source "$here/../../checks.sh"
    program=$dalcal
    state=$XDG_STATE_HOME/dalcal/reminders
    in3=$(date -d '+3 days' +%-m-%-d)
    today=$(date +%-m-%-d)
    born=$(($(date +%Y) - 72))
    printf '# 우리 집\n양력 %s 할머니 제사  #: 종류=기일 알림=3\n양력 %s 어머니 생신  #: 종류=생일 시작=%s 알림=0\n양력 %s 알림 없는 날\n' \
        "$in3" "$today" "$born" "$today" >"$XDG_CONFIG_HOME/dalcal/events"
    summaries() {  # the summaries dunst shows and keeps, sorted
        { dunstctl history | jq -r '.data[0][].summary.data'; } | sort
    }

    program=$(dirname "$dalcal")/dalcal-remind  # the sender dalcal --remind hands over to
    run --remind --bogus
    check "the sender: a wrong argument is a usage error" \
        test "$status" -eq 2 -a "$(head -1 "$work/err")" = "dalcal: unknown argument '--bogus'"
    program=$dalcal

    XDG_CONFIG_HOME=$work/no-dates run --remind
    check "nothing due: status 0, nothing said, no server asked for" \
        test "$status" -eq 0 -a ! -s "$work/err" -a ! -s "$work/out"

    run --remind
    check "no server yet: status 1" test "$status" -eq 1
    check "no server yet: one line saying so" grep -qx "dalcal: cannot send reminders: no notification server on the session bus (.*)" "$work/err"
    check "no server yet: nothing recorded as sent" test ! -e "$state"

    printf '[global]\n    timeout = 0\n' >"$work/dunstrc"
    dunst -config "$work/dunstrc" >"$work/dunst.log" 2>&1 &
    dunst_pid=$!
    for _ in $(seq 50); do dunstctl is-paused >/dev/null 2>&1 && break; sleep 0.1; done

    LANGUAGE=ko run --remind --no-wait
    check "sent: status 0, nothing said" test "$status" -eq 0 -a ! -s "$work/err" -a ! -s "$work/out"
    check "sent: two on the screen" test "$(dunstctl count displayed)" -eq 2
    dunstctl close-all
    sleep 0.3
    check "sent: the words of what is coming, the age counted" grep -qx "오늘 · 어머니 생신 (만 72세)" <(summaries)
    check "sent: three days ahead, with its day" grep -q "^3일 남음 · $(date -d '+3 days' +%-m월\ %-d일)(.) 할머니 제사$" <(summaries)
    check "sent: by dalcal, the date's reading in the body" \
        test "$(dunstctl history | jq -r '[.data[0][].appname.data] | unique | join(",")')" = dalcal
    check "recorded: both, today" test "$(grep -c "^$(date +%F)	" "$state")" -eq 2

    run --remind --no-wait
    check "again the same day: status 0" test "$status" -eq 0
    check "again the same day: nothing sent twice" test "$(dunstctl count displayed)" -eq 0 -a "$(summaries | wc -l)" -eq 2

    # A click opens the month view at the day: a reminder not yet sent today.
    rm "$state"
    LC_ALL=C.UTF-8 "$dalcal" --remind >"$work/out" 2>"$work/err" &
    waiting=$!
    for _ in $(seq 50); do [[ $(dunstctl count displayed) -eq 2 ]] && break; sleep 0.1; done
    dunstctl action 0 2>/dev/null
    days="--calendar ($(date +%F)|$(date -d '+3 days' +%F))"  # whichever dunst shows first
    opened=
    for _ in $(seq 50); do
        opened=$(pgrep -af -- "$days") && break
        sleep 0.1
    done
    check "a click opens the month view at the day" test -n "$opened"
    pkill -f -- "$days"
    dunstctl close-all
    sleep 0.3
    check "in English: 'today'" grep -qx "today · 어머니 생신 (만 72세)" <(summaries)
    for _ in $(seq 50); do kill -0 "$waiting" 2>/dev/null || break; sleep 0.1; done
    check "waits no more once its notifications are closed" bash -c "! kill -0 $waiting 2>/dev/null"
    wait "$waiting"
    check "after the wait: status 0" test $? -eq 0

    # A log that cannot be read or written (a folder in its place): said, by
    # its name, and the status says nothing was kept.
    dunstctl close-all
    rm -f "$state"
    mkdir "$state"
    run --remind --no-wait
    check "an unwritable log: status 1" test "$status" -eq 1
    check "an unwritable log: said once" \
        test "$(cat "$work/err")" = "dalcal: cannot save $state: it is a folder, not a file"
    rmdir "$state"  # nothing recorded, for the next run's check

    kill "$dunst_pid"
    DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus run --remind --no-wait
    check "no session bus: status 1 and why" test "$status" -eq 1 -a "$(grep -c 'no session bus' "$work/err")" -eq 1
    check "no session bus: nothing recorded as sent" test ! -e "$state"
    finish
    exit
fi

dalcal=$1
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/config/dalcal" "$work/state" "$work/runtime" "$work/home"
chmod 700 "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/runtime
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
unset LANGUAGE WAYLAND_DISPLAY
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
DISPLAY=:$(cat "$work/display") dbus-run-session --config-file="$here/session-bus.conf" -- \
    bash "$0" --in-session "$dalcal" "$work" 2>&1 |
    grep -v 'Failed to set fd limit'
