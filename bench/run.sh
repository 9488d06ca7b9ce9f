#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the benchmarks (Release, in build-bench/) and runs them; prints one
# table and writes it to bench/results.md.
#
# usage: bench/run.sh [--full | --fallback | --room]
#   default     about 6 minutes: the 1000 ms tick case as 20 ticks, CPU over
#               15 s stopped and 15 s running, no whole period under Xvfb, no
#               room's view
#   --full      about 40 minutes: 240 ticks of 1000 ms, 60 s + 60 s of CPU,
#               three whole four-minute periods of the real program, one
#               heard through a sound server and recorded, and without a
#               server one through the sound card, recorded, and one as X
#               bells, stamped; and the room's view (bench/room.sh, about 10
#               minutes)
#   --fallback  about 9 minutes: the two periods without a sound server
#               alone; prints their rows and leaves bench/results.md as it is
#   --room      about 10 minutes: the room's view alone; prints its rows and
#               leaves bench/results.md as it is
set -euo pipefail
cd "$(dirname "$0")/.."
FULL=0 FALLBACK=0 ROOM=0
case ${1:-} in
--full) FULL=1 ROOM=1 ;;
--fallback) FALLBACK=1 ;;
--room) ROOM=1 ;;
"") ;;
*) echo "usage: $0 [--full | --fallback | --room]" >&2; exit 2 ;;
esac

source tools/deps.sh
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"

B=build-bench
cmake -S bench -B "$B" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$B"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/vornaxi-bench.XXXXXX")
export XDG_RUNTIME_DIR="$WORK/xdg"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
LOAD_PIDS=()
stop_load() {
    local pid
    for pid in "${LOAD_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    LOAD_PIDS=()
}
trap 'stop_load; rm -rf "$WORK"' EXIT

ROWS=()
MISSES=0
LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)
# row FIGURE MEASURED GOAL FLOOR RATIO MET(yes|no|...)
row() {
    ROWS+=("| $1 | $2 | $3 | $4 | $5 | $6 |")
    case $6 in yes | reference) ;; *) MISSES=$((MISSES + 1)) ;; esac
}
get() { sed -n "s/^$2=//p" "$1" | tail -n1; }
ms() { awk -v u="$1" 'BEGIN { printf "%+.2f ms", u / 1000 }'; }
median() { tr ',' '\n' | sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
# ratio A B: A / B, as "1/N" when A is the far smaller
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN {
        if (b == 0) print "n/a"; else if (a / b < 0.1) printf "1/%.0f", b / (a ? a : 1); else printf "%.2fx", a / b }'
}
abs() { echo "${1#-}"; }

# period_row NAME STAMPS UNIT GOAL_MS [EXTRA [ONSET_MS]]: a whole period's
# five beeps, stamped in ms, against 240 s within GOAL_MS and 60 s gaps within
# 20 ms; given ONSET_MS, the first beep's onset after its click, within 50 ms
period_row() {
    local t n span gaps="" met=yes i g
    IFS=, read -ra t <<<"$2"
    n=${#t[@]}
    span=$((t[n - 1] - t[0]))
    for ((i = 1; i < n; i++)); do gaps+="$((t[i] - t[i - 1])) "; done
    [ "$n" -eq 5 ] && [ "$(abs $((span - 240000)))" -le "$4" ] || met=no
    for g in $gaps; do [ "$(abs $((g - 60000)))" -le 20 ] || met=no; done
    if [ -n "${6:-}" ] && { [ "$6" -lt 0 ] || [ "$6" -gt 50 ]; }; then met=no; fi
    row "$1" "$n $3; first to last ${span} ms; gaps ${gaps% } ms${6:+; the first $6 ms after its click}${5:+; $5}" \
        "5 $3, 60 s apart, first to last 240 000 ms within $4 ms${6:+; the first within 50 ms of its click}" "(no floor)" \
        "$(awk -v s="$span" 'BEGIN { printf "%+d ms", s - 240000 }')" "$met"
}

# fallback_rows OUT: the rows of the two periods without a sound server
fallback_rows() {
    local tones bells
    tones=$(get "$1" card_tones)
    if [ -n "$tones" ]; then
        period_row "Real period without a sound server, through the sound card (ALSA's file plugin over the null device), tones stamped as they arrive" \
            "$tones" tones 5 "X bells meanwhile: $(get "$1" bells_with_card)" "$(get "$1" card_onset)"
    else
        row "Real period through the sound card" "no tones recorded (see the output above)" "5 tones 60 s apart, 240 s within 5 ms" "" "" "no"
    fi
    bells=$(get "$1" bells)
    if [ -n "$bells" ]; then
        period_row "Real period without a sound server or a sound card, X bells stamped by the X server" \
            "$bells" bells 5 "" "$(get "$1" bell_onset)"
    else
        row "Real period as X bells" "no bells recorded (see the output above)" "5 bells 60 s apart, 240 s within 5 ms" "" "" "no"
    fi
}

if [ "$FALLBACK" -eq 1 ]; then
    echo "== the periods without a sound server"
    bench/window.sh "$B" 0 0 0 fallback "$WORK/window" | sed 's/^/   /'
    fallback_rows "$WORK/window"
    printf '%s\n' "${ROWS[@]}"
    exit "$MISSES"
fi

room_only() { [ "$ROOM" -eq 1 ] && [ "$FULL" -eq 0 ]; }

if ! room_only; then
# ---- 1: the tick scheduler --------------------------------------------------
# The program's timer and Qt's default repeating one run side by side, as two
# processes, so that both meet exactly the same conditions.
echo "== 1: tick scheduler"
tickpair() { # NAME INTERVAL TICKS [STALL_AT STALL_MS]
    local name=$1
    shift
    "$B/tickbench" precise "$@" >"$WORK/$name.precise" &
    local p=$!
    "$B/tickbench" coarse "$@" >"$WORK/$name.coarse" &
    local c=$!
    wait "$p" && wait "$c"
}
tickrow() { # NAME LABEL STALLED
    local p="$WORK/$1.precise" c="$WORK/$1.coarse" met=yes end
    end=$(get "$p" end)
    [ "$(abs "$end")" -le 5000 ] && [ "$(get "$p" lost)" -eq 0 ] || met=no
    if [ "$3" = stalled ] && [ "$(abs "$(get "$p" after_stall)")" -gt 5000 ]; then met=no; fi
    local fig="lateness median $(ms "$(get "$p" median)"), max $(ms "$(get "$p" max)"); end $(ms "$end"); lost $(get "$p" lost)"
    local floor="median $(ms "$(get "$c" median)"), max $(ms "$(get "$c" max)"); end $(ms "$(get "$c" end)"); lost $(get "$c" lost)"
    if [ "$3" = stalled ]; then
        fig+="; first tick after the stall $(ms "$(get "$p" after_stall)")"
        floor+="; after the stall $(ms "$(get "$c" after_stall)")"
    fi
    row "TickTimer, $2" "$fig" "end within 5 ms, none lost$([ "$3" = stalled ] && echo ", on time after the stall")" \
        "$floor" "end error $(ratio "$(abs "$end")" "$(abs "$(get "$c" end)")")" "$met"
}
LONG_TICKS=20
[ "$FULL" -eq 1 ] && LONG_TICKS=240
for case in "100 240" "1000 $LONG_TICKS"; do
    read -r iv n <<<"$case"
    echo "-- $n x $iv ms: idle, both cores busy, event loop blocked 2.5 s at tick 3"
    tickpair "idle$iv" "$iv" "$n"
    sh -c 'while :; do :; done' & LOAD_PIDS+=($!)
    sh -c 'while :; do :; done' & LOAD_PIDS+=($!)
    tickpair "load$iv" "$iv" "$n"
    stop_load
    tickpair "stall$iv" "$iv" "$n" 3 2500
    tickrow "idle$iv" "$n x $iv ms, idle" plain
    tickrow "load$iv" "$n x $iv ms, both cores busy" plain
    tickrow "stall$iv" "$n x $iv ms, loop blocked 2.5 s at tick 3" stalled
done

# ---- 2, 3, 4 (CPU): the real program under Xvfb ----------------------------
echo "== 2-4: the real program under Xvfb"
if [ "$FULL" -eq 1 ]; then
    bench/window.sh "$B" 15 60 60 full "$WORK/window" | sed 's/^/   /'
else
    bench/window.sh "$B" 15 15 15 short "$WORK/window" | sed 's/^/   /'
fi
W="$WORK/window"

tones=$(get "$W" tones)
if [ "$FULL" -eq 1 ] && [ -n "$tones" ]; then
    # sample numbers at 8000 Hz, the recording's own clock, to ms
    tones=$(echo "$tones" | tr , '\n' | awk '{ printf "%s%d", (NR > 1 ? "," : ""), $1 / 8 }')
    period_row "Real period through a sound server, tones recorded; the server stopped (SIGSTOP) $(get "$W" sound_stopped | tr , -) ms after Start" \
        "$tones" tones 5 "X bells meanwhile: $(get "$W" bells_with_sound)"
elif [ "$FULL" -eq 1 ]; then
    row "Real period through a sound server" "no tones recorded (see the output above)" "5 tones 60 s apart, 240 s within 5 ms" "" "" "no"
else
    row "Real period through a sound server" "not run (bench/run.sh --full)" "5 tones 60 s apart, 240 s within 5 ms" "" "" "not run"
fi

if [ "$FULL" -eq 1 ]; then
    fallback_rows "$W"
else
    row "Real periods without a sound server" "not run (bench/run.sh --full)" "through the card and as X bells: 5 beeps 60 s apart, 240 s within 5 ms" "" "" "not run"
fi

a_up=$(get "$W" app_startup_us | median)
f_up=$(get "$W" floor_startup_us | median)
a_rss=$(get "$W" app_rss_kb | median)
f_rss=$(get "$W" floor_rss_kb | median)
a_pss=$(get "$W" app_pss_kb | median)
f_pss=$(get "$W" floor_pss_kb | median)
t_up=$(get "$W" text_startup_us | median)
t_rss=$(get "$W" text_rss_kb | median)
t_pss=$(get "$W" text_pss_kb | median)
launches=$(get "$W" app_startup_us | awk -F, '{ print NF }')
# Against the floor with one line of text: any window that shows text pays
# for the font machinery, which the bare floor never starts (see the notes).
met=no
awk -v a="$a_up" -v f="$t_up" 'BEGIN { exit !(a <= 1.3 * f) }' && met=yes
row "Start-up, exec to window mapped (median of $launches, alternated)" "$(ms "$a_up" | tr -d +)" \
    "within 1.3x the floor with one line of text" "$(ms "$t_up" | tr -d +)" "$(ratio "$a_up" "$t_up")" "$met"
met=no
[ "$((${a_rss%.*} - ${t_rss%.*}))" -le 3072 ] && met=yes
row "RSS once shown (median), connected to a sound server" "${a_rss} kB (PSS ${a_pss} kB)" \
    "within the floor with one line of text + 3072 kB" "${t_rss%.*} kB (PSS ${t_pss} kB)" \
    "+$((${a_rss%.*} - ${t_rss%.*})) kB, $(ratio "$a_rss" "$t_rss")" "$met"
row "Reference: the bare floor window, no text" "start-up $(ms "$f_up" | tr -d +); RSS ${f_rss%.*} kB (PSS ${f_pss} kB)" \
    "(what text costs)" "$(ms "$t_up" | tr -d +); ${t_rss%.*} kB" \
    "$(ratio "$f_up" "$t_up"); $((${f_rss%.*} - ${t_rss%.*})) kB" "reference"

# ---- 4: cost of the clock ------------------------------------------------------
echo "== 4: repaints and timer wake-ups, offscreen"
QT_QPA_PLATFORM=offscreen "$B/windowbench" paints 2500 >"$WORK/paints" 2>"$WORK/paints.err"
P="$WORK/paints"
met=no
[ "$(get "$P" stopped_timer_events)" -eq 0 ] && [ "$(get "$P" stopped_timer_active)" -eq 0 ] &&
    [ "$(get "$W" stopped_sched_us_per_min)" -lt 5000 ] && met=yes
row "Stopped, per minute (over $(get "$W" stopped_s) s)" \
    "CPU $(get "$W" stopped_sched_us_per_min) us (stat: $(get "$W" stopped_stat_ms_per_min) ms); $(get "$W" stopped_vcsw_per_min) voluntary switches; timer events in 2.5 s offscreen: $(get "$P" stopped_timer_events); tick timer armed: $(get "$P" stopped_timer_active)" \
    "no timer armed, CPU under 5 ms" "" "" "$met"
met=no
[ "$(get "$W" running_sched_us_per_min)" -lt 60000 ] && met=yes
row "Running, per minute (over $(get "$W" running_s) s)" \
    "CPU $(get "$W" running_sched_us_per_min) us (stat: $(get "$W" running_stat_ms_per_min) ms); $(get "$W" running_vcsw_per_min) voluntary switches; $(get "$P" running_timer_events) timer events in $(get "$P" running_ms) ms offscreen" \
    "CPU under 60 ms" "" "" "$met"
met=no
[ "$(get "$P" readout_min)" -eq 1 ] && [ "$(get "$P" readout_max)" -eq 1 ] &&
    [ "$(get "$P" digit_paints_other)" -eq 0 ] && [ "$(get "$P" other_paints)" -eq 0 ] && met=yes
[ "$met" = no ] && [ "$(get "$P" readout_max)" -eq 1 ] && [ "$(get "$P" digit_paints_other)" -eq 0 ] &&
    met="partly: see below"
row "Repaints over $(get "$P" driven_ticks) driven ticks" \
    "readout $(get "$P" readout_paints) ($(get "$P" readout_min)-$(get "$P" readout_max) a tick); minute digit $(get "$P" digit_paints_on_change) on its 3 changes, $(get "$P" digit_paints_other) otherwise; others $(get "$P" other_paints) ($(get "$P" other_detail | sed 's/ *$//'))" \
    "1 readout repaint a tick, the digit only when it changes, nothing else" "" "" "$met"

# ---- 5: no growth -------------------------------------------------------------
echo "== 5: growth over 1000 periods and 10000 changes, offscreen"
QT_QPA_PLATFORM=offscreen "$B/windowbench" growth 1000 10000 >"$WORK/growth" 2>"$WORK/growth.err"
G="$WORK/growth"
met=no
[ "$(get "$G" growth_kb)" -lt 256 ] && met=yes
row "RSS growth: 1000 periods, then 10000 slider and colour changes" \
    "+$(get "$G" growth_kb) kB (after the first period $(get "$G" rss_first_kb) kB; after 1000 periods $(get "$G" rss_periods_kb) kB; after the first 60 changes $(get "$G" rss_first_round_kb) kB; at the end $(get "$G" rss_changes_kb) kB)" \
    "under 256 kB" "" "" "$met"

fi

# ---- 6: the room's view ---------------------------------------------------------
if [ "$ROOM" -eq 1 ]; then
    echo "== 6: the room's view on a 3840x2160 screen under Xvfb"
    bench/room.sh "$B" 15 25 4 1000 100 "$WORK/room" | sed 's/^/   /'
    QT_QPA_PLATFORM=offscreen "$B/windowbench" room 3840 2160 >"$WORK/roomparts" 2>"$WORK/roomparts.err"
    R="$WORK/room" RP="$WORK/roomparts"
    a1=$(get "$R" app_open1_us | median) f1=$(get "$R" floor_open1_us | median)
    a2=$(get "$R" app_open2_us | median) f2=$(get "$R" floor_open2_us | median)
    met=no
    awk -v a="$a1" -v f="$f1" -v b="$a2" -v g="$f2" 'BEGIN { exit !(a <= 1.5 * f && b <= 1.5 * g) }' && met=yes
    row "Opening the room's view full screen on 3840x2160: Ctrl+R to mapped and painted all over (median of $(get "$R" app_open1_us | awk -F, '{ print NF }'), alternated)" \
        "first opening $(ms "$a1" | tr -d +) (mapped at $(ms "$(get "$R" app_open1_map_us | median)" | tr -d +)); again $(ms "$a2" | tr -d +)" \
        "within 1.5x a full-screen window with one line of text, opened the same way" \
        "first $(ms "$f1" | tr -d +) (mapped at $(ms "$(get "$R" floor_open1_map_us | median)" | tr -d +)); again $(ms "$f2" | tr -d +)" \
        "first $(ratio "$a1" "$f1"); again $(ratio "$a2" "$f2")" "$met"
    row "Reference: memory of the view opened once (3840x2160), median" \
        "before $(get "$R" app_rss_kb | median) kB; open $(get "$R" app_view_rss_kb | median) kB; closed again $(get "$R" app_closed_rss_kb | median) kB" \
        "(what a full-screen window holds)" \
        "$(get "$R" floor_rss_kb | median) kB; $(get "$R" floor_view_rss_kb | median) kB; $(get "$R" floor_closed_rss_kb | median) kB" \
        "+$(($(get "$R" app_view_rss_kb | median | cut -d. -f1) - $(get "$R" app_rss_kb | median | cut -d. -f1))) kB against +$(($(get "$R" floor_view_rss_kb | median | cut -d. -f1) - $(get "$R" floor_rss_kb | median | cut -d. -f1))) kB" "reference"
    per_min() { tr ',' '\n' | awk -v s="$1" '{ t += $1; n++ } END { printf "%d", t / 1000 / (n * s) * 60 }'; }
    phase=$(get "$R" running_phase_s)
    with=$(get "$R" running_with_ns | per_min "$phase") without=$(get "$R" running_without_ns | per_min "$phase")
    met=no
    awk -v a="$with" -v b="$without" 'BEGIN { exit !(a <= 2 * b) }' && met=yes
    row "Running, the view open full screen on 3840x2160, per minute ($(get "$R" running_with_ns | awk -F, '{ print NF }') x $phase s open and closed, alternated)" \
        "CPU $with us (phases: $(get "$R" running_with_ns | tr ',' '\n' | awk -v s="$phase" '{ printf "%s%d", (NR > 1 ? " " : ""), $1 / 1000 / s * 60 }') us)" \
        "at most 2x the program with the view closed" \
        "CPU $without us (phases: $(get "$R" running_without_ns | tr ',' '\n' | awk -v s="$phase" '{ printf "%s%d", (NR > 1 ? " " : ""), $1 / 1000 / s * 60 }') us)" \
        "$(ratio "$with" "$without")" "$met"
    row "Reference: one second in the view, offscreen at 3840x2160 (readout box $(get "$RP" room_readout_box), its ink box $(get "$RP" room_ink_box), font $(get "$RP" room_readout_px) px)" \
        "$(get "$RP" room_tick_us) us a second ($(get "$RP" room_tick_paints) paints in 59 seconds); of that, measured apart: filling the ink box $(get "$RP" room_fill_us) us, the readout's glyphs copied $(get "$RP" room_draw_text_us) us; once per size: the font fitted and the ink of all readouts measured $(ms "$(get "$RP" room_fit_readout_us)" | tr -d +) (the ink alone $(ms "$(get "$RP" room_ink_of_all_readouts_us)" | tr -d +)), the glyphs drawn into images $(ms "$(get "$RP" room_glyphs_drawn_us)" | tr -d +), the stop sign drawn $(ms "$(get "$RP" room_stop_sign_us)" | tr -d +) (copied afterwards in $(get "$RP" room_stop_sign_copy_us) us); first showing $(ms "$(get "$RP" room_first_show_us)" | tr -d +)" \
        "(where the time goes)" "" "" "reference"
    bells=$(get "$R" stress_bells)
    IFS=, read -ra t <<<"$bells"
    n=${#t[@]} span=$((t[${#t[@]} - 1] - t[0])) gaps=""
    for ((i = 1; i < n; i++)); do gaps+="$((t[i] - t[i - 1])) "; done
    first=$(get "$R" stress_rss_after_10_kb) last=$(get "$R" stress_rss_after_last_kb) end=$(get "$R" stress_rss_end_kb)
    growth=$((end > last ? end - first : last - first))
    # each bell against the first one and whole minutes
    late=$(echo "$bells" | tr ',' '\n' | awk 'NR == 1 { t0 = $1 } { d = $1 - t0 - 60000 * (NR - 1); if (d * d > m * m) m = d } END { printf "%+d", m }')
    met=no
    [ "$n" -eq 5 ] && [ "$(abs $((span - 240000)))" -le 5 ] && [ "$growth" -lt 256 ] &&
        [ "$(get "$R" stress_unanswered)" -eq 0 ] && [ "$(get "$R" stress_unpainted)" -eq 0 ] &&
        [ "$(get "$R" stress_moved)" -eq "$(get "$R" stress_screen_changes)" ] &&
        [ "$(get "$R" stress_running)" = yes ] && met=yes
    row "During one period: the view opened and closed $(get "$R" stress_cycles) times, its screen removed and added $(($(get "$R" stress_screen_changes) / 2)) times while it was open" \
        "RSS +$growth kB (at the start $(get "$R" stress_rss_before_kb) kB; after 10 cycles $first kB, 100: $(get "$R" stress_rss_after_100_kb) kB, all: $last kB; period's end $end kB); $n bells, first to last $span ms, gaps ${gaps% } ms, the latest bell $late ms off its minute; $(get "$R" stress_opened) openings in $(get "$R" stress_cycles_ms) ms (key to painted: median $(ms "$(get "$R" stress_open_median_us)" | tr -d +), 90 % $(ms "$(get "$R" stress_open_p90_us)" | tr -d +), max $(ms "$(get "$R" stress_open_max_us)" | tr -d +)); keys unanswered within 3 s: $(get "$R" stress_unanswered); views not painted within 3 s: $(get "$R" stress_unpainted); screen changes the view followed, mapped and painted at its new place within 3 s: $(get "$R" stress_moved) of $(get "$R" stress_screen_changes) (slowest $(ms "$(get "$R" stress_moved_max_us)" | tr -d +))" \
        "RSS growth after the first 10 cycles under 256 kB; 5 bells, first to last 240 000 ms within 5 ms; every key answered, every screen change followed" \
        "(no floor)" "$(awk -v s="$span" 'BEGIN { printf "%+d ms", s - 240000 }')" "$met"
else
    row "Room's view (opening, running, 1000 openings during a period)" "not run (bench/run.sh --full or --room)" "" "" "" "not run"
fi

if room_only; then
    printf '%s\n' "${ROWS[@]}"
    echo "$MISSES figure(s) did not meet their goal (bench/results.md left as it is)"
    exit 0
fi

# ---- the table -------------------------------------------------------------------
{
    echo "# Benchmark results"
    echo
    echo "$([ "$FULL" -eq 1 ] && echo "Full run" || echo "Default run") of \`bench/run.sh$([ "$FULL" -eq 1 ] && echo " --full")\`, $(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git rev-parse --short HEAD)$(git diff --quiet HEAD -- src || echo " (src with uncommitted changes)")."
    echo "Load average (1, 5, 15 min) before: $LOAD_BEFORE; after: $(cut -d' ' -f1-3 /proc/loadavg) (the cores are shared with other work; the floors ran alternated with the program to share its conditions)."
    echo "Machine: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n1), kernel $(uname -r); Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6)."
    echo
    echo "| Figure | Measured | Goal | Floor, same run | Against the floor | Met |"
    echo "|---|---|---|---|---|---|"
    printf '%s\n' "${ROWS[@]}"
    echo
    cat bench/notes.md
} >bench/results.md
echo
cat bench/results.md
echo
echo "$MISSES figure(s) did not meet their goal or were not run"
