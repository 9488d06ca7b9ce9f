#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A whole period's beeps without a sound server, against a floor in the same
# run: bench/tools/bellfloor ringing the X bell at exact deadlines 0, 60, ...,
# 240 s. The cases run side by side, each under an X server of its own, so
# that all meet the same load (about 4.5 minutes):
#   floor    the floor's bells
#   failing  the program, ALSA's default device the PulseAudio plug-in and no
#            sound server running (it fails each time it is opened): X bells
#   none     the program, no ALSA configuration at all: X bells
#   card     the program, a working card (ALSA's file plugin over the null
#            device): its tones, stamped as they arrive by the wall clock
#   before   as "failing", with VORNAXI_BENCH_BEFORE (another build of the
#            program, say one from before a change), where it is set
# Bells are stamped by the X server (XkbBellNotify, in ms); the first beep's
# onset after its click by the wall clock. Every case runs at the same raised
# priority (nice -10, where it may), the floor as the program.
#
# usage: bench/beep.sh BUILD_DIR  (bench/run.sh's build-bench: the program in
# main/, bellstamp, bellfloor, toneonsets). Writes bench/results/beep.md.
# bench/beep.sh --case NAME BUILD_DIR OUT runs one case alone.
set -u
SELF=$(realpath "$0")
if [ "${1:-}" = --case ]; then
    NAME=$2 CASE_OUT=$4
    set -- "$3"
fi
# shellcheck source=bench/lib.sh
. "$(dirname "$SELF")/lib.sh"

if [ -n "${NAME:-}" ]; then
    OUT=$CASE_OUT
    : >"$OUT"
    start_xvfb >/dev/null
    start_bellcount "$B/bellstamp"
    # The stamping chain (the X server and the stamper) at a real-time
    # priority where it may, so that the load does not move the stamps.
    for pid in "$XVFB_PID" "${E2E_PIDS[-1]}"; do chrt -f -a -p 50 "$pid" 2>/dev/null; done
    APP=$APP_BIN
    case $NAME in
    failing | before)
        printf '%s\n' '</usr/share/alsa/alsa.conf>' 'pcm.!default { type pulse }' \
            'ctl.!default { type pulse }' >"$E2E_WORK/failing.conf"
        APP_ENV=("ALSA_CONFIG_PATH=$E2E_WORK/failing.conf")
        [ "$NAME" = failing ] || APP=$VORNAXI_BENCH_BEFORE ;;
    card)
        mkfifo "$E2E_WORK/card.fifo"
        printf 'pcm.!default { type plug; slave { pcm { type file; slave.pcm { type null }
            file "%s"; format raw } rate 8000; channels 1; format S16_LE } }\n' \
            "$E2E_WORK/card.fifo" >"$E2E_WORK/card.conf"
        rt=(chrt -f 50) # the tone finder's stamps not delayed by the load, where it may
        "${rt[@]}" true 2>/dev/null || rt=()
        "${rt[@]}" "$B/toneonsets" <"$E2E_WORK/card.fifo" >"$TONE_LOG" 2>/dev/null &
        E2E_PIDS+=("$!")
        exec 3<>"$E2E_WORK/card.fifo" # open between the tones
        APP_ENV=("ALSA_CONFIG_PATH=$E2E_WORK/card.conf") ;;
    *) APP_ENV=() ;; # none: tests/e2e/lib.sh's empty ALSA configuration
    esac
    if [ "$NAME" = floor ]; then
        "$B/bellfloor" 60 5 &
        E2E_PIDS+=("$!")
    else
        start_app "$APP" >/dev/null
        sleep 1
        t0=$(now_ms)
        click_on start
    fi
    if [ "$NAME" = card ]; then
        poll_until 260000 tones_at_least 5
        sleep 3 # room for a wrong sixth
        put stamps "$(tones | cut -d' ' -f2 | paste -sd,)"
        [ -z "${t0:-}" ] || put onset "$(($(tone 1 2) - t0))"
    else
        poll_until 260000 bells_at_least 5
        sleep 3
        put stamps "$(bells_since 0)"
        [ -z "${t0:-}" ] || put onset "$(($(bell_ms 1) - t0))"
    fi
    put bells "$(bell_count)"
    exit 0
fi

CASES=(floor failing none card)
[ -z "${VORNAXI_BENCH_BEFORE:-}" ] || CASES+=(before)
for c in "${CASES[@]}"; do
    nice -n -10 "$SELF" --case "$c" "$B" "$E2E_WORK/$c" >"$E2E_WORK/$c.log" 2>&1 &
done
wait
floor=$(get stamps "$E2E_WORK/floor")
bells "$floor" >/dev/null
FLOOR_SPAN=$SPAN
# case NAME FIGURE GOAL: GOAL a number, within so many ms of the floor; "alone",
# 240 000 ms within 5 ms and the first within 50 ms of its click; "-", none
case_row() {
    local f=$E2E_WORK/$1 words d met=reference onset
    bells "$(get stamps "$f")" >/dev/null # sets N and SPAN
    words=$(bells "$(get stamps "$f")") onset=$(get onset "$f")
    [ "$1" != card ] || words=${words/bells/tones}
    d=$((SPAN - FLOOR_SPAN))
    case $3 in
    -) ;;
    alone) met=no
        [ "$N" -eq 5 ] && [ "$(abs $((SPAN - 240000)))" -le 5 ] && [ "${onset:--1}" -ge 0 ] && [ "$onset" -le 50 ] && met=yes ;;
    *) met=no
        [ "$N" -eq 5 ] && [ "$(abs "$d")" -le "$3" ] && met=yes ;;
    esac
    row "$2" "$words; $(get bells "$f") X bells; the first $onset ms after its click" \
        "$(case $3 in -) echo "(comparison)" ;; alone) echo "5, first to last 240 000 ms within 5 ms, the first within 50 ms of its click" ;; *) echo "5 bells, within $3 ms of the floor" ;; esac)" \
        "$FLOOR_SPAN ms" "$(printf '%+d ms' "$d")" "$met"
}
row "Floor: bench/tools/bellfloor rings the X bell at 0, 60, ..., 240 s" "$(tr , ' ' <<<"$floor")" "" "" "" reference
case_row failing "No sound server, ALSA's default device the PulseAudio plug-in (failing): X bells" 3
case_row none "No sound server, no ALSA configuration: X bells" alone
case_row card "No sound server, a working card (ALSA's file plugin): tones stamped on arrival by the wall clock" alone
[ -z "${VORNAXI_BENCH_BEFORE:-}" ] || case_row before "As the failing row, ${VORNAXI_BENCH_BEFORE_NAME:-the program before}" -
write_results "A whole period without a sound server, against the floor"
