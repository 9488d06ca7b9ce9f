#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The program's timing to the millisecond, each figure against a floor
# measured in the same run, on a private Xvfb that stamps every click and bell:
# click to tone through a sound server, and the minute's bell while printing
# stalls; how each is taken: bench/notes.md. Writes bench/results/timing.md.
# usage: timing.sh BUILD_DIR short|full   (as root, for cups-pdf; full: more clicks)
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
worst=$(all beyond | pct 100)
row "Click to tone through a sound server ($CLICKS clicks, the floor before each)" \
    "median $(med delay) ms, the first $(all delay | cut -d, -f1) ms, the latest $(all delay | pct 100) ms" \
    "each tone within 50 ms beyond its floor" "median $(med floor) ms" \
    "median +$(med beyond) ms, the latest +$worst ms" "$(yes_if test "$worst" -le 50)"
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
start_period
b=$PERIOD_BELLS started=$(bell_ms $((PERIOD_BELLS + 1)))
sleep_until_ms $((started + 500)) && "$B/xwatch" bells 60 2 &
sleep_until_ms $((started + 57500))
kill -STOP "$CUPSD_PID" && click_on cmdPrint
sleep_until_ms $((started + 63500))
kill -CONT "$CUPSD_PID"
poll_until 5000 bells_at_least $((b + 4)) || die "fewer than four bells (the program's two, the floor's two)"
# in order: Start, the floor's first, the minute's, the floor's second
IFS=, read -r s1 r1 s2 r2 _ <<<"$(bells_since "$b")"
late=$((s2 - s1 - 60000)) floor=$((r2 - r1 - 60000))
row "The minute's bell while printing stalls (X bells, stamped by the X server)" \
    "$late ms off its minute" "within 5 ms of the floor" "$floor ms off" "$((late - floor)) ms" \
    "$(yes_if test "$(abs $((late - floor)))" -le 5)"
write_results "Timing from the click and the minute, against floors"
