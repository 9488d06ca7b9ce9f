#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The clock on phones and tablets, measured from outside in a network
# namespace of its own under a private Xvfb: what it maps before it is turned
# on, the latency to a headless Chromium's page, 0, 250 and 1000 viewers, a
# period with the hostile client (bench/tools/webload.cpp); how each figure
# is taken: bench/notes.md. Writes bench/results/web.md.
# usage: web.sh BUILD_DIR   (as root, for the namespace; bench/run.sh web)
# shellcheck disable=SC2317,SC2154  # predicates are called through poll_until; layout.sh
set -u
[ "$(id -u)" -eq 0 ] || { echo "web.sh: needs root, for a network namespace" >&2; exit 77; }
if [ -z "${VORNAXI_WEB_BENCH_NETWORK:-}" ]; then
    "$(dirname "$0")"/../tests/e2e/browser/install.sh "${1:?usage: $0 BUILD_DIR}/browser" || exit 1
    exec env VORNAXI_WEB_BENCH_NETWORK=1 unshare -n bash "$0" "$@"
fi
# shellcheck source=bench/lib.sh
. "$(dirname "$0")/lib.sh"
# shellcheck source=tests/e2e/browse.sh
. "$(dirname "$0")/../tests/e2e/browse.sh"
PHASE_S=30 LATENCY_S=60 PHONES_TITLE="The clock on phones and tablets"
ip link set lo up || die "no loopback in the namespace"
XVFB_SCREEN=1280x1024x24 start_xvfb
start_bellcount "$B/bellstamp"

# share: Ctrl+L, the small window moved off the moderator's, and LINK, PORT,
# TOKEN read off its QR code
share() {
    keys ctrl+l
    poll_until 5000 window_up "$PHONES_TITLE" || die "Ctrl+L showed no window"
    xdotool windowmove "$(window_id "$PHONES_TITLE")" 600 0
    sleep 0.5
    import -silent -window "$(window_id "$PHONES_TITLE")" -depth 8 "png:$E2E_WORK/phones.png"
    LINK=$(zbarimg --raw -q "$E2E_WORK/phones.png") || die "no QR code in the small window"
    [[ $LINK =~ ^http://127\.0\.0\.1:([0-9]+)/([0-9A-F]+)/$ ]] || die "not a link of the loopback: $LINK"
    PORT=${BASH_REMATCH[1]} TOKEN=${BASH_REMATCH[2]}
}
maps_of() { grep -c -E 'libmicrohttpd|libqrencode' /proc/"$APP_PID"/maps; }
# The viewers and the hostile client stand for other devices in the hall:
# on these two cores they yield to the program and the X server.
# viewers N FILE: N streams until stop_viewers PREFIX, which puts what they
# got as PREFIX_KEY; 0 when all had their first state
viewers() {
    nice -n 19 "$B/webload" viewers "$PORT" "/$TOKEN/events" "$1" >"$2" 2>>"$E2E_WORK/webload.err" &
    VIEWERS_PID=$! VIEWERS_OUT=$2 && E2E_PIDS+=("$!")
    poll_until 30000 grep -q '^ready' "$2"
}
stop_viewers() { kill -TERM "$VIEWERS_PID" && wait "$VIEWERS_PID"; grep -v '^ready' "$VIEWERS_OUT" | sed "s/^/$1_/" >>"$OUT"; }

start_app "$APP_BIN"
sleep 1
put off_maps "$(maps_of)"
share
put on_maps "$(maps_of)"

# ---- latency: the window's readout repainted to the page's painted ---------------
region r Label9 0
# The bridge (input on fd 3, answers on fd 4) closes its browsers when its input ends.
mkfifo "$E2E_WORK/bridge.in" "$E2E_WORK/bridge.out"
node "$B/browser/bridge.js" <"$E2E_WORK/bridge.in" >"$E2E_WORK/bridge.out" 2>>"$E2E_WORK/bridge.log" &
BRIDGE=$! && E2E_PIDS+=("$!")
exec 3>"$E2E_WORK/bridge.in" 4<"$E2E_WORK/bridge.out"
browse launch phone chromium 390 844 || die "no browser"
browse goto phone "$LINK" || die "the page did not load"
# Each change of the readout's text, stamped in the frame that paints it.
WATCH="window.paints = []; const el = document.getElementById('readout');"
WATCH+=" new MutationObserver(() => { const text = el.textContent.trim();"
WATCH+=" requestAnimationFrame(() => window.paints.push([performance.timeOrigin + performance.now(), text])); })"
WATCH+=".observe(el, { childList: true, characterData: true, subtree: true }); return true"
browse eval phone "(() => { $WATCH })()" || die "cannot watch the page"
"$B/xwatch" paints "${r[0]}" "${r[1]}" $((r[2] - r[0] + 1)) $((r[3] - r[1] + 1)) $((LATENCY_S + 3)) \
    >"$E2E_WORK/window_paints" &
STAMPS=$!
sleep 1
start_period
sleep "$LATENCY_S"
browse eval phone "JSON.stringify(window.paints)" || die "no paints from the page"
wait "$STAMPS"
exec 3>&- 4<&- && wait "$BRIDGE"
# For each second the page painted, the window's repaint of that second: the
# nearest one. The window repaints in the pass after the one that changed its
# state, while the event leaves in that same pass: the page can be first
# (a latency below zero).
echo "$ANSWER" | python3 -c 'import json, sys
window = [float(line) for line in open(sys.argv[1])]
page = [t for t, _ in json.loads(json.load(sys.stdin))]
near = [min(window or [0], key=lambda w: abs(w - t)) for t in page]
print("latency_ms=" + ",".join("%.2f" % (t - w) for t, w in zip(page, near) if abs(t - w) < 500))
print("latency_window_paints=%d\nlatency_page_paints=%d" % (len(window), len(page)))' "$E2E_WORK/window_paints" >>"$OUT"

# ---- viewers: 0, 250, 1000 in turn, the period running -------------------------------
for n in 0 250 1000; do
    [ "$n" -eq 0 ] || viewers "$n" "$E2E_WORK/viewers$n" || die "$n viewers did not all connect"
    sleep 2
    a=$(cpu_ns "$APP_PID")
    sleep "$PHASE_S"
    put "viewers${n}_cpu_ns" $(($(cpu_ns "$APP_PID") - a))
    put "viewers${n}_rss_kb" "$(rss_kb "$APP_PID")"
    if [ "$n" -gt 0 ]; then
        stop_viewers "viewers$n"
        # A stream the clock has suspended learns that its viewer left at
        # the next beat: the slots of the streams just gone come free.
        sleep 2
    fi
done
stop_pid "$APP_PID"

# ---- hostile: a period with 1000 viewers and the hostile client ------------------------
start_app "$APP_BIN"
sleep 1
share
viewers 1000 "$E2E_WORK/viewers_hostile" || die "1000 viewers did not all connect"
nice -n 19 "$B/webload" hostile "$PORT" "$TOKEN" >"$E2E_WORK/hostile" 2>>"$E2E_WORK/webload.err" &
HOSTILE=$! && E2E_PIDS+=("$!")
start_period
end_period hostile
kill -TERM "$HOSTILE" && wait "$HOSTILE"
stop_viewers hostile_viewers
sed 's/^/hostile_/' "$E2E_WORK/hostile" >>"$OUT"
stop_pid "$APP_PID"

# ---- the table -----------------------------------------------------------------------
met=no && [ "$(get off_maps)" -eq 0 ] && [ "$(get on_maps)" -gt 0 ] && met=yes
row "Never turned on: libmicrohttpd's and libqrencode's mappings in the program" \
    "$(get off_maps) before Ctrl+L; $(get on_maps) after" "none until first needed" "" "" "$met"
lat=$(get latency_ms) n=$(get latency_ms | entries)
met=no && [ "$n" -ge $((LATENCY_S - 3)) ] && within "$(pct 99 <<<"$lat")" 1 30 && met=yes
row "The moderator's readout repainted to the page's painted, headless Chromium 390x844 on the same machine, $n seconds of a period" \
    "median $(pct 50 <<<"$lat") ms, p99 $(pct 99 <<<"$lat") ms, max $(pct 100 <<<"$lat") ms (window repaints seen $(get latency_window_paints), page paints $(get latency_page_paints))" \
    "p99 at most 30 ms" "(no floor)" "" "$met"
# slope KEY: least squares over 0, 250 and 1000 viewers, per viewer
slope() {
    for v in 0 250 1000; do echo "$v $(get "viewers${v}_$1")"; done |
        awk '{ x = $1; y = $2; n++; sx += x; sy += y; sxx += x * x; sxy += x * y }
        END { printf "%.3f", (n * sxy - sx * sy) / (n * sxx - sx * sx) }'
}
per_s() { awk -v s="$PHASE_S" -v v="$(get "viewers${1}_cpu_ns")" 'BEGIN { printf "%d", v / 1000 / s }'; }
mem=$(slope rss_kb) cpu=$(awk -v c="$(slope cpu_ns)" -v s="$PHASE_S" 'BEGIN { printf "%.2f", c / 1000 / s }')
every=no
[ "$(get viewers1000_same_events)" -eq 1000 ] && [ "$(get viewers1000_closed)" -eq 0 ] &&
    [ "$(get viewers1000_data_min)" -ge $((PHASE_S - 1)) ] && [ "$(get viewers250_same_events)" -eq 250 ] && every=yes
met=no && [ "$every" = yes ] && within "$mem" 1 40 && within "$cpu" 1 10 && met=yes
row "Viewers on the loopback during a period, $PHASE_S s each: 0, 250, 1000 event streams" \
    "memory $mem kB a viewer, CPU $cpu us a viewer-second (RSS $(get viewers0_rss_kb), $(get viewers250_rss_kb), $(get viewers1000_rss_kb) kB; CPU $(per_s 0), $(per_s 250), $(per_s 1000) us a second); every stream every event: $every (1000: $(get viewers1000_same_events) the same, data events $(get viewers1000_data_min) to $(get viewers1000_data_max), beats $(get viewers1000_beats_min) to $(get viewers1000_beats_max), dropped $(get viewers1000_closed))" \
    "each gets every event; at most 40 kB and 10 us a viewer-second (the slope)" "0 viewers, same run" "" "$met"
bells "$(get hostile_bells)"
answers=$(sed -n 's/^hostile_status_\([0-9]*\)=/\1: /p' "$OUT" | paste -sd, | sed 's/,/, /g')
met=no && [ "$N" -eq 5 ] && [ "$(abs "$LATE")" -le 5 ] && [ "$(get hostile_running)" = yes ] &&
    [ "$(get hostile_viewers_same_events)" -eq "$(get hostile_viewers_open)" ] && met=yes
row "A whole period with 1000 viewers and the hostile client (bench/tools/webload hostile: the tests' hostile requests and more) running throughout" \
    "$BELLS; hostile rounds $(get hostile_rounds), answers by status: ${answers:-none}, unanswered $(get hostile_unanswered); viewers $(get hostile_viewers_open) open at the end, $(get hostile_viewers_same_events) with every event, $(get hostile_viewers_closed) dropped" \
    "every bell within 5 ms of its second; every viewer every event" "(no floor)" "$LATE ms" "$met"
write_results "The clock on phones and tablets"
