#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The clock for the room, measured from outside, on a private Xvfb with two
# screens (RandR monitors): the moderator's, 1280x1024, and the room's,
# 3840x2160 beside it. No window manager, no sound server (the beeps are X
# bells, stamped by the X server).
#   open:    Ctrl+R to the view mapped and painted all over, the first opening
#            and a second one, alternated with the floor (floorwindow room:
#            a full-screen window with one line of text, opened the same way)
#   running: the program's CPU during a period, the view open full screen and
#            closed in turns
#   stress:  a whole period during which the view is opened and closed
#            CYCLES times and its screen removed and added SCREENS times
#            while it is open: the RSS meanwhile, and the period's bells
#
# usage: room.sh BUILD_DIR LAUNCHES PHASE_S ROUNDS CYCLES SCREENS OUT
# Writes key=value lines to OUT; bench/run.sh turns them into the table.
# shellcheck disable=SC2317  # predicates are called through poll_until
set -u
[ $# -eq 7 ] || { echo "usage: $0 BUILD_DIR LAUNCHES PHASE_S ROUNDS CYCLES SCREENS OUT" >&2; exit 2; }
B=$(realpath "$1") LAUNCHES=$2 PHASE_S=$3 ROUNDS=$4 CYCLES=$5 SCREENS=$6 OUT=$7
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/../tests/e2e/lib.sh"
: >"$OUT"
put() { echo "$1=$2" >>"$OUT"; }

ROOM_TITLE="Vornaxi Timer: the clock for the room"
START_X=225 START_Y=238   # the Start button's centre in the compact window
ROOM_MONITOR="3840/1016x2160/572+1280+0"

XVFB_SCREEN=5120x2160x24 start_xvfb
start_bellcount "$B/bellstamp"
xrandr --setmonitor desk 1280/338x1024/270+0+0 screen || die "xrandr cannot make monitors"
xrandr --setmonitor room "$ROOM_MONITOR" none

# ---- opening: the program and the floor in turns -------------------------------
open_each() {
    local who=$1
    shift
    (cd "$E2E_WORK" && "$B/roomwait" launch "$@") 2>>"$E2E_WORK/launch.err" |
        sed "s/^/${who}_/; s/ / ${who}_/g"
}
open_both() {
    open_each app "$APP_TITLE" "$ROOM_TITLE" 2 "$B/main/vornaxi-timer"
    open_each floor "Vornaxi Floor" "Vornaxi Floor: room" 2 "$B/floorwindow" room
}
open_both >/dev/null # not counted: the libraries and fonts into the cache
for _ in $(seq "$LAUNCHES"); do
    open_both >>"$E2E_WORK/opens"
done
for who in app floor; do
    for key in open1_us open1_map_us open2_us open2_map_us rss_kb view_rss_kb closed_rss_kb; do
        put "${who}_${key}" "$(tr ' ' '\n' <"$E2E_WORK/opens" | sed -n "s/^${who}_${key}=//p" | paste -sd,)"
    done
done

# ---- running: the program's CPU with the view open and closed, in turns -----------
# cpu_ns: the run time of all the program's threads (schedstat, ns)
cpu_ns() { cat /proc/"$APP_PID"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { print s }'; }
view_shown() { window_up "$ROOM_TITLE"; }
view_hidden() { ! window_up "$ROOM_TITLE"; }

start_app "$B/main/vornaxi-timer"
sleep 1
click "$START_X" "$START_Y"
poll_until 2000 bells_at_least 1 || die "no bell after Start"
with=() without=()
for _ in $(seq "$ROUNDS"); do
    for state in open closed; do
        xdotool key ctrl+r
        if [ "$state" = open ]; then
            poll_until 5000 view_shown || die "the view did not open"
        else
            poll_until 5000 view_hidden || die "the view did not close"
        fi
        sleep 1 # past the opening's or closing's own paints
        a=$(cpu_ns)
        sleep "$PHASE_S"
        b=$(cpu_ns)
        if [ "$state" = open ]; then with+=($((b - a))); else without+=($((b - a))); fi
    done
done
put running_phase_s "$PHASE_S"
put running_with_ns "$(IFS=,; echo "${with[*]}")"
put running_without_ns "$(IFS=,; echo "${without[*]}")"
stop_pid "$APP_PID"

# ---- stress: a period with the view opened and closed, its screen unplugged ---------
BELL_BEFORE=$(bell_count)
start_app "$B/main/vornaxi-timer"
sleep 1
put stress_rss_before_kb "$(sed -n 's/^Rss:\s*//p' /proc/"$APP_PID"/smaps_rollup | cut -d' ' -f1)"
click "$START_X" "$START_Y"
poll_until 2000 bells_at_least $((BELL_BEFORE + 1)) || die "no bell after Start"
# The cycles spread over 200 s of the period; the screen goes and comes back
# SCREENS times while the view is open on it (roomwait runs xrandr).
"$B/roomwait" cycles "$ROOM_TITLE" "$CYCLES" 200000 "$APP_PID" "$SCREENS" \
    "xrandr --delmonitor room" "xrandr --setmonitor room $ROOM_MONITOR none" \
    >"$E2E_WORK/cycles" 2>&1
sed 's/^/stress_/' "$E2E_WORK/cycles" >>"$OUT"
poll_until 260000 bells_at_least $((BELL_BEFORE + 5)) || fail "fewer than five bells in 260 s"
sleep 3 # room for a wrong sixth bell
put stress_bells "$(grep '^[0-9]' "$BELL_LOG" | tail -n +$((BELL_BEFORE + 1)) | cut -d' ' -f1 | paste -sd,)"
put stress_rss_end_kb "$(sed -n 's/^Rss:\s*//p' /proc/"$APP_PID"/smaps_rollup | cut -d' ' -f1)"
put stress_running "$(app_running && echo yes || echo no)"
cp "$E2E_WORK/launch.err" "$OUT.launch.err" 2>/dev/null
finish >/dev/null
