#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The clock for the room, measured from outside, on a private Xvfb with two
# screens (RandR monitors): the moderator's, 1280x1024, and the room's,
# 3840x2160 beside it. No window manager, no sound server (the beeps are X
# bells, stamped by the X server). The floor is roomfloor: a full-screen
# window with one label where the view shows its readout, in its font.
#   open:    Ctrl+R to the view mapped and painted all over, the first opening
#            and a second one, and the memory before, while open and after;
#            launched in turns with the program that never opens its view
#            (its memory after as long alive) and with the floor
#   running: the CPU of all threads during a period, the program's with its
#            view open and the floor's with its window open, in turns (the
#            program's with the view closed beside the floor's)
#   stress:  a whole period during which the view is opened and closed
#            CYCLES times and its screen removed and added SCREENS times
#            while it is open: the RSS meanwhile, and the period's bells
#
# usage: room.sh BUILD_DIR LAUNCHES PHASE_S ROUNDS CYCLES SCREENS OUT
# Writes key=value lines to OUT; bench/run.sh turns them into the table.
# The layout's arrays come from layout.sh, which shellcheck cannot follow.
# shellcheck disable=SC2317,SC2154  # predicates are called through poll_until
set -u
[ $# -eq 7 ] || { echo "usage: $0 BUILD_DIR LAUNCHES PHASE_S ROUNDS CYCLES SCREENS OUT" >&2; exit 2; }
B=$(realpath "$1") LAUNCHES=$2 PHASE_S=$3 ROUNDS=$4 CYCLES=$5 SCREENS=$6 OUT=$(realpath "$7")
# lib.sh reads the window's layout beside the program.
APP_BIN=$B/main/vornaxi-timer
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/../tests/e2e/lib.sh"
: >"$OUT"
# shellcheck source=bench/lib.sh
. "$(dirname "$0")/lib.sh"

ROOM_TITLE="Vornaxi Timer: the clock for the room"
FLOOR_TITLE="Vornaxi Floor"
FLOOR_ROOM_TITLE="Vornaxi Floor: room"
ROOM_MONITOR="3840/1016x2160/572+1280+0"

XVFB_SCREEN=5120x2160x24 start_xvfb
start_bellcount "$B/bellstamp"
xrandr --setmonitor desk 1280/338x1024/270+0+0 screen || die "xrandr cannot make monitors"
xrandr --setmonitor room "$ROOM_MONITOR" none

# ---- opening: the program, the program never opening it, the floor, in turns ----
# prefixed WHO ROOMWAIT_ARGS...: roomwait's key=value words, each prefixed WHO_
prefixed() {
    local who=$1
    shift
    (cd "$E2E_WORK" && "$B/roomwait" "$@") 2>>"$E2E_WORK/launch.err" |
        sed "s/^/${who}_/; s/ / ${who}_/g"
}
open_all() {
    local line alive_ms
    line=$(prefixed app launch "$APP_TITLE" "$ROOM_TITLE" 2 "$APP_BIN")
    echo "$line"
    alive_ms=$(tr ' ' '\n' <<<"$line" | sed -n 's/^app_closed_alive_ms=//p')
    prefixed never alive "$APP_TITLE" "${alive_ms:-1000}" "$APP_BIN"
    prefixed floor launch "$FLOOR_TITLE" "$FLOOR_ROOM_TITLE" 2 "$B/roomfloor"
}
open_all >/dev/null # not counted: the libraries and fonts into the cache
for _ in $(seq "$LAUNCHES"); do
    open_all >>"$E2E_WORK/opens"
done
for key in app_open1_us app_open1_map_us app_open2_us app_open2_map_us app_rss_kb \
    app_view_rss_kb app_closed_rss_kb app_closed_alive_ms never_rss_kb floor_open1_us \
    floor_open1_map_us floor_open2_us floor_open2_map_us floor_rss_kb floor_view_rss_kb \
    floor_closed_rss_kb; do
    put "$key" "$(tr ' ' '\n' <"$E2E_WORK/opens" | sed -n "s/^${key}=//p" | paste -sd,)"
done

# ---- running: the program's view and the floor's window open in turns ----------
# toggle WINDOW_ID TITLE up|down: Ctrl+R to that window (given the keyboard
# as a window manager would, none being there), until TITLE is mapped or gone
toggle() {
    xdotool windowfocus "$1" key ctrl+r
    if [ "$3" = up ]; then
        poll_until 5000 window_up "$2" || die "'$2' did not open"
    else
        poll_until 5000 window_gone "$2" || die "'$2' did not close"
    fi
}
start_app "$APP_BIN"
PROGRAM_PID=$APP_PID PROGRAM_WIN=$APP_WIN
# The floor's small window beside the program's, not over it.
APP_TITLE=$FLOOR_TITLE start_app "$B/roomfloor"
FLOOR_PID=$APP_PID FLOOR_WIN=$APP_WIN
APP_PID=$PROGRAM_PID APP_WIN=$PROGRAM_WIN
xdotool windowmove "$FLOOR_WIN" 640 0
sleep 1
click_on start
poll_until 2000 bells_at_least 1 || die "no bell after Start"
with=() floor=() without=()
for _ in $(seq "$ROUNDS"); do
    toggle "$PROGRAM_WIN" "$ROOM_TITLE" up
    sleep 1 # past the opening's own paints
    a=$(cpu_ns "$PROGRAM_PID")
    sleep "$PHASE_S"
    with+=($(($(cpu_ns "$PROGRAM_PID") - a)))
    toggle "$PROGRAM_WIN" "$ROOM_TITLE" down
    toggle "$FLOOR_WIN" "$FLOOR_ROOM_TITLE" up
    sleep 1
    a=$(cpu_ns "$PROGRAM_PID") f=$(cpu_ns "$FLOOR_PID")
    sleep "$PHASE_S"
    without+=($(($(cpu_ns "$PROGRAM_PID") - a)))
    floor+=($(($(cpu_ns "$FLOOR_PID") - f)))
    toggle "$FLOOR_WIN" "$FLOOR_ROOM_TITLE" down
done
app_running || die "the program ended before the running phases did"
put running_phase_s "$PHASE_S"
put running_with_ns "$(IFS=,; echo "${with[*]}")"
put running_floor_ns "$(IFS=,; echo "${floor[*]}")"
put running_without_ns "$(IFS=,; echo "${without[*]}")"
stop_pid "$FLOOR_PID"
stop_pid "$PROGRAM_PID"

# ---- stress: a period with the view opened and closed, its screen unplugged ---------
BELL_BEFORE=$(bell_count)
start_app "$APP_BIN"
sleep 1
put stress_rss_before_kb "$(rss_kb "$APP_PID")"
click_on start
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
put stress_rss_end_kb "$(rss_kb "$APP_PID")"
put stress_running "$(app_running && echo yes || echo no)"
cp "$E2E_WORK/launch.err" "$OUT.launch.err" 2>/dev/null
finish >/dev/null
