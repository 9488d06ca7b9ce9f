# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What every part of the benchmarks, bench/PART.sh BUILD_DIR [short|full],
# sources first: the end-to-end tests' tools (tests/e2e/lib.sh, with the
# program built in BUILD_DIR as APP_BIN), the part's figures as key=value
# lines in OUT, a process's CPU and memory, and the table the part writes to
# bench/results/PART.md.
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [short|full]" >&2; exit 2; }
# shellcheck disable=SC2034  # MODE is for the parts
B=$(realpath "$1") MODE=${2:-short} PART=$(basename "$0" .sh)
APP_BIN=$B/main/vornaxi-timer
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/lib.sh"
OUT=$B/$PART.figures
: >"$OUT"
BENCH_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)
ROWS=()
MISSES=0

# put KEY VALUE: one figure; get KEY [FILE]: the last one of KEY in FILE (OUT)
put() { echo "$1=$2" >>"$OUT"; }
get() { sed -n "s/^$1=//p" "${2:-$OUT}" | tail -n1; }
# xwatch_as WHO ARGS...: bench/tools/xwatch.c's key=value words, as WHO_KEY=VALUE
xwatch_as() {
    (cd "$E2E_WORK" && "$B/xwatch" "${@:2}") 2>>"$E2E_WORK/xwatch.err" | sed "s/^/${1}_/; s/ / ${1}_/g"
}
# collect FILE: FILE's key=value words into OUT, each key's values in one list
collect() {
    tr ' ' '\n' <"$1" | awk -F= 'NF == 2 { if ($1 in v) v[$1] = v[$1] "," $2; else v[$1] = $2 } END { for (k in v) print k "=" v[k] }' >>"$OUT"
}
# cpu_ns PID: the run time of all the process's threads (schedstat, ns)
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { print s }'; }
# rss_kb PID: its resident memory (smaps_rollup, kB)
rss_kb() { sed -n 's/^Rss:\s*//p' /proc/"$1"/smaps_rollup | cut -d' ' -f1; }

# ms US: microseconds as signed milliseconds; plain_ms US: without the sign
ms() { awk -v u="$1" 'BEGIN { printf "%+.2f ms", u / 1000 }'; }
plain_ms() { ms "$1" | tr -d +; }
abs() { echo "${1#-}"; }
# median, entries: of a comma-separated list on the input
median() { tr ',' '\n' | sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
entries() { awk -F, '{ print NF }'; }
# ratio A B: A / B, as "1/N" when A is the far smaller
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN {
        if (b == 0) print "n/a"; else if (a / b < 0.1) printf "1/%.0f", b / (a ? a : 1); else printf "%.2fx", a / b }'
}
# within A B FACTOR: A at most FACTOR times B
within() { awk -v a="$1" -v b="$2" -v f="$3" 'BEGIN { exit !(b > 0 && a <= f * b) }'; }
# bells_since N: the X server's stamps (ms) of the bells after the first N
bells_since() { grep '^[0-9]' "$BELL_LOG" | tail -n +$(($1 + 1)) | cut -d' ' -f1 | paste -sd,; }
# bells STAMPS: a period's bells as words; sets N, SPAN (first to last, ms)
# and LATE, the ms off its minute of the bell furthest off
bells() {
    local t i gaps=""
    IFS=, read -ra t <<<"$1"
    N=${#t[@]} SPAN=$((t[N - 1] - t[0]))
    for ((i = 1; i < N; i++)); do gaps+=" $((t[i] - t[i - 1]))"; done
    LATE=$(tr ',' '\n' <<<"$1" | awk 'NR == 1 { t0 = $1 } { d = $1 - t0 - 60000 * (NR - 1); if (d * d > m * m) m = d } END { printf "%+d", m }')
    echo "$N bells, first to last $SPAN ms, gaps${gaps} ms, the latest bell $LATE ms off its minute"
}

# row FIGURE MEASURED GOAL FLOOR RATIO MET(yes|no|reference|...)
row() {
    ROWS+=("| $1 | $2 | $3 | $4 | $5 | $6 |")
    case $6 in yes | reference) ;; *) MISSES=$((MISSES + 1)) ;; esac
}

# period_row NAME STAMPS UNIT GOAL_MS [EXTRA [ONSET_MS]]: a whole period's
# five beeps, stamped in ms, against 240 s within GOAL_MS and 60 s gaps within
# 20 ms; given ONSET_MS, the first beep's onset after its click, within 50 ms
period_row() {
    [ -n "$2" ] || { row "$1" "no $3 recorded (see the output above)" "5 $3 60 s apart" "" "" no; return; }
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

# write_results TITLE: bench/results/PART.md, the run named, and shown; exits
# 0 though figures missed their goal (the table says so), 1 if a check failed
write_results() {
    local file=$BENCH_DIR/results/$PART.md
    mkdir -p "$BENCH_DIR/results"
    {
        echo "# $1"
        echo
        echo "Run of \`${BENCH_RUN:-bench/$PART.sh}\`, $(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git -C "$BENCH_DIR" rev-parse --short HEAD)$(git -C "$BENCH_DIR" diff --quiet HEAD -- ../src . ../tests || echo " (with uncommitted changes)")."
        echo "Load average (1, 5, 15 min) before: $LOAD_BEFORE; after: $(cut -d' ' -f1-3 /proc/loadavg) (the cores are shared with other work; the floors ran alternated with the program to share its conditions)."
        echo "Machine: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n1), kernel $(uname -r); Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6)."
        echo
        echo "| Figure | Measured | Goal | Floor, same run | Against the floor | Met |"
        echo "|---|---|---|---|---|---|"
        printf '%s\n' "${ROWS[@]}"
    } >"$file.new"
    mv "$file.new" "$file"
    cat "$file"
    echo "$MISSES figure(s) did not meet their goal or were not run"
    exit "$E2E_FAILED"
}
