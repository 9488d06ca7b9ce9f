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
# Bells are stamped by the X server (XkbBellNotify, in ms). Every case runs
# at the same raised priority (nice -10, where it may), the floor as the
# program.
#
# usage: bench/beep.sh BUILD_DIR  (bench/run.sh's build-bench: the program in
# main/, bellstamp, bellfloor, toneonsets). Writes bench/results/beep.md.
# bench/beep.sh --case NAME BUILD_DIR OUT runs one case alone.
set -u
SELF=$(realpath "$0")
[ "${1:-}" = --case ] || B=$(realpath "${1:?usage: bench/beep.sh BUILD_DIR}")
cd "$(dirname "$SELF")/.." || exit 2

if [ "${1:-}" = --case ]; then
    NAME=$2 B=$(realpath "$3") OUT=$4
    # shellcheck source=tests/e2e/lib.sh
    . tests/e2e/lib.sh
    # shellcheck source=bench/lib.sh
    . bench/lib.sh
    : >"$OUT"
    start_xvfb >/dev/null
    start_bellcount "$B/bellstamp"
    # The stamping chain (the X server and the stamper) at a real-time
    # priority where it may, so that the load does not move the stamps.
    for pid in "$XVFB_PID" "${E2E_PIDS[-1]}"; do chrt -f -a -p 50 "$pid" 2>/dev/null; done
    APP=$B/main/vornaxi-timer
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
        click 225 238 # Start, in the compact window
    fi
    if [ "$NAME" = card ]; then
        poll_until 260000 tones_at_least 5
        sleep 3 # room for a wrong sixth
        put stamps "$(tones | cut -d' ' -f2 | paste -sd,)"
    else
        poll_until 260000 bells_at_least 5
        sleep 3
        put stamps "$(grep '^[0-9]' "$BELL_LOG" | cut -d' ' -f1 | paste -sd,)"
    fi
    put bells "$(bell_count)"
    exit 0
fi

WORK=$(mktemp -d "${TMPDIR:-/tmp}/vornaxi-beep.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
CASES=(floor failing none card)
[ -z "${VORNAXI_BENCH_BEFORE:-}" ] || CASES+=(before)
LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)
for c in "${CASES[@]}"; do
    nice -n -10 "$SELF" --case "$c" "$B" "$WORK/$c" >"$WORK/$c.log" 2>&1 &
done
wait
get() { sed -n "s/^$2=//p" "$WORK/$1" 2>/dev/null | tail -n1; }
# span NAME: first to last stamp, ms; worst NAME: the stamp furthest off its
# minute, counted from the first
span() { get "$1" stamps | tr , '\n' | awk 'NR == 1 { f = $1 } { l = $1 } END { print l - f }'; }
worst() {
    get "$1" stamps | tr , '\n' |
        awk 'NR == 1 { f = $1 } { d = $1 - f - 60000 * (NR - 1); if (d * d > m * m) m = d } END { printf "%+d", m }'
}
floor=$(span floor)
row() { # NAME FIGURE GOAL_MS(or -)
    local s n d met=reference
    s=$(span "$1") n=$(get "$1" stamps | awk -F, '{ print NF }')
    d=$((s - floor))
    if [ "$3" != - ]; then
        met=no
        [ "$n" -eq 5 ] && [ "${d#-}" -le "$3" ] && met=yes
    fi
    echo "| $2 | $n beeps ($(get "$1" bells) X bells), first to last $s ms, the furthest $(worst "$1") ms off its minute | $([ "$3" = - ] && echo "(comparison)" || echo "5 bells, within $3 ms of the floor") | $floor ms | $(printf '%+d ms' "$d") | $met |"
}
mkdir -p bench/results
{
    echo "## A whole period without a sound server, against the floor"
    echo
    echo "Run of \`bench/beep.sh\`, $(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git rev-parse --short HEAD)$(git diff --quiet HEAD -- src bench || echo " (with uncommitted changes)"); the cases side by side, each under its own Xvfb."
    echo "Load average (1, 5, 15 min) before: $LOAD_BEFORE; after: $(cut -d' ' -f1-3 /proc/loadavg). Machine: $(nproc) cores."
    echo
    echo "| Figure | Measured | Goal | Floor, same run | Against the floor | Met |"
    echo "|---|---|---|---|---|---|"
    echo "| Floor: bench/tools/bellfloor rings the X bell at 0, 60, ..., 240 s | $(get floor stamps | tr , ' ') | | | | reference |"
    row failing "No sound server, ALSA's default device the PulseAudio plug-in (failing): X bells" 3
    row none "No sound server, no ALSA configuration: X bells" -
    row card "No sound server, a working card (ALSA's file plugin): tones stamped on arrival by the wall clock" -
    [ -z "${VORNAXI_BENCH_BEFORE:-}" ] || row before "As the failing row, ${VORNAXI_BENCH_BEFORE_NAME:-the program before}" -
} >bench/results/beep.md
cat bench/results/beep.md
grep -q '| no |' bench/results/beep.md && exit 1 || exit 0
