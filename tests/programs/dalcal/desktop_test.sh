#!/usr/bin/env bash
# The window as a desktop runs it:
#   - read and driven through AT-SPI as a screen reader does (atspi_drive.py;
#     the month view, dalcal --calendar: atspi_month_view.py, and its own
#     dates added, changed, removed and undone: atspi_dates.py),
#     on X11 (Xvfb) and as a Wayland client (weston's headless backend); asked
#     to end (SIGTERM, as when the session ends), it closes and exits 0, and it
#     writes nothing on stderr but the one bad line of the events file, which
#     each window also shows (Qt's platform plugins included);
#   - the window test (Qt Test) run as a Wayland client, with no warning.
# Each under its own D-Bus session, display and runtime folder; the user's
# real configuration is never read. (The D-Bus daemons' own notes on stderr
# are let through.)
# Usage: desktop_test.sh DALCAL WINDOW_TEST
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [[ ${1:-} == --driven ]]; then  # inside a D-Bus session: one platform
    platform=$2 dalcal=$3 work=$4
    expected_err="$work/config/dalcal/events:2: month 2 has no day 30"
    QT_QPA_PLATFORM=$platform QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$dalcal" --almanac korea \
        2>"$work/dalcal-$platform.err" &
    pid=$!
    /usr/bin/python3 "$here/atspi_drive.py" 2>&1
    drove=$?
    kill -TERM "$pid"
    wait "$pid"
    status=$?
    [[ $status -eq 0 ]] || echo "dalcal on $platform ended with status $status when asked to end"
    quiet() {  # FILE: stderr held the bad line of the events file and nothing else
        [[ $(cat "$1") == "$expected_err" ]]
    }
    quiet "$work/dalcal-$platform.err" || { echo "dalcal on $platform wrote on stderr:"; cat "$work/dalcal-$platform.err"; }
    # The month view, in English (its buttons' names), the keyboard where the
    # registry can send keys (X11).
    LC_ALL=C.UTF-8 QT_QPA_PLATFORM=$platform QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$dalcal" --calendar \
        2>"$work/calendar-$platform.err" &
    pid=$!
    keyboard=
    [[ $platform == xcb ]] && keyboard=--keyboard
    /usr/bin/python3 "$here/atspi_month_view.py" $keyboard 2>&1
    viewed=$?
    # The user's own dates through the dialog and the menu; the file as it was after.
    cp "$work/config/dalcal/events" "$work/events-before"
    [[ $viewed -eq 0 ]] && { /usr/bin/python3 "$here/atspi_dates.py" "$work/config/dalcal/events" 2>&1; viewed=$?; }
    cp "$work/events-before" "$work/config/dalcal/events"
    kill -TERM "$pid"
    wait "$pid"
    calendarStatus=$?
    [[ $calendarStatus -eq 0 ]] || echo "dalcal --calendar on $platform ended with status $calendarStatus"
    quiet "$work/calendar-$platform.err" ||
        { echo "dalcal --calendar on $platform wrote on stderr:"; cat "$work/calendar-$platform.err"; }
    quiet "$work/dalcal-$platform.err" && quiet "$work/calendar-$platform.err" &&
        [[ $drove -eq 0 && $status -eq 0 && $viewed -eq 0 && $calendarStatus -eq 0 ]]
    exit
fi

dalcal=$1
window_test=$2
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/config/dalcal" "$work/runtime"
chmod 700 "$work/runtime"
# A line the program cannot read, which both windows name (and stderr).
printf '음력 1-5 어머니 생신\n양력 2-30 잘못된 줄\n' >"$work/config/dalcal/events"
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY
failures=0

# Waits up to 10 s for a test (of test(1)) to hold: wait_for -s FILE.
wait_for() {
    for _ in $(seq 100); do test "$@" && return 0; sleep 0.1; done
    return 1
}

echo "== X11 (Xvfb): AT-SPI"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
if wait_for -s "$work/display"; then
    DISPLAY=:$(cat "$work/display") dbus-run-session -- bash "$0" --driven xcb "$dalcal" "$work" 2>/dev/null ||
        failures=$((failures + 1))
else
    echo "Xvfb did not start"
    failures=$((failures + 1))
fi

echo "== Wayland (weston, headless): AT-SPI, and the window test"
weston --backend=headless-backend.so --socket=dalcal-test --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
if wait_for -S "$work/runtime/dalcal-test"; then
    export WAYLAND_DISPLAY=dalcal-test
    # Under the sanitizers, no leak check here: Qt's Wayland plugin leaves
    # allocations of libwayland-client at exit (some 700 bytes, none ours,
    # whose leaks the X11 run and the window test catch).
    export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
    dbus-run-session -- bash "$0" --driven wayland "$dalcal" "$work" 2>/dev/null || failures=$((failures + 1))
    # Without its soak: on a compositor that draws nothing, each of its
    # thousands of presses waits for a frame that never comes.
    QT_QPA_PLATFORM=wayland DALCAL_SKIP_SOAK=1 timeout 300 "$window_test" >"$work/window_test.log" 2>&1
    status=$?
    if [[ $status -ne 0 ]] || grep -E 'QWARN|qt\.qpa|[Ww]arning' "$work/window_test.log"; then
        echo "the window test as a Wayland client: status $status"
        tail -20 "$work/window_test.log"
        failures=$((failures + 1))
    else
        grep -E '^Totals' "$work/window_test.log"
    fi
else
    echo "weston did not start:"
    cat "$work/weston.log"
    failures=$((failures + 1))
fi

[[ $failures -eq 0 ]] && echo "desktop: all passed"
exit $((failures > 0))
