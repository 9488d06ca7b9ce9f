#!/bin/bash
# End-to-end test of what the real program meets outside its own control:
# the wall clock jumping back and forth during a period (under libfaketime),
# and the window closed from its frame while the period runs.
#
# usage: test_hostile.sh PROGRAM BELLCOUNT CLOSEWINDOW
# shellcheck disable=SC2034,SC2317
set -u
[ $# -eq 3 ] || { echo "usage: $0 PROGRAM BELLCOUNT CLOSEWINDOW" >&2; exit 2; }
APP_BIN=$1
BELLCOUNT_BIN=$2
CLOSEWINDOW_BIN=$3
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

FAKETIME_LIB=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1

[ -r "$FAKETIME_LIB" ] || die "libfaketime is not installed ($FAKETIME_LIB)"

start_xvfb
start_bellcount "$BELLCOUNT_BIN"

# ---- the wall clock jumps: the period keeps its own, monotonic time ----------

echo "# wall-clock jumps"
CLOCK_FILE="$E2E_WORK/faketime"
echo "+0" >"$CLOCK_FILE"
# Only the wall clock is faked (DONT_FAKE_MONOTONIC); it is read anew at every
# call (FAKETIME_NO_CACHE), so writing the file moves it at once.
# A sanitizer build needs its runtime first in the preload list.
asan=$(ldd "$APP_BIN" | awk '/libasan/ { print $3 }')
APP_ENV=("LD_PRELOAD=${asan:+$asan:}$FAKETIME_LIB" "FAKETIME_TIMESTAMP_FILE=$CLOCK_FILE"
    FAKETIME_NO_CACHE=1 DONT_FAKE_MONOTONIC=1)
real=$(date +%s)
echo "+3600" >"$CLOCK_FILE"
faked=$(env "${APP_ENV[@]}" LD_PRELOAD="$FAKETIME_LIB" date +%s)
echo "+0" >"$CLOCK_FILE"
expect_ge "libfaketime moves the wall clock (an hour ahead, in seconds)" $((faked - real)) 3590
start_app "$APP_BIN"

clicked t0 start
poll_until 2000 bells_at_least 1
# An hour forward after 1.5 s, two days back after 3.5 s.
jump_clock() {
    if [ "$1" -ge 1500 ] && [ "$(cat "$CLOCK_FILE")" = "+0" ]; then
        echo "+1h" >"$CLOCK_FILE"
    elif [ "$1" -ge 3500 ] && [ "$(cat "$CLOCK_FILE")" = "+1h" ]; then
        echo "-2d" >"$CLOCK_FILE"
    fi
}
watch_readout "$t0" 6600 jump_clock
echo "# readout changed at ms after Start: ${READOUT_CHANGES[*]}"
expect_le "readout changes in six seconds: at most one a second" "${#READOUT_CHANGES[@]}" 6
seconds_on_time 5
expect_eq "no bell but the Start bell" "$(bell_count)" 1

# ---- closed from the frame while the period runs ----------------------------

echo "# closed while running"
"$CLOSEWINDOW_BIN" "$APP_WIN" || fail "could not send the close request"
if poll_until 3000 app_exited; then
    wait "$APP_PID"
    expect_eq "exit status after closing the window" $? 0
else
    fail "program still running 3 s after the close request"
fi
expect_eq "closing sounds no bell" "$(bell_count)" 1

finish
