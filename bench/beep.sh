#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A whole period's beeps without a sound server, against a floor in the same
# run, the X bell rung at exact deadlines: the cases (floor, failing, none,
# card, and before where VORNAXI_BENCH_BEFORE names another build of the
# program) side by side, each under an X server of its own, so that all meet
# the same load; how each is taken: bench/notes.md. Writes bench/results/beep.md.
# usage: bench/beep.sh BUILD_DIR; bench/beep.sh --case NAME BUILD_DIR OUT runs one case alone.
set -u
SELF=$(realpath "$0")
[ "${1:-}" != --case ] || { NAME=$2 CASE_OUT=$4 && set -- "$3"; }
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
        "$B/xwatch" bells 60 5 & E2E_PIDS+=("$!")
    else
        start_app "$APP" >/dev/null && sleep 1 && t0=$(now_ms) && click_on start
    fi
    # five beeps, and room for a wrong sixth
    if [ "$NAME" = card ]; then
        poll_until 260000 tones_at_least 5 && sleep 3
        put stamps "$(tones | cut -d' ' -f2 | paste -sd,)" && first=$(tone 1 2)
    else
        poll_until 260000 bells_at_least 5 && sleep 3
        put stamps "$(bells_since 0)" && first=$(bell_ms 1)
    fi
    [ -z "${t0:-}" ] || put onset $((first - t0))
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
bells "$floor"
FLOOR_SPAN=$SPAN
# case_row NAME FIGURE GOAL: GOAL a number, within so many ms of the floor;
# "alone", 240 000 ms within 5 ms and the first within 50 ms of its click; "-", none
case_row() {
    local f=$E2E_WORK/$1 goal="(comparison)" met=reference onset
    bells "$(get stamps "$f")"
    onset=$(get onset "$f")
    if [ "$3" = alone ]; then
        goal="5, first to last 240 000 ms within 5 ms, the first within 50 ms of its click" met=no
        [ "$N" -eq 5 ] && [ "$(abs $((SPAN - 240000)))" -le 5 ] && [ "${onset:--1}" -ge 0 ] && [ "$onset" -le 50 ] && met=yes
    elif [ "$3" != - ]; then
        goal="5 bells, within $3 ms of the floor" met=no
        [ "$N" -eq 5 ] && [ "$(abs $((SPAN - FLOOR_SPAN)))" -le "$3" ] && met=yes
    fi
    [ "$1" != card ] || BELLS=${BELLS//bell/tone}
    row "$2" "$BELLS; $(get bells "$f") X bells; the first $onset ms after its click" "$goal" \
        "$FLOOR_SPAN ms" "$(printf '%+d ms' $((SPAN - FLOOR_SPAN)))" "$met"
}
row "Floor: xwatch bells rings the X bell at 0, 60, ..., 240 s" "$(tr , ' ' <<<"$floor")" "" "" "" reference
case_row failing "No sound server, ALSA's default device the PulseAudio plug-in (failing): X bells" 3
case_row none "No sound server, no ALSA configuration: X bells" alone
case_row card "No sound server, a working card (ALSA's file plugin): tones stamped on arrival by the wall clock" alone
[ -z "${VORNAXI_BENCH_BEFORE:-}" ] || case_row before "As the failing row, ${VORNAXI_BENCH_BEFORE_NAME:-the program before}" -
write_results "A whole period without a sound server, against the floor"
