#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real program under a private Xvfb, measured from outside:
#   start-up to the mapped window and memory once shown, alternated with the
#   floor windows; CPU time and context switches stopped and running; with
#   --full, the beeps of three whole periods: one through a private sound
#   server, recorded, with the server stopped for 3 s mid-period, and two
#   without a server (the fallback periods): one through the sound card,
#   recorded, and one with no card either, time-stamped by the X server as
#   bells. "fallback" measures the fallback periods alone.
#
# usage: window.sh BUILD_DIR LAUNCHES STOPPED_S RUNNING_S full|short|fallback OUT
# Writes key=value lines to OUT; bench/run.sh turns them into the table.
# shellcheck disable=SC2317  # predicates are called through poll_until
set -u
[ $# -eq 6 ] || { echo "usage: $0 BUILD_DIR LAUNCHES STOPPED_S RUNNING_S full|short|fallback OUT" >&2; exit 2; }
B=$(realpath "$1") LAUNCHES=$2 STOPPED_S=$3 RUNNING_S=$4 MODE=$5 OUT=$6
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/../tests/e2e/lib.sh"
: >"$OUT"
# shellcheck source=bench/lib.sh
. "$(dirname "$0")/lib.sh"

START_X=225 START_Y=238   # the Start button's centre in the compact window
QUIT_X=224 QUIT_Y=261

# fallback_periods: two whole periods without a sound server, the first beep
# of each timed from its click too. Through the sound card: ALSA's default
# device for the program alone, the file plugin over the null device handing
# what is played, at 8 kHz, to the tone finder, which stamps each tone by the
# wall clock as it arrives (the null device has no clock of its own): at a
# real-time priority where it may, so that the load on the machine does not
# delay its stamps. Then with no card either (lib.sh's empty ALSA
# configuration): X bells, stamped by the X server.
fallback_periods() {
    local fifo=$E2E_WORK/card.fifo t0 before
    mkfifo "$fifo"
    cat >"$E2E_WORK/card.conf" <<EOF
pcm.!default { type plug; slave { pcm { type file; slave.pcm { type null }
    file "$fifo"; format raw } rate 8000; channels 1; format S16_LE } }
EOF
    : >"$TONE_LOG"
    local rt=(chrt -f 50)
    "${rt[@]}" true 2>/dev/null || rt=()
    "${rt[@]}" "$B/toneonsets" <"$fifo" >"$TONE_LOG" 2>>"$E2E_WORK/toneonsets.err" &
    E2E_PIDS+=("$!")
    exec 3<>"$fifo"                  # open between the beeps
    before=$(bell_count)
    APP_ENV=("ALSA_CONFIG_PATH=$E2E_WORK/card.conf")
    start_app "$B/main/vornaxi-timer"
    sleep 1
    t0=$(now_ms)
    click "$START_X" "$START_Y"
    poll_until 260000 tones_at_least 5 || fail "fewer than five tones from the card in 260 s"
    sleep 3                          # room for a wrong sixth tone
    put card_tones "$(tones | cut -d' ' -f2 | paste -sd,)"
    put card_onset "$(($(tone 1 2) - t0))"
    put bells_with_card "$(($(bell_count) - before))"
    click "$QUIT_X" "$QUIT_Y"
    poll_until 3000 app_exited || fail "program still running 3 s after QUIT"
    exec 3>&-

    APP_ENV=()
    before=$(bell_count)
    start_app "$B/main/vornaxi-timer"
    sleep 1
    t0=$(now_ms)
    click "$START_X" "$START_Y"
    poll_until 260000 bells_at_least $((before + 5)) || fail "fewer than five bells in 260 s"
    sleep 3                          # room for a wrong sixth bell
    grep '^[0-9]' "$BELL_LOG" | tail -n +$((before + 1)) >"$E2E_WORK/period-bells"
    put bells "$(cut -d' ' -f1 "$E2E_WORK/period-bells" | paste -sd,)"
    put bell_onset "$(($(head -n1 "$E2E_WORK/period-bells" | cut -d' ' -f2) - t0))"
    click "$QUIT_X" "$QUIT_Y"
    poll_until 3000 app_exited || fail "program still running 3 s after QUIT"
}

start_xvfb
# The bell counter stays connected throughout: it also keeps the server from
# resetting whenever its last client goes, which would refuse the next launch.
start_bellcount "$B/bellstamp"
if [ "$MODE" = fallback ]; then
    fallback_periods
    finish >/dev/null
fi
# A sound server, as on a desktop: the program connects to it once shown,
# and plays the beeps through it.
start_pulse

# ---- start-up and memory, the program and the floors in turns ------------
# The floor is a bare titled window; "text" is the same window with one line
# of text, which shows what the font machinery alone costs. One launch of
# each first, not counted, so all find the libraries cached.
launch() { # WHO TITLE PROGRAM [ARGS...]
    local who=$1
    shift
    (cd "$E2E_WORK" && "$B/launchwait" "$1" 500 "${@:2}") 2>>"$E2E_WORK/launch.err" |
        sed "s/^/${who}_/; s/ / ${who}_/g"
}
launch_each() {
    launch app "$APP_TITLE" "$B/main/vornaxi-timer"
    launch floor "Vornaxi Floor" "$B/floorwindow"
    launch text "Vornaxi Floor" "$B/floorwindow" text
}
launch_each >/dev/null
for i in $(seq "$LAUNCHES"); do
    launch_each >>"$E2E_WORK/launches"
done
for who in app floor text; do
    for key in startup_us rss_kb pss_kb; do
        put "${who}_${key}" "$(tr ' ' '\n' <"$E2E_WORK/launches" | sed -n "s/^${who}_${key}=//p" | paste -sd,)"
    done
done

# ---- CPU and wake-ups, stopped and running ----------------------------------
# cpu_sample FILE: the program's CPU as lines of FILE: "all TICKS" (utime+
# stime from stat, clock ticks, dead threads included), then "TID NS VCSW" for
# each thread: run time from schedstat (ns, exact) and voluntary context
# switches (the times it went to sleep and woke).
cpu_sample() {
    local out=$1 stat t t_ns
    stat=$(cat "/proc/$APP_PID/stat")
    stat=${stat##*) }                  # fields from 3 on, past the command name
    # shellcheck disable=SC2086
    set -- $stat
    echo "all $((${12} + ${13}))" >"$out" # utime and stime are fields 14 and 15
    for t in /proc/"$APP_PID"/task/*; do
        read -r t_ns _ <"$t/schedstat" || continue
        echo "${t##*/} $t_ns $(sed -n 's/^voluntary_ctxt_switches:\s*//p' "$t/status")" >>"$out"
    done
}
# put_cost PREFIX SECONDS BEFORE AFTER: per-minute figures of one phase.
# Threads are matched by id: a thread that ends in between (Qt's pool lets an
# idle worker go after 30 s) would otherwise count negative; one that starts
# counts in full.
put_cost() {
    local ticks ns vcsw
    read -r ticks ns vcsw < <(awk '
        FNR == NR { if ($1 == "all") t0 = $2; else { n0[$1] = $2; v0[$1] = $3 }; next }
        $1 == "all" { t1 = $2; next }
        { ns += $2 - n0[$1]; v += $3 - v0[$1] }
        END { print t1 - t0, ns, v }' "$3" "$4")
    put "$1_s" "$2"
    put "$1_stat_ms_per_min" "$((ticks * 1000 / $(getconf CLK_TCK) * 60 / $2))"
    put "$1_sched_us_per_min" "$((ns / 1000 * 60 / $2))"
    put "$1_vcsw_per_min" "$((vcsw * 60 / $2))"
    put "$1_threads" "$(ls /proc/"$APP_PID"/task | wc -l)"
}

start_app "$B/main/vornaxi-timer"
sleep 1                              # past the first paints
cpu_sample "$E2E_WORK/cpu0"
sleep "$STOPPED_S"
cpu_sample "$E2E_WORK/cpu1"
put_cost stopped "$STOPPED_S" "$E2E_WORK/cpu0" "$E2E_WORK/cpu1"

start_recording "$B/toneonsets"
t0=$(now_ms)
click "$START_X" "$START_Y"
poll_until 2000 tones_at_least 1 || die "no tone after Start"
sleep 1                              # past the repaint of the whole panel
cpu_sample "$E2E_WORK/cpu2"
sleep "$RUNNING_S"
cpu_sample "$E2E_WORK/cpu3"
put_cost running "$RUNNING_S" "$E2E_WORK/cpu2" "$E2E_WORK/cpu3"

if [ "$MODE" != full ]; then
    click "$START_X" "$START_Y"      # Stop/Reset
    cp "$E2E_WORK/launch.err" "$OUT.launch.err" 2>/dev/null
    finish >/dev/null
fi

# ---- one whole period through the sound server, its tones recorded -----------
# The server is stopped (SIGSTOP) from 90 to 93 s, in the second minute: the
# clock must not notice.
sleep_until_ms $((t0 + 90000))
kill -STOP "$PULSE_PID"
stopped=$(now_ms)
sleep_until_ms $((t0 + 93000))
kill -CONT "$PULSE_PID"
put sound_stopped "$((stopped - t0)),$(($(now_ms) - t0))"
poll_until 170000 tones_at_least 5 || fail "fewer than five tones in 260 s"
sleep 3                              # room for a wrong sixth tone
put tones "$(tones | cut -d' ' -f1 | paste -sd,)"
put bells_with_sound "$(bell_count)"
click "$QUIT_X" "$QUIT_Y"
poll_until 3000 app_exited || fail "program still running 3 s after QUIT"

# ---- two whole periods without a sound server ----------------------------------
stop_pulse
fallback_periods
cp "$E2E_WORK/launch.err" "$OUT.launch.err" 2>/dev/null
finish >/dev/null
