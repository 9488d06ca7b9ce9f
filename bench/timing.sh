#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The program's timing to the millisecond, each figure against a floor
# measured in the same run; the X server stamps every click and bell (the
# tests' bell counter), on a private Xvfb.
#   click to tone: a click on Start or Stop/Reset to its tone's onset in the
#     recording of a private sound server; the floor, before each click: a
#     reference sound asked for with pactl to its onset (the recording's own
#     latency, pactl's start-up included)
#   the minute's bell while printing stalls: no sound server, a private cupsd
#     stopped from 2.5 s before the minute to 3.5 s after it with the page
#     sent to it, the program's Start bell to its minute's bell; the floor:
#     bellfloor's two bells 60 s apart at exact deadlines, in the same minute
# usage: timing.sh BUILD_DIR short|full   (as root, for cups-pdf; full: more
# clicks) Writes bench/results/timing.md.
# shellcheck disable=SC2154  # the layout's arrays come from layout.sh
set -u
# shellcheck source=bench/lib.sh
. "$(dirname "$0")/lib.sh"
CLICKS=$([ "$MODE" = full ] && echo 40 || echo 12)
TAG=${E2E_WORK##*.}
trap 's=$?; rm -f /root/PDF/*"$TAG"*.pdf "/var/log/cups/cups-pdf-Bench-${TAG}_log"; (exit $s); e2e_cleanup' EXIT

start_xvfb
start_bellcount "$B/bellstamp"
start_pulse
start_recording "$B/toneonsets"
APP_ENV=("XDG_CACHE_HOME=$E2E_WORK/cache")
start_app "$APP_BIN"
poll_until 5000 cached bell || die "the program is not ready at the sound server"

# ---- click to tone -------------------------------------------------------------
for ((i = 1; i <= CLICKS; i++)); do
    floor=$(chain_ms) || die "the reference sound is not heard"
    n=$(($(tone_count) + 1))
    clicked t start && poll_until 3000 tones_at_least $n || die "no tone for click $i"
    put floor "$floor" && put delay $(($(tone $n 2) - t)) && put beyond $(($(tone $n 2) - t - floor))
    sleep 0.5
done
list() { grep "^$1=" "$OUT" | cut -d= -f2 | paste -sd,; }
worst=$(list beyond | tr ',' '\n' | sort -n | tail -n1)
row "Click to tone through a sound server ($CLICKS clicks, the floor before each)" \
    "median $(list delay | median) ms, the first $(list delay | cut -d, -f1) ms, the latest $(list delay | tr ',' '\n' | sort -n | tail -n1) ms" \
    "each tone within 50 ms beyond its floor" "median $(list floor | median) ms" \
    "median +$(list beyond | median) ms, the latest +$worst ms" "$([ "$worst" -le 50 ] && echo yes || echo no)"
click_on end
poll_until 3000 app_exited || die "the program did not quit"
stop_pulse

# ---- the minute's bell while printing stalls --------------------------------------
start_cupsd
lpadmin -p "Bench-$TAG" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null &&
    lpadmin -d "Bench-$TAG" || die "cannot add the cups-pdf queue"
start_app "$APP_BIN"
click_on cmdExpand && poll_until 2000 size_is "$EXPANDED" || die "no expanded window"
click_on cmdEnter && sleep 0.2 && xdotool type "Bench $TAG"
b=$(bell_count)
click_on start
poll_until 2000 bells_at_least $((b + 1)) || die "no bell for Start"
started=$(bell_ms $((b + 1)))
sleep_until_ms $((started + 500)) && "$B/bellfloor" 60 2 &
sleep_until_ms $((started + 57500))
kill -STOP "$CUPSD_PID" && click_on cmdPrint
sleep_until_ms $((started + 63500))
kill -CONT "$CUPSD_PID"
poll_until 5000 bells_at_least $((b + 4)) || die "fewer than four bells (the program's two, the floor's two)"
# in order: Start, the floor's first, the minute's, the floor's second
read -r s1 r1 s2 r2 < <(grep '^[0-9]' "$BELL_LOG" | sed -n "$((b + 1)),$((b + 4))p" | cut -d' ' -f1 | paste -sd' ')
late=$((s2 - s1 - 60000)) floor=$((r2 - r1 - 60000))
row "The minute's bell while printing stalls (X bells, stamped by the X server)" \
    "$late ms off its minute" "within 5 ms of the floor" "$floor ms off" "$((late - floor)) ms" \
    "$([ "$(abs $((late - floor)))" -le 5 ] && echo yes || echo no)"
write_results "Timing from the click and the minute, against floors"
