#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The clock for the room, measured from outside, on a private Xvfb with two
# screens (RandR monitors): the moderator's, 1280x1024, and the room's,
# 3840x2160 beside it; no window manager, no sound server (the beeps are X
# bells). Opening the view, running with it open, memory, and a period with
# 1000 openings, against roomfloor (bench/floor/room.cpp); how each figure is
# taken: bench/notes.md. Writes bench/results/room.md.
# usage: room.sh BUILD_DIR   (bench/run.sh room; one length)
# The layout's arrays come from layout.sh, which shellcheck cannot follow.
# shellcheck disable=SC2317,SC2154  # predicates are called through poll_until
set -u
# shellcheck source=bench/lib.sh
. "$(dirname "$0")/lib.sh"
LAUNCHES=15 PHASE_S=25 ROUNDS=4 CYCLES=1000 SCREENS=100

ROOM_TITLE="Vornaxi Timer: the clock for the room"
FLOOR_TITLE="Vornaxi Floor"
FLOOR_ROOM_TITLE="Vornaxi Floor: room"
ROOM_MONITOR="3840/1016x2160/572+1280+0"

XVFB_SCREEN=5120x2160x24 start_xvfb
start_bellcount "$B/bellstamp"
xrandr --setmonitor desk 1280/338x1024/270+0+0 screen || die "xrandr cannot make monitors"
xrandr --setmonitor room "$ROOM_MONITOR" none

# ---- opening: the program, the program never opening it, the floor, in turns ----
open_all() {
    local line
    line=$(xwatch_as app launch "$APP_TITLE" "$ROOM_TITLE" 2 "$APP_BIN")
    echo "$line"
    line=$(tr ' ' '\n' <<<"$line" | sed -n 's/^app_closed_alive_ms=//p')
    xwatch_as never alive "$APP_TITLE" "${line:-1000}" "$APP_BIN"
    xwatch_as floor launch "$FLOOR_TITLE" "$FLOOR_ROOM_TITLE" 2 "$B/roomfloor"
}
open_all >/dev/null # not counted: the libraries and fonts into the cache
for _ in $(seq "$LAUNCHES"); do
    open_all >>"$E2E_WORK/opens"
done
collect "$E2E_WORK/opens"

# ---- running: the program's view and the floor's window open in turns ----------
# toggle WINDOW_ID TITLE up|gone: Ctrl+R to that window (given the keyboard
# as a window manager would, none being there), until TITLE is mapped or gone
toggle() { xdotool windowfocus "$1" key ctrl+r && poll_until 5000 "window_$3" "$2" || die "'$2' not $3"; }
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
    toggle "$PROGRAM_WIN" "$ROOM_TITLE" gone
    toggle "$FLOOR_WIN" "$FLOOR_ROOM_TITLE" up
    sleep 1
    a=$(cpu_ns "$PROGRAM_PID") f=$(cpu_ns "$FLOOR_PID")
    sleep "$PHASE_S"
    without+=($(($(cpu_ns "$PROGRAM_PID") - a)))
    floor+=($(($(cpu_ns "$FLOOR_PID") - f)))
    toggle "$FLOOR_WIN" "$FLOOR_ROOM_TITLE" gone
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
# SCREENS times while the view is open on it (xwatch runs xrandr).
"$B/xwatch" cycles "$ROOM_TITLE" "$CYCLES" 200000 "$APP_PID" "$SCREENS" \
    "xrandr --delmonitor room" "xrandr --setmonitor room $ROOM_MONITOR none" \
    >"$E2E_WORK/cycles" 2>&1
sed 's/^/stress_/' "$E2E_WORK/cycles" >>"$OUT"
poll_until 260000 bells_at_least $((BELL_BEFORE + 5)) || fail "fewer than five bells in 260 s"
sleep 3 # room for a wrong sixth bell
put stress_bells "$(bells_since "$BELL_BEFORE")"
put stress_rss_end_kb "$(rss_kb "$APP_PID")"
put stress_running "$(app_running && echo yes || echo no)"
stop_pid "$APP_PID"
QT_QPA_PLATFORM=offscreen "$B/windowbench" room 3840 2160 >>"$OUT" 2>"$E2E_WORK/roomparts.err"

# ---- the table -------------------------------------------------------------------------
# med KEY: the median of one of the lists, whole
med() { get "$1" | median | cut -d. -f1; }
a1=$(med app_open1_us) f1=$(med floor_open1_us) a2=$(med app_open2_us) f2=$(med floor_open2_us)
first_met=no later_met=no
within "$a1" "$f1" 1.5 && first_met=yes
within "$a2" "$f2" 1.2 && later_met=yes
case $first_met$later_met in
yesyes) met=yes ;; nono) met=no ;; yesno) met="partly: the first, not a later" ;;
*) met="partly: a later, not the first" ;;
esac
row "Opening the room's view full screen on 3840x2160: Ctrl+R to mapped and painted all over (median of $(get app_open1_us | entries), alternated)" \
    "first opening $(plain_ms "$a1") (mapped at $(plain_ms "$(med app_open1_map_us)")); a later one $(plain_ms "$a2") (mapped at $(plain_ms "$(med app_open2_map_us)"))" \
    "the first within 1.5x the floor's first, a later within 1.2x the floor's later (a full-screen window with the readout's label, opened the same way)" \
    "first $(plain_ms "$f1") (mapped at $(plain_ms "$(med floor_open1_map_us)")); later $(plain_ms "$f2") (mapped at $(plain_ms "$(med floor_open2_map_us)"))" \
    "first $(ratio "$a1" "$f1"); later $(ratio "$a2" "$f2")" "$met"

per_min() { get "$1" | tr ',' '\n' | awk -v s="$PHASE_S" '{ t += $1; n++ } END { printf "%d", t / 1000 / (n * s) * 60 }'; }
phases() { get "$1" | tr ',' '\n' | awk -v s="$PHASE_S" '{ printf "%s%d", (NR > 1 ? " " : ""), $1 / 1000 / s * 60 }'; }
with_us=$(per_min running_with_ns) floor_us=$(per_min running_floor_ns)
met=no
within "$with_us" "$floor_us" 1.2 && met=yes
row "Running, per minute, CPU of all threads (schedstat): the program with its view open full screen on 3840x2160 against the floor's window open ($(get running_with_ns | entries) x $PHASE_S s each, alternated)" \
    "$with_us us (phases: $(phases running_with_ns) us); the program with the view closed, beside the floor's phases: $(per_min running_without_ns) us" \
    "at most 1.2x the floor: a full-screen window of that size whose label, in the readout's font and size, shows the next second each second" \
    "$floor_us us (phases: $(phases running_floor_ns) us)" "$(ratio "$with_us" "$floor_us")" "$met"

closed=$(med app_closed_rss_kb) never=$(med never_rss_kb)
met=no
[ "$((closed - never))" -le 2048 ] && met=yes
row "RSS after the view was opened once and closed, against the program that never opened it, launched in turns and read as long after its window was mapped (median $(med app_closed_alive_ms) ms)" \
    "$closed kB (before the opening $(med app_rss_kb) kB)" "within 2048 kB of the program that never opened it" \
    "never opened: $never kB" "$(printf '%+d kB' $((closed - never)))" "$met"
open=$(med app_view_rss_kb) fopen=$(med floor_view_rss_kb)
met=no
within "$open" "$fopen" 1.3 && met=yes
row "RSS while the view is open full screen on 3840x2160 (median)" \
    "$open kB (+$((open - $(med app_rss_kb))) kB on opening)" "at most 1.3x the floor's while its window is open" \
    "$fopen kB (+$((fopen - $(med floor_rss_kb))) kB on opening; $(med floor_closed_rss_kb) kB once closed, its window destroyed)" \
    "$(ratio "$open" "$fopen")" "$met"

changes=$(get stress_screen_changes)
cycles_done="the view opened and closed $(get stress_cycles) times, its screen removed and added $((${changes:-0} / 2)) times while it was open"
first=$(get stress_rss_after_1_kb) last=$(get stress_rss_after_last_kb)
met=no
[ -n "$first" ] && [ -n "$last" ] && [ "$((last - first))" -le 2048 ] && met=yes
row "RSS during one period: $cycles_done" \
    "after the last closing $last kB (at the start $(get stress_rss_before_kb) kB; after closing 10 times $(get stress_rss_after_10_kb) kB, 100: $(get stress_rss_after_100_kb) kB; period's end $(get stress_rss_end_kb) kB)" \
    "within 2048 kB of the RSS after the first closing" "after the first closing: $first kB" \
    "$(printf '%+d kB' $((last - first)))" "$met"

bells "$(get stress_bells)" >/dev/null
met=no
[ "$N" -eq 5 ] && [ "$(abs $((SPAN - 240000)))" -le 5 ] &&
    [ "$(get stress_unanswered)" -eq 0 ] && [ "$(get stress_unpainted)" -eq 0 ] &&
    [ "$(get stress_moved)" -eq "$(get stress_screen_changes)" ] && [ "$(get stress_running)" = yes ] && met=yes
row "The period meanwhile: $cycles_done" \
    "$(bells "$(get stress_bells)"); $(get stress_opened) openings in $(get stress_cycles_ms) ms (key to painted: median $(plain_ms "$(get stress_open_median_us)"), 90 % $(plain_ms "$(get stress_open_p90_us)"), max $(plain_ms "$(get stress_open_max_us)")); keys unanswered within 3 s: $(get stress_unanswered); views not painted within 3 s: $(get stress_unpainted); screen changes the view followed, mapped and painted at its new place within 3 s: $(get stress_moved) of $(get stress_screen_changes) (slowest $(plain_ms "$(get stress_moved_max_us)"))" \
    "5 bells, first to last 240 000 ms within 5 ms; every key answered, every screen change followed" \
    "(no floor)" "$(printf '%+d ms' $((SPAN - 240000)))" "$met"
row "Reference: the view alone, offscreen at 3840x2160 (readout box $(get room_readout_box))" \
    "first showing, stopped $(plain_ms "$(get room_first_show_us)"); a whole repaint of the stopped view (the stop sign from its picture) $(plain_ms "$(get room_stopped_repaint_us)"); a running second $(get room_tick_us) us ($(get room_tick_paints) paints in 59 seconds)" \
    "(where the time goes)" "" "" "reference"
write_results "The room's view"
