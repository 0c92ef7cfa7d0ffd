#!/usr/bin/env bash
# The events file's writer under faults, through dalcal-print --add-event
# and --remove-event:
#   - a failed write (ENOSPC), rename (EIO) or fsync (EIO), injected by
#     strace: status 1, one message naming the file and why, the file byte
#     for byte as it was, no temporary file left;
#   - killed (SIGKILL) at random moments a thousand times: the file is always
#     the old text or the new one, whole;
#   - another process appending while a write waits in fsync: both lines kept;
#   - a folder the user may not write (as an ordinary user): the message, the
#     file untouched.
# Usage: events_writer_faults.sh DALCAL_PRINT
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/checks.sh"
export XDG_CONFIG_HOME=$work/config LC_ALL=C.UTF-8
unset LANGUAGE
# Under the sanitizers: LeakSanitizer does not run under ptrace (strace).
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
events=$XDG_CONFIG_HOME/dalcal/events
mkdir -p "$(dirname "$events")"
original=$'\xEF\xBB\xBF# 우리 집\r\n음력 3-15 어머니 생신\r\n\r\n이 줄은 읽을 수 없음\r\n양력 5-8 결혼기념일  #: 종류=기념일'
printf '%s' "$original" >"$events"
cp "$events" "$work/before"
only_the_file() {  # nothing but the events file in its folder (no temporary file left)
    [[ $(ls -A "$(dirname "$events")") == events ]]
}

for fault in 'write:error=ENOSPC:when=1' 'rename:error=EIO' 'fsync:error=EIO'; do
    strace -f -o /dev/null -e inject="$fault" "$program" --add-event '음력 12-30 할아버지 기일' >"$work/out" 2>"$work/err"
    status=$?
    check "$fault: status 1" test "$status" -eq 1
    check "$fault: one line naming the file and why" \
        test "$(cat "$work/err")" = "dalcal-print: cannot save $events: $(
            case $fault in write*) echo 'No space left on device' ;; *) echo 'Input/output error' ;; esac)"
    check "$fault: the file as it was" cmp -s "$events" "$work/before"
    check "$fault: no temporary file left" only_the_file
done
"$program" --add-event '음력 12-30 할아버지 기일' >/dev/null
check "without a fault: added, every other byte kept" \
    cmp -s "$events" <(printf '%s\r\n%s\r\n' "$original" '음력 12-30 할아버지 기일')

# Killed anywhere: old or new, never a mixture or nothing.
printf '%s\r\n' "$original" >"$work/before"
cp "$work/before" "$events"
printf '%s\r\n%s\r\n' "$original" '양력 1-1 새해' >"$work/after"
# The kills fall anywhere in a run: up to as long as one run takes
# (a build with the sanitizers starts far slower).
started=$(date +%s%N)
"$program" --add-event '양력 1-1 새해' >/dev/null && "$program" --remove-event '새해' >/dev/null
run_microseconds=$((($(date +%s%N) - started) / 2000))
bad=0
completed=0  # the runs not killed before their rename: the rest were killed on the way
for i in $(seq 1000); do
    cp "$events" "$work/was"
    if cmp -s "$events" "$work/before"; then
        change=(--add-event '양력 1-1 새해')
    else
        change=(--remove-event '새해')
    fi
    delay=$(((RANDOM * 32768 + RANDOM) % (run_microseconds + 1)))
    (timeout -s KILL "$(printf '%d.%06d' $((delay / 1000000)) $((delay % 1000000)))" "$program" "${change[@]}" \
        >/dev/null 2>&1; true) 2>/dev/null
    cmp -s "$events" "$work/was" || completed=$((completed + 1))
    if ! cmp -s "$events" "$work/before" && ! cmp -s "$events" "$work/after"; then
        bad=$((bad + 1))
        cp "$events" "$work/broken-$i"
        cp "$work/before" "$events"
    fi
done
echo "killed a thousand times: $completed changes completed"
check "killed a thousand times ($completed changes completed): always the old file or the new one, whole (bad: $bad)" \
    test "$bad" -eq 0 -a "$completed" -gt 0 -a "$completed" -lt 1000

# Another process appends while the write waits before its rename: the writer
# finds the change, reads again, and keeps both.
printf '%s' "$original" >"$work/before"
cp "$work/before" "$events"
strace -f -o /dev/null -e inject=fsync:delay_enter=600000:when=1 "$program" --add-event '양력 1-1 새해' \
    >/dev/null 2>"$work/err" &
writer=$!
sleep 0.3
printf '\r\n양력 12-25 outside' >>"$events"
wait "$writer"
check "an edit made meanwhile: both kept" \
    cmp -s "$events" <(printf '%s\r\n%s\r\n%s\r\n' "$original" '양력 12-25 outside' '양력 1-1 새해')

# A folder the user may not write in.
if [[ $(id -u) -eq 0 ]] && command -v setpriv >/dev/null; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chmod 755 "$work" "$XDG_CONFIG_HOME"
else
    as_user=()
fi
cp "$work/before" "$events"
chmod 555 "$(dirname "$events")"
chmod 644 "$events"
"${as_user[@]}" env XDG_CONFIG_HOME="$XDG_CONFIG_HOME" "$program" --add-event '양력 1-1 새해' >/dev/null 2>"$work/err"
status=$?
check "no permission: status 1 and why" test "$status" -eq 1 -a "$(cat "$work/err")" = \
    "dalcal-print: cannot save $events: Permission denied"
check "no permission: the file as it was" cmp -s "$events" "$work/before"
chmod 755 "$(dirname "$events")"
finish
