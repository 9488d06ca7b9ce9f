#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the benchmarks (Release, in build-bench/) and runs them; prints the
# table and writes it to bench/results.md.
#
# usage: bench/run.sh [--full | --fallback | --room | --web | --beep | --notes]
#   default     about 6 minutes: the 1000 ms tick case as 20 ticks, CPU over
#               15 s stopped and 15 s running, no whole period under Xvfb, no
#               room's view
#   --full      about 40 minutes: 240 ticks of 1000 ms, 60 s + 60 s of CPU,
#               three whole four-minute periods of the real program, one
#               heard through a sound server and recorded, and without a
#               server one through the sound card, recorded, and one as X
#               bells, stamped; the room's view (bench/room.sh, about 15
#               minutes); and, as root, the clock on phones (bench/web.sh)
#   --fallback  about 9 minutes: the two periods without a sound server
#               alone; prints their rows and leaves bench/results.md as it is
#   --room      about 15 minutes: the room's view alone; its rows replace
#               those of bench/results.md's part for the room, the other
#               part kept as it is
#   --web       about 10 minutes, as root: the clock on phones and tablets
#               alone (bench/web.sh); its rows replace those of its part.
#               VORNAXI_BENCH_BEFORE=PROGRAM (a Release build from before the
#               clock for phones, named by VORNAXI_BENCH_BEFORE_NAME) adds
#               start-up and memory against it
#   --beep      about 5 minutes: a whole period's beeps without a sound server
#               against the bell floor (bench/beep.sh), into
#               bench/results/beep.md
#   --notes     measures nothing: bench/results.md with bench/notes.md as it
#               is now, every part's figures kept
# bench/results.md is kept in parts, each under the line naming the run and
# commit that measured it.
set -euo pipefail
cd "$(dirname "$0")/.."
FULL=0 FALLBACK=0 ROOM=0 WEB=0 NOTES=0 BEEP=0
case ${1:-} in
--notes) NOTES=1 ;;
--full) FULL=1 ROOM=1 WEB=$([ "$(id -u)" -eq 0 ] && echo 1 || echo 0) ;;
--fallback) FALLBACK=1 ;;
--room) ROOM=1 ;;
--web) WEB=1 ;;
--beep) BEEP=1 ;;
"") ;;
*) echo "usage: $0 [--full | --fallback | --room | --web | --beep | --notes]" >&2; exit 2 ;;
esac

B=build-bench
if [ "$NOTES" -eq 0 ]; then
    source tools/deps.sh
    install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
    cmake -S bench -B "$B" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$B"
fi
[ "$BEEP" -eq 0 ] || exec bench/beep.sh "$B"

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
ROOM_FROM=0 # where the rows of the room's view begin
WEB_FROM=0  # and those of the clock on phones
LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)
LOAD_ROOM_BEFORE=$LOAD_BEFORE
LOAD_WEB_BEFORE=$LOAD_BEFORE
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

# ---- the table, in parts ------------------------------------------------------------
# Each part is replaced only by a run that measured it; the others are kept
# as they were, each under the line that says which run made it.
RESULTS=bench/results.md
TABLE_HEAD="| Figure | Measured | Goal | Floor, same run | Against the floor | Met |
|---|---|---|---|---|---|"
# made_by WHAT LOAD_BEFORE: the line naming the run, its commit and conditions
made_by() {
    echo "$1, $(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git rev-parse --short HEAD)$(git diff --quiet HEAD -- src bench || echo " (with uncommitted changes)")."
    echo "Load average (1, 5, 15 min) before: $2; after: $(cut -d' ' -f1-3 /proc/loadavg) (the cores are shared with other work; the floors ran alternated with the program to share its conditions)."
    echo "Machine: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n1), kernel $(uname -r); Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6)."
}
# old_part NAME: that part of the table as results.md holds it
old_part() {
    [ -r "$RESULTS" ] || return 0
    awk -v name="$1" '$0 == "<!-- part: " name " -->" { on = 1; next } on && /^<!-- / { exit } on' "$RESULTS"
}
# no_trailing_blanks: the lines, less the empty ones at the end
no_trailing_blanks() { sed -e :a -e '/^\n*$/{$d;N;ba' -e '}'; }
# room_row LINE: a row of the room's view, in a table not yet kept in parts
room_row() { grep -qE "^\| (Opening the room's view|Reference: memory of the view|Running, the view open|Reference: one second in the view|During one period: the view|Room's view)" <<<"$1"; }
# old_unparted NAME: a part cut from a table not yet kept in parts
old_unparted() {
    local line
    sed -n '/^## How the figures are taken/q; p' "$RESULTS" | sed '1,2d' | while IFS= read -r line; do
        case $line in
        '| Figure |'* | '|---|'*) [ "$1" != main ] || echo "$line" ;;
        '|'*) if room_row "$line"; then [ "$1" = room ] || continue; else [ "$1" = main ] || continue; fi
            echo "$line" ;;
        *) [ "$1" != main ] || sed "s/; the last five rows, the room's view, from [^(]*(see the notes, \"The room's view\")//" <<<"$line" ;;
        esac
    done
}
part() { # NAME TITLE MEASURED(0|1) MADE_BY LOAD_BEFORE FROM TO
    echo "<!-- part: $1 -->"
    echo "## $2"
    echo
    if [ "$3" -eq 1 ]; then
        made_by "$4" "$5"
        echo
        echo "$TABLE_HEAD"
        printf '%s\n' "${ROWS[@]:$6:$(($7 - $6))}"
    elif grep -q '^<!-- part: ' "$RESULTS" 2>/dev/null; then
        old_part "$1" | sed '1,2d' | no_trailing_blanks
    else
        [ "$1" = main ] || printf '%s\n\n%s\n' "Kept from the table as it was before it was kept in parts." "$TABLE_HEAD"
        old_unparted "$1" | no_trailing_blanks
    fi
    echo
}
# write_results MAIN ROOM WEB: results.md with the parts measured (1) replaced
write_results() {
local RUN_NAME="Run of \`bench/run.sh\`"
[ "$FULL" -eq 1 ] && RUN_NAME="Full run of \`bench/run.sh --full\`"
{
    echo "# Benchmark results"
    echo
    part main "The clock, the window, the sound" "$1" "$RUN_NAME" \
        "$LOAD_BEFORE" 0 "$ROOM_FROM"
    part room "The room's view" "$2" \
        "$([ "$FULL" -eq 1 ] && echo "$RUN_NAME" || echo "Run of \`bench/run.sh --room\`")" \
        "$LOAD_ROOM_BEFORE" "$ROOM_FROM" "$WEB_FROM"
    part web "The clock on phones and tablets" "${3:-0}" \
        "$([ "$FULL" -eq 1 ] && echo "$RUN_NAME" || echo "Run of \`bench/run.sh --web\`")" \
        "$LOAD_WEB_BEFORE" "$WEB_FROM" "${#ROWS[@]}"
    echo "<!-- end of the parts -->"
    echo
    cat bench/notes.md
} >"$WORK/results.md"
mv "$WORK/results.md" "$RESULTS"
}

if [ "$NOTES" -eq 1 ]; then
    write_results 0 0 0
    echo "bench/results.md: the notes brought up to date, every part's figures kept"
    exit 0
fi

if [ "$FALLBACK" -eq 1 ]; then
    echo "== the periods without a sound server"
    bench/window.sh "$B" 0 0 0 fallback "$WORK/window" | sed 's/^/   /'
    fallback_rows "$WORK/window"
    printf '%s\n' "${ROWS[@]}"
    exit "$MISSES"
fi

room_only() { [ "$FULL" -eq 0 ] && { [ "$ROOM" -eq 1 ] || [ "$WEB" -eq 1 ]; }; }

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
ROOM_FROM=${#ROWS[@]}
LOAD_ROOM_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)
if [ "$ROOM" -eq 1 ]; then
    echo "== 6: the room's view on a 3840x2160 screen under Xvfb"
    bench/room.sh "$B" 15 25 4 1000 100 "$WORK/room" | sed 's/^/   /'
    QT_QPA_PLATFORM=offscreen "$B/windowbench" room 3840 2160 >"$WORK/roomparts" 2>"$WORK/roomparts.err"
    R="$WORK/room" RP="$WORK/roomparts"
    # med KEY: the median of one of room.sh's lists, whole
    med() { get "$R" "$1" | median | cut -d. -f1; }
    # within A B FACTOR: A at most FACTOR times B
    within() { awk -v a="$1" -v b="$2" -v f="$3" 'BEGIN { exit !(b > 0 && a <= f * b) }'; }
    plain_ms() { ms "$1" | tr -d +; }
    a1=$(med app_open1_us) f1=$(med floor_open1_us) a2=$(med app_open2_us) f2=$(med floor_open2_us)
    first_met=no later_met=no
    within "$a1" "$f1" 1.5 && first_met=yes
    within "$a2" "$f2" 1.2 && later_met=yes
    case $first_met$later_met in
    yesyes) met=yes ;; nono) met=no ;; yesno) met="partly: the first, not a later" ;;
    *) met="partly: a later, not the first" ;;
    esac
    row "Opening the room's view full screen on 3840x2160: Ctrl+R to mapped and painted all over (median of $(get "$R" app_open1_us | awk -F, '{ print NF }'), alternated)" \
        "first opening $(plain_ms "$a1") (mapped at $(plain_ms "$(med app_open1_map_us)")); a later one $(plain_ms "$a2") (mapped at $(plain_ms "$(med app_open2_map_us)"))" \
        "the first within 1.5x the floor's first, a later within 1.2x the floor's later (a full-screen window with the readout's label, opened the same way)" \
        "first $(plain_ms "$f1") (mapped at $(plain_ms "$(med floor_open1_map_us)")); later $(plain_ms "$f2") (mapped at $(plain_ms "$(med floor_open2_map_us)"))" \
        "first $(ratio "$a1" "$f1"); later $(ratio "$a2" "$f2")" "$met"

    per_min() { tr ',' '\n' | awk -v s="$1" '{ t += $1; n++ } END { printf "%d", t / 1000 / (n * s) * 60 }'; }
    phases() { get "$R" "$1" | tr ',' '\n' | awk -v s="$2" '{ printf "%s%d", (NR > 1 ? " " : ""), $1 / 1000 / s * 60 }'; }
    phase=$(get "$R" running_phase_s)
    with=$(get "$R" running_with_ns | per_min "$phase")
    floor=$(get "$R" running_floor_ns | per_min "$phase")
    without=$(get "$R" running_without_ns | per_min "$phase")
    met=no
    within "$with" "$floor" 1.2 && met=yes
    row "Running, per minute, CPU of all threads (schedstat): the program with its view open full screen on 3840x2160 against the floor's window open ($(get "$R" running_with_ns | awk -F, '{ print NF }') x $phase s each, alternated)" \
        "$with us (phases: $(phases running_with_ns "$phase") us); the program with the view closed, beside the floor's phases: $without us" \
        "at most 1.2x the floor: a full-screen window of that size whose label, in the readout's font and size, shows the next second each second" \
        "$floor us (phases: $(phases running_floor_ns "$phase") us)" "$(ratio "$with" "$floor")" "$met"

    closed=$(med app_closed_rss_kb) never=$(med never_rss_kb)
    met=no
    [ "$((closed - never))" -le 2048 ] && met=yes
    row "RSS after the view was opened once and closed, against the program that never opened it, launched in turns and read as long after its window was mapped (median $(med app_closed_alive_ms) ms)" \
        "$closed kB (before the opening $(med app_rss_kb) kB)" "within 2048 kB of the program that never opened it" \
        "never opened: $never kB" "$(awk -v d="$((closed - never))" 'BEGIN { printf "%+d kB", d }')" "$met"
    open=$(med app_view_rss_kb) fopen=$(med floor_view_rss_kb)
    met=no
    within "$open" "$fopen" 1.3 && met=yes
    row "RSS while the view is open full screen on 3840x2160 (median)" \
        "$open kB (+$((open - $(med app_rss_kb))) kB on opening)" "at most 1.3x the floor's while its window is open" \
        "$fopen kB (+$((fopen - $(med floor_rss_kb))) kB on opening; $(med floor_closed_rss_kb) kB once closed, its window destroyed)" \
        "$(ratio "$open" "$fopen")" "$met"

    cycles_done="the view opened and closed $(get "$R" stress_cycles) times, its screen removed and added $(($(get "$R" stress_screen_changes) / 2)) times while it was open"
    first=$(get "$R" stress_rss_after_1_kb) last=$(get "$R" stress_rss_after_last_kb) end=$(get "$R" stress_rss_end_kb)
    met=no
    [ -n "$first" ] && [ -n "$last" ] && [ "$((last - first))" -le 2048 ] && met=yes
    row "RSS during one period: $cycles_done" \
        "after the last closing $last kB (at the start $(get "$R" stress_rss_before_kb) kB; after closing 10 times $(get "$R" stress_rss_after_10_kb) kB, 100: $(get "$R" stress_rss_after_100_kb) kB; period's end $end kB)" \
        "within 2048 kB of the RSS after the first closing" "after the first closing: $first kB" \
        "$(awk -v d="$((last - first))" 'BEGIN { printf "%+d kB", d }')" "$met"

    bells=$(get "$R" stress_bells)
    IFS=, read -ra t <<<"$bells"
    n=${#t[@]} span=$((t[${#t[@]} - 1] - t[0])) gaps=""
    for ((i = 1; i < n; i++)); do gaps+="$((t[i] - t[i - 1])) "; done
    # each bell against the first one and whole minutes
    late=$(echo "$bells" | tr ',' '\n' | awk 'NR == 1 { t0 = $1 } { d = $1 - t0 - 60000 * (NR - 1); if (d * d > m * m) m = d } END { printf "%+d", m }')
    met=no
    [ "$n" -eq 5 ] && [ "$(abs $((span - 240000)))" -le 5 ] &&
        [ "$(get "$R" stress_unanswered)" -eq 0 ] && [ "$(get "$R" stress_unpainted)" -eq 0 ] &&
        [ "$(get "$R" stress_moved)" -eq "$(get "$R" stress_screen_changes)" ] &&
        [ "$(get "$R" stress_running)" = yes ] && met=yes
    row "The period meanwhile: $cycles_done" \
        "$n bells, first to last $span ms, gaps ${gaps% } ms, the latest bell $late ms off its minute; $(get "$R" stress_opened) openings in $(get "$R" stress_cycles_ms) ms (key to painted: median $(plain_ms "$(get "$R" stress_open_median_us)"), 90 % $(plain_ms "$(get "$R" stress_open_p90_us)"), max $(plain_ms "$(get "$R" stress_open_max_us)")); keys unanswered within 3 s: $(get "$R" stress_unanswered); views not painted within 3 s: $(get "$R" stress_unpainted); screen changes the view followed, mapped and painted at its new place within 3 s: $(get "$R" stress_moved) of $(get "$R" stress_screen_changes) (slowest $(plain_ms "$(get "$R" stress_moved_max_us)"))" \
        "5 bells, first to last 240 000 ms within 5 ms; every key answered, every screen change followed" \
        "(no floor)" "$(awk -v s="$span" 'BEGIN { printf "%+d ms", s - 240000 }')" "$met"
    row "Reference: the view alone, offscreen at 3840x2160 (readout box $(get "$RP" room_readout_box))" \
        "first showing, stopped $(plain_ms "$(get "$RP" room_first_show_us)"); a whole repaint of the stopped view (the stop sign from its picture) $(plain_ms "$(get "$RP" room_stopped_repaint_us)"); a running second $(get "$RP" room_tick_us) us ($(get "$RP" room_tick_paints) paints in 59 seconds)" \
        "(where the time goes)" "" "" "reference"
else
    row "Room's view (opening, running, memory, 1000 openings during a period)" "not run (bench/run.sh --full or --room)" "" "" "" "not run"
fi

# ---- 7: the clock on phones and tablets ------------------------------------------------
WEB_FROM=${#ROWS[@]}
LOAD_WEB_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)
if [ "$WEB" -eq 1 ]; then
    echo "== 7: the clock on phones and tablets, in a network namespace under Xvfb"
    bench/web.sh "$B" 30 60 "$WORK/web" ${VORNAXI_BENCH_BEFORE:+"$VORNAXI_BENCH_BEFORE" 15} | sed 's/^/   /'
    V="$WORK/web"
    if [ -n "${VORNAXI_BENCH_BEFORE:-}" ]; then
        declare -A up rss
        for who in now before floor; do
            up[$who]=$(get "$V" "off_${who}_startup_us" | median)
            rss[$who]=$(get "$V" "off_${who}_rss_kb" | median | cut -d. -f1)
        done
        met=no
        # "Unchanged": start-up within 5 % of the program before, RSS within 256 kB.
        awk -v a="${up[now]}" -v b="${up[before]}" 'BEGIN { exit !(a <= 1.05 * b) }' &&
            [ "$((rss[now] - rss[before]))" -le 256 ] && met=yes
        row "Never turned on: start-up and RSS, launched in turns with the program before the clock for phones ($VORNAXI_BENCH_BEFORE_NAME) and the text floor, median of $(get "$V" off_now_startup_us | awk -F, '{ print NF }')" \
            "start-up $(ms "${up[now]}" | tr -d +) (before: $(ms "${up[before]}" | tr -d +)); RSS ${rss[now]} kB (before: ${rss[before]} kB)" \
            "unchanged: start-up within 5 % and RSS within 256 kB of the program before" \
            "$(ms "${up[floor]}" | tr -d +); ${rss[floor]} kB" \
            "$(ratio "${up[now]}" "${up[floor]}") (before $(ratio "${up[before]}" "${up[floor]}")); +$((rss[now] - rss[floor])) kB (before +$((rss[before] - rss[floor])) kB)" "$met"
    fi
    met=no
    [ "$(get "$V" off_maps)" -eq 0 ] && [ "$(get "$V" on_maps)" -gt 0 ] && met=yes
    row "Never turned on: libmicrohttpd's and libqrencode's mappings in the program" \
        "$(get "$V" off_maps) before Ctrl+L; $(get "$V" on_maps) after" \
        "none until first needed" "" "" "$met"
    lat=$(get "$V" latency_ms)
    # pct P: the P-th percentile of the latencies (nearest rank)
    pct() { tr ',' '\n' | sort -g | awk -v p="$1" '{ a[NR] = $1 } END { k = int((p * NR + 99) / 100); print a[k < 1 ? 1 : k] }'; }
    p99=$(pct 99 <<<"$lat")
    n=$(tr ',' '\n' <<<"$lat" | grep -c .)
    met=no
    [ "$n" -ge $((60 - 3)) ] && awk -v p="$p99" 'BEGIN { exit !(p <= 30) }' && met=yes
    row "The moderator's readout repainted to the page's painted, headless Chromium 390x844 on the same machine, $n seconds of a period" \
        "median $(pct 50 <<<"$lat") ms, p99 $p99 ms, max $(pct 100 <<<"$lat") ms (window repaints seen $(get "$V" latency_window_paints), page paints $(get "$V" latency_page_paints))" \
        "p99 at most 30 ms" "(no floor)" "" "$met"
    phase=$(get "$V" phase_s)
    # slope: least squares of Y over the viewers, per viewer
    slope() { printf '%s\n' "$@" | awk '{ x = $1; y = $2; n++; sx += x; sy += y; sxx += x * x; sxy += x * y }
        END { printf "%.3f", (n * sxy - sx * sy) / (n * sxx - sx * sx) }'; }
    mem=$(slope "0 $(get "$V" viewers0_rss_kb)" "250 $(get "$V" viewers250_rss_kb)" "1000 $(get "$V" viewers1000_rss_kb)")
    cpu=$(slope "0 $(get "$V" viewers0_cpu_ns)" "250 $(get "$V" viewers250_cpu_ns)" "1000 $(get "$V" viewers1000_cpu_ns)" |
        awk -v s="$phase" '{ printf "%.2f", $1 / 1000 / s }')
    every=no
    [ "$(get "$V" viewers1000_same_events)" -eq 1000 ] && [ "$(get "$V" viewers1000_closed)" -eq 0 ] &&
        [ "$(get "$V" viewers1000_data_min)" -ge $((phase - 1)) ] &&
        [ "$(get "$V" viewers250_same_events)" -eq 250 ] && every=yes
    met=no
    [ "$every" = yes ] && awk -v m="$mem" -v c="$cpu" 'BEGIN { exit !(m <= 40 && c <= 10) }' && met=yes
    row "Viewers on the loopback during a period, $phase s each: 0, 250, 1000 event streams" \
        "memory $mem kB a viewer, CPU $cpu us a viewer-second (RSS $(get "$V" viewers0_rss_kb), $(get "$V" viewers250_rss_kb), $(get "$V" viewers1000_rss_kb) kB; CPU $(get "$V" viewers0_cpu_ns | awk -v s="$phase" '{ printf "%d", $1 / 1000 / s }'), $(get "$V" viewers250_cpu_ns | awk -v s="$phase" '{ printf "%d", $1 / 1000 / s }'), $(get "$V" viewers1000_cpu_ns | awk -v s="$phase" '{ printf "%d", $1 / 1000 / s }') us a second); every stream every event: $every (1000: $(get "$V" viewers1000_same_events) the same, data events $(get "$V" viewers1000_data_min) to $(get "$V" viewers1000_data_max), beats $(get "$V" viewers1000_beats_min) to $(get "$V" viewers1000_beats_max), dropped $(get "$V" viewers1000_closed))" \
        "each gets every event; at most 40 kB and 10 us a viewer-second (the slope)" "0 viewers, same run" "" "$met"
    bells=$(get "$V" hostile_bells)
    IFS=, read -ra t <<<"$bells"
    n=${#t[@]} span=$((t[${#t[@]} - 1] - t[0]))
    late=$(tr ',' '\n' <<<"$bells" | awk 'NR == 1 { t0 = $1 } { d = $1 - t0 - 60000 * (NR - 1); if (d * d > m * m) m = d } END { printf "%+d", m }')
    answers=$(grep '^hostile_status_' "$V" | sed 's/^hostile_status_//; s/=/: /' | paste -sd, | sed 's/,/, /g')
    met=no
    [ "$n" -eq 5 ] && [ "$(abs "$late")" -le 5 ] && [ "$(get "$V" hostile_running)" = yes ] &&
        [ "$(get "$V" hostile_viewers_same_events)" -eq "$(get "$V" hostile_viewers_open)" ] && met=yes
    row "A whole period with 1000 viewers and the hostile client (bench/tools/webload hostile) running throughout" \
        "$n bells, first to last $span ms, the latest $late ms off its minute; hostile rounds $(get "$V" hostile_rounds), answers by status: ${answers:-none}, unanswered $(get "$V" hostile_unanswered); viewers $(get "$V" hostile_viewers_open) open at the end, $(get "$V" hostile_viewers_same_events) with every event, $(get "$V" hostile_viewers_closed) dropped" \
        "every bell within 5 ms of its second; every viewer every event" "(no floor)" "$late ms" "$met"
else
    row "The clock on phones and tablets" "not run (bench/run.sh --web, as root)" "" "" "" "not run"
fi

# ---- the table ---------------------------------------------------------------------
write_results "$(room_only && echo 0 || echo 1)" "$ROOM" "$WEB"
echo
cat "$RESULTS"
echo
echo "$MISSES figure(s) did not meet their goal or were not run"
