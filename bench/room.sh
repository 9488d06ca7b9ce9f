#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The clock for the room, measured from outside on a private Xvfb with two
# screens: opening the view, running with it open, memory, and a period with
# 1000 openings, against roomfloor (bench/floor/room.cpp); how each figure is
# taken: bench/notes.md. Writes bench/results/room.md.
# usage: room.sh BUILD_DIR   (bench/run.sh room; one length)
# shellcheck disable=SC2317,SC2154  # predicates are called through poll_until
set -u
# shellcheck source=bench/lib.sh
. "$(dirname "$0")/lib.sh"
LAUNCHES=15 PHASE_S=25 ROUNDS=4 CYCLES=1000 SCREENS=100

ROOM_TITLE="Vornaxi Timer: the clock for the room" ROOM_MONITOR="3840/1016x2160/572+1280+0"
FLOOR_TITLE="Vornaxi Floor" FLOOR_ROOM_TITLE="Vornaxi Floor: room"

XVFB_SCREEN=5120x2160x24 start_xvfb
start_bellcount "$B/bellstamp"
xrandr --setmonitor desk 1280/338x1024/270+0+0 screen || die "xrandr cannot make monitors"
xrandr --setmonitor room "$ROOM_MONITOR" none

# ---- opening: the program, the program never opening it, the floor, and the
# program showing the standings of 200 teams in its view, in turns ----------------
mkdir -p "$E2E_WORK/filed/Vornaxi Timer" && "$B/eveningbench" "$E2E_WORK/filed/Vornaxi Timer/evening.json" >/dev/null
open_all() {
    local words
    words=$(xwatch_as app launch "$APP_TITLE" "$ROOM_TITLE" 2 500 "$APP_BIN")
    echo "$words"
    words=$(sed -n 's/^app_closed_alive_ms=//p' <<<"$words")
    xwatch_as never launch "$APP_TITLE" - 0 "${words:-1000}" "$APP_BIN"
    xwatch_as floor launch "$FLOOR_TITLE" "$FLOOR_ROOM_TITLE" 2 500 "$B/roomfloor"
    XDG_DATA_HOME=$E2E_WORK/filed xwatch_as evening standings "$APP_TITLE" "$ROOM_TITLE" 500 "$APP_BIN"
}
in_turns "$LAUNCHES" open_all

# ---- running: the program's view and the floor's window open in turns ----------
# toggle WINDOW_ID TITLE up|gone: Ctrl+R to that window (given the keyboard
# as a window manager would, none being there), until TITLE is mapped or gone
toggle() { xdotool windowfocus "$1" key ctrl+r && poll_until 5000 "window_$3" "$2" || die "'$2' not $3"; }
APP_TITLE=$FLOOR_TITLE start_app "$B/roomfloor"
FLOOR_PID=$APP_PID FLOOR_WIN=$APP_WIN
start_app "$APP_BIN"
# The floor's small window beside the program's, not over it.
xdotool windowmove "$FLOOR_WIN" 640 0
sleep 1
start_period
# Each phase from 1 s after the opening, past its own paints.
for _ in $(seq "$ROUNDS"); do
    toggle "$APP_WIN" "$ROOM_TITLE" up && sleep 1
    a=$(cpu_ns "$APP_PID") && sleep "$PHASE_S" && put running_with_ns $(($(cpu_ns "$APP_PID") - a))
    toggle "$APP_WIN" "$ROOM_TITLE" gone && toggle "$FLOOR_WIN" "$FLOOR_ROOM_TITLE" up && sleep 1
    a=$(cpu_ns "$APP_PID") f=$(cpu_ns "$FLOOR_PID") && sleep "$PHASE_S"
    put running_without_ns $(($(cpu_ns "$APP_PID") - a)) && put running_floor_ns $(($(cpu_ns "$FLOOR_PID") - f))
    toggle "$FLOOR_WIN" "$FLOOR_ROOM_TITLE" gone
done
app_running || die "the program ended before the running phases did"
stop_pid "$FLOOR_PID" && stop_pid "$APP_PID"

# ---- stress: a period with the view opened and closed, its screen unplugged ---------
start_app "$APP_BIN"
sleep 1
put stress_rss_before_kb "$(rss_kb "$APP_PID")"
start_period
# The cycles spread over 200 s of the period; the screen goes and comes back
# SCREENS times while the view is open on it (xwatch runs xrandr).
"$B/xwatch" cycles "$ROOM_TITLE" "$CYCLES" 200000 "$APP_PID" "$SCREENS" \
    "xrandr --delmonitor room" "xrandr --setmonitor room $ROOM_MONITOR none" 2>"$E2E_WORK/cycles.err" |
    sed 's/^/stress_/' >>"$OUT"
end_period stress
put stress_rss_end_kb "$(rss_kb "$APP_PID")"
stop_pid "$APP_PID"
QT_QPA_PLATFORM=offscreen "$B/windowbench" room 3840 2160 >>"$OUT" 2>"$E2E_WORK/roomparts.err"

# ---- the table -------------------------------------------------------------------------
a1=$(med app_open1_us) f1=$(med floor_open1_us) a2=$(med app_open2_us) f2=$(med floor_open2_us)
first=no later=no
within "$a1" "$f1" 1.5 && first=yes
within "$a2" "$f2" 1.2 && later=yes
met=$([ $first$later = yesyes ] && echo yes || echo "no (the first: $first; a later: $later)")
row "Opening the room's view full screen on 3840x2160: Ctrl+R to mapped and painted all over (median of $(all app_open1_us | entries), alternated)" \
    "first opening $(plain_ms "$a1") (mapped at $(plain_ms "$(med app_open1_map_us)")); a later one $(plain_ms "$a2") (mapped at $(plain_ms "$(med app_open2_map_us)"))" \
    "the first within 1.5x the floor's first, a later within 1.2x the floor's later (a full-screen window with the readout's label, opened the same way)" \
    "first $(plain_ms "$f1") (mapped at $(plain_ms "$(med floor_open1_map_us)")); later $(plain_ms "$f2") (mapped at $(plain_ms "$(med floor_open2_map_us)"))" \
    "first $(ratio "$a1" "$f1"); later $(ratio "$a2" "$f2")" "$met"
s=$(med evening_standings_us)
row "The standings' first showing on the room's view, 200 teams filed: Ctrl+B to the view's last drawing (quiet for 1 s after), the view just opened (median of $(all evening_standings_us | entries), in turns with the openings)" \
    "$(plain_ms "$s")" "at most 1.5x the view's first opening" "first opening $(plain_ms "$a1")" "$(ratio "$s" "$a1")" "$(yes_if within "$s" "$a1" 1.5)"

# per_min KEY: the phases' CPU as us a minute, all of them; phases KEY: each
per_min() { all "$1" | tr ',' '\n' | awk -v s="$PHASE_S" '{ t += $1; n++ } END { printf "%d", t / 1000 / (n * s) * 60 }'; }
phases() { all "$1" | tr ',' '\n' | awk -v s="$PHASE_S" '{ printf "%s%d", (NR > 1 ? " " : ""), $1 / 1000 / s * 60 }'; }
with_us=$(per_min running_with_ns) floor_us=$(per_min running_floor_ns)
row "Running, per minute, CPU of all threads (schedstat): the program with its view open full screen on 3840x2160 against the floor's window open ($(all running_with_ns | entries) x $PHASE_S s each, alternated)" \
    "$with_us us (phases: $(phases running_with_ns) us); the program with the view closed, beside the floor's phases: $(per_min running_without_ns) us" \
    "at most 1.2x the floor: a full-screen window of that size whose label, in the readout's font and size, shows the next second each second" \
    "$floor_us us (phases: $(phases running_floor_ns) us)" "$(ratio "$with_us" "$floor_us")" "$(yes_if within "$with_us" "$floor_us" 1.2)"

closed=$(med app_closed_rss_kb) never=$(med never_rss_kb)
row "RSS after the view was opened once and closed, against the program that never opened it, launched in turns and read as long after its window was mapped (median $(med app_closed_alive_ms) ms)" \
    "$closed kB (before the opening $(med app_rss_kb) kB)" "within 2048 kB of the program that never opened it" \
    "never opened: $never kB" "$(printf '%+d kB' $((closed - never)))" "$(yes_if test "$((closed - never))" -le 2048)"
open=$(med app_view_rss_kb) fopen=$(med floor_view_rss_kb)
row "RSS while the view is open full screen on 3840x2160 (median)" \
    "$open kB (+$((open - $(med app_rss_kb))) kB on opening)" "at most 1.3x the floor's while its window is open" \
    "$fopen kB (+$((fopen - $(med floor_rss_kb))) kB on opening; $(med floor_closed_rss_kb) kB once closed, its window destroyed)" \
    "$(ratio "$open" "$fopen")" "$(yes_if within "$open" "$fopen" 1.3)"

changes=$(get stress_screen_changes)
cycles_done="the view opened and closed $(get stress_cycles) times, its screen removed and added $((${changes:-0} / 2)) times while it was open"
first=$(get stress_rss_after_1_kb) last=$(get "stress_rss_after_${CYCLES}_kb")
met=no && [ -n "$first" ] && [ -n "$last" ] && [ "$((last - first))" -le 2048 ] && met=yes
row "RSS during one period: $cycles_done" \
    "after the last closing $last kB (at the start $(get stress_rss_before_kb) kB; after closing 10 times $(get stress_rss_after_10_kb) kB, 100: $(get stress_rss_after_100_kb) kB; period's end $(get stress_rss_end_kb) kB)" \
    "within 2048 kB of the RSS after the first closing" "after the first closing: $first kB" \
    "$(printf '%+d kB' $((${last:-0} - ${first:-0})))" "$met"

bells "$(get stress_bells)"
met=no && [ "$N" -eq 5 ] && [ "$(abs $((SPAN - 240000)))" -le 5 ] &&
    [ "$(get stress_unanswered)" -eq 0 ] && [ "$(get stress_unpainted)" -eq 0 ] &&
    [ "$(get stress_moved)" -eq "$changes" ] && [ "$(get stress_running)" = yes ] && met=yes
row "The period meanwhile: $cycles_done" \
    "$BELLS; $(all stress_open_us | entries) openings in $(get stress_cycles_ms) ms (key to painted: median $(plain_ms "$(med stress_open_us)"), 90 % $(plain_ms "$(all stress_open_us | pct 90)"), max $(plain_ms "$(all stress_open_us | pct 100)")); keys unanswered within 3 s: $(get stress_unanswered); views not painted within 3 s: $(get stress_unpainted); screen changes the view followed, mapped and painted at its new place within 3 s: $(get stress_moved) of $changes (slowest $(plain_ms "$(get stress_moved_max_us)"))" \
    "5 bells, first to last 240 000 ms within 5 ms; every key answered, every screen change followed" \
    "(no floor)" "$(printf '%+d ms' $((SPAN - 240000)))" "$met"
row "Reference: the view alone, offscreen at 3840x2160 (readout box $(get room_readout_box))" \
    "first showing, stopped $(plain_ms "$(get room_first_show_us)"); a whole repaint of the stopped view (the stop sign from its picture) $(plain_ms "$(get room_stopped_repaint_us)"); a running second $(get room_tick_us) us ($(get room_tick_paints) paints in 59 seconds)" \
    "(where the time goes)" "" "" "reference"
write_results "The room's view"
