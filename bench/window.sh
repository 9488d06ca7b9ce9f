#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The tick scheduler against Qt's default repeating timer, and the real
# program under a private Xvfb, measured from outside and offscreen
# (bench/windowbench); with full, a whole period. How each figure is taken:
# bench/notes.md. Writes bench/results/window.md.
# usage: window.sh BUILD_DIR [short|full]   (bench/run.sh [--full] window)
# shellcheck disable=SC2317,SC2154  # predicates are called through poll_until; medians set by name
set -u
# shellcheck source=bench/lib.sh
. "$(dirname "$0")/lib.sh"
LAUNCHES=15 STOPPED_S=15 RUNNING_S=15 LONG_TICKS=20
[ "$MODE" = full ] && STOPPED_S=60 RUNNING_S=60 LONG_TICKS=240

# ---- the tick scheduler ----------------------------------------------------------------
tickpair() { # NAME INTERVAL TICKS [STALL_AT STALL_MS]: both timers at once
    "$B/windowbench" ticks precise "${@:2}" >"$E2E_WORK/$1.precise" &
    "$B/windowbench" ticks coarse "${@:2}" >"$E2E_WORK/$1.coarse"
    wait "$!"
}
tick_words() { # FILE [AFTER_STALL_LABEL]: each tick's lateness, the last's the period's end error
    echo "median $(ms "$(all late "$1" | pct 50)"), max $(ms "$(all late "$1" | pct 100)"); end $(ms "$(get late "$1")"); lost $(get lost "$1")${2:+; $2 $(ms "$(get after_stall "$1")")}"
}
tickrow() { # NAME LABEL [stalled]
    local p=$E2E_WORK/$1.precise c=$E2E_WORK/$1.coarse met=no
    [ "$(abs "$(get late "$p")")" -le 5000 ] && [ "$(get lost "$p")" -eq 0 ] &&
        { [ -z "${3:-}" ] || [ "$(abs "$(get after_stall "$p")")" -le 5000 ]; } && met=yes
    row "TickTimer, $2" "lateness $(tick_words "$p" ${3:+"first tick after the stall"})" \
        "end within 5 ms, none lost${3:+, on time after the stall}" "$(tick_words "$c" ${3:+"after the stall"})" \
        "end error $(ratio "$(abs "$(get late "$p")")" "$(abs "$(get late "$c")")")" "$met"
}
for case in "100 240" "1000 $LONG_TICKS"; do
    read -r iv n <<<"$case"
    echo "-- $n x $iv ms: idle, both cores busy, event loop blocked 2.5 s at tick 3"
    tickpair "idle$iv" "$iv" "$n"
    for _ in 1 2; do sh -c 'while :; do :; done' & E2E_PIDS+=("$!"); done
    tickpair "load$iv" "$iv" "$n"
    stop_pid "${E2E_PIDS[-1]}" && stop_pid "${E2E_PIDS[-2]}"
    tickpair "stall$iv" "$iv" "$n" 3 2500
    tickrow "idle$iv" "$n x $iv ms, idle"
    tickrow "load$iv" "$n x $iv ms, both cores busy"
    tickrow "stall$iv" "$n x $iv ms, loop blocked 2.5 s at tick 3" stalled
done

# ---- the real program under Xvfb ---------------------------------------------------------
start_xvfb
# The bell counter stays connected throughout: it also keeps the server from
# resetting whenever its last client goes, which would refuse the next launch.
start_bellcount "$B/bellstamp"
# A sound server, as on a desktop: the program connects to it once shown,
# and plays the beeps through it.
start_pulse

# ---- start-up and memory: the program, the bare floor and the floor with one
# line of text (what the font machinery alone costs), in turns
launch_each() {
    xwatch_as app launch "$APP_TITLE" - 0 500 "$APP_BIN"
    xwatch_as floor launch "Vornaxi Floor" - 0 500 "$B/floorwindow"
    xwatch_as text launch "Vornaxi Floor" - 0 500 "$B/floorwindow" text
}
in_turns "$LAUNCHES" launch_each

# ---- CPU and wake-ups, stopped and running ----------------------------------
# cpu_sample FILE: "all TICKS" (utime+stime from stat, clock ticks, dead
# threads included), then "TID NS VCSW" a thread: run time from schedstat (ns,
# exact) and voluntary context switches (the times it went to sleep and woke)
cpu_sample() {
    local stat t ns
    stat=$(cat "/proc/$APP_PID/stat")
    read -ra stat <<<"${stat##*) }"          # fields from 3 on, past the command name
    echo "all $((stat[11] + stat[12]))" >"$1" # utime and stime are fields 14 and 15
    for t in /proc/"$APP_PID"/task/*; do
        read -r ns _ <"$t/schedstat" && echo "${t##*/} $ns $(sed -n 's/^voluntary_ctxt_switches:\s*//p' "$t/status")"
    done >>"$1"
}
# phase PREFIX SECONDS: the program's cost a minute over that long from now.
# Threads are matched by id: one that ends in between (Qt's pool lets an idle
# worker go after 30 s) would otherwise count negative; one that starts counts in full.
phase() {
    local ticks ns vcsw
    cpu_sample "$E2E_WORK/$1.0" && sleep "$2" && cpu_sample "$E2E_WORK/$1.1"
    read -r ticks ns vcsw < <(awk '
        FNR == NR { if ($1 == "all") t0 = $2; else { n0[$1] = $2; v0[$1] = $3 }; next }
        $1 == "all" { t1 = $2; next }
        { ns += $2 - n0[$1]; v += $3 - v0[$1] }
        END { print t1 - t0, ns, v }' "$E2E_WORK/$1.0" "$E2E_WORK/$1.1")
    put "$1_stat_ms_per_min" "$((ticks * 1000 / $(getconf CLK_TCK) * 60 / $2))"
    put "$1_sched_us_per_min" "$((ns / 1000 * 60 / $2))"
    put "$1_vcsw_per_min" "$((vcsw * 60 / $2))"
}

start_app "$APP_BIN"
sleep 1 # past the first paints
phase stopped "$STOPPED_S"
start_recording "$B/toneonsets"
t0=$(now_ms)
click_on start
poll_until 2000 tones_at_least 1 || die "no tone after Start"
sleep 1 # past the repaint of the whole panel
phase running "$RUNNING_S"

# The periods without a sound server, through the card and as X bells, are
# bench/beep.sh's.
if [ "$MODE" = full ]; then
    # ---- one whole period through the sound server, its tones recorded -----------
    # The server is stopped (SIGSTOP) from 90 to 93 s, in the second minute: the
    # clock must not notice.
    sleep_until_ms $((t0 + 90000)) && kill -STOP "$PULSE_PID" && stopped=$(($(now_ms) - t0))
    sleep_until_ms $((t0 + 93000)) && kill -CONT "$PULSE_PID" && resumed=$(($(now_ms) - t0))
    poll_until 170000 tones_at_least 5 || fail "fewer than five tones in 260 s"
    sleep 3 # room for a wrong sixth tone
    # sample numbers at 8000 Hz, the recording's own clock, to ms
    bells "$(tones | awk '{ printf "%s%d", (NR > 1 ? "," : ""), $1 / 8 }')"
    met=no && [ "$N" -eq 5 ] && [ "$(abs $((SPAN - 240000)))" -le 5 ] && met=yes
    for g in $GAPS; do [ "$(abs $((g - 60000)))" -le 20 ] || met=no; done
    row "Real period through a sound server, tones recorded; the server stopped (SIGSTOP) $stopped-$resumed ms after Start" \
        "${BELLS//bell/tone}; X bells meanwhile: $(bell_count)" \
        "5 tones, 60 s apart within 20 ms, first to last 240 000 ms within 5 ms" "(no floor)" "$(printf '%+d ms' $((SPAN - 240000)))" "$met"
    click_on end && poll_until 3000 app_exited || fail "program still running 3 s after QUIT"
else
    click_on start # Stop/Reset
    row "Real period through a sound server" "not run (bench/run.sh --full)" "5 tones 60 s apart, 240 s within 5 ms" "" "" "not run"
fi
stop_pid "$APP_PID"

# ---- offscreen: repaints and timer wake-ups; no growth ----------------------------------
QT_QPA_PLATFORM=offscreen "$B/windowbench" paints 2500 >>"$OUT" 2>"$E2E_WORK/paints.err"
QT_QPA_PLATFORM=offscreen "$B/windowbench" growth 1000 10000 >>"$OUT" 2>"$E2E_WORK/growth.err"

# ---- the table -------------------------------------------------------------------------
for who in app floor text; do
    for key in startup_us rss_kb pss_kb; do declare "${who}_${key}=$(med "${who}_${key}")"; done
done
# Against the floor with one line of text: any window that shows text pays
# for the font machinery, which the bare floor never starts (see the notes).
row "Start-up, exec to window mapped (median of $(all app_startup_us | entries), alternated)" "$(plain_ms "$app_startup_us")" \
    "within 1.3x the floor with one line of text" "$(plain_ms "$text_startup_us")" "$(ratio "$app_startup_us" "$text_startup_us")" "$(yes_if within "$app_startup_us" "$text_startup_us" 1.3)"
row "RSS once shown (median), connected to a sound server" "$app_rss_kb kB (PSS $app_pss_kb kB)" \
    "within the floor with one line of text + 3072 kB" "$text_rss_kb kB (PSS $text_pss_kb kB)" \
    "+$((app_rss_kb - text_rss_kb)) kB, $(ratio "$app_rss_kb" "$text_rss_kb")" "$(yes_if test "$((app_rss_kb - text_rss_kb))" -le 3072)"
row "Reference: the bare floor window, no text" "start-up $(plain_ms "$floor_startup_us"); RSS $floor_rss_kb kB (PSS $floor_pss_kb kB)" \
    "(what text costs)" "$(plain_ms "$text_startup_us"); $text_rss_kb kB" \
    "$(ratio "$floor_startup_us" "$text_startup_us"); $((floor_rss_kb - text_rss_kb)) kB" "reference"

met=no && [ "$(get stopped_timer_events)" -eq 0 ] && [ "$(get stopped_timer_active)" -eq 0 ] &&
    [ "$(get stopped_sched_us_per_min)" -lt 5000 ] && met=yes
row "Stopped, per minute (over $STOPPED_S s)" \
    "CPU $(get stopped_sched_us_per_min) us (stat: $(get stopped_stat_ms_per_min) ms); $(get stopped_vcsw_per_min) voluntary switches; timer events in 2.5 s offscreen: $(get stopped_timer_events); tick timer armed: $(get stopped_timer_active)" \
    "no timer armed, CPU under 5 ms" "" "" "$met"
row "Running, per minute (over $RUNNING_S s)" \
    "CPU $(get running_sched_us_per_min) us (stat: $(get running_stat_ms_per_min) ms); $(get running_vcsw_per_min) voluntary switches; $(get running_timer_events) timer events in $(get running_ms) ms offscreen" \
    "CPU under 60 ms" "" "" "$(yes_if test "$(get running_sched_us_per_min)" -lt 60000)"
met=no && [ "$(get readout_min)" -eq 1 ] && [ "$(get readout_max)" -eq 1 ] &&
    [ "$(get digit_paints_other)" -eq 0 ] && [ "$(get other_paints)" -eq 0 ] && met=yes
[ "$met" = no ] && [ "$(get readout_max)" -eq 1 ] && [ "$(get digit_paints_other)" -eq 0 ] &&
    met="partly: see bench/notes.md"
row "Repaints over $(get driven_ticks) driven ticks" \
    "readout $(get readout_paints) ($(get readout_min)-$(get readout_max) a tick); minute digit $(get digit_paints_on_change) on its 3 changes, $(get digit_paints_other) otherwise; others $(get other_paints) ($(get other_detail | sed 's/ *$//'))" \
    "1 readout repaint a tick, the digit only when it changes, nothing else" "" "" "$met"
row "RSS growth: 1000 periods, then 10000 slider and colour changes" \
    "+$(get growth_kb) kB (after the first period $(get rss_first_kb) kB; after 1000 periods $(get rss_periods_kb) kB; after the first 60 changes $(get rss_first_round_kb) kB; at the end $(get rss_changes_kb) kB)" \
    "under 256 kB" "" "" "$(yes_if test "$(get growth_kb)" -lt 256)"
write_results "The clock, the window, the sound"
