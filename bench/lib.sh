# shellcheck shell=bash disable=SC2034  # MODE and what bells() sets are for the parts
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What every part, bench/PART.sh BUILD_DIR [short|full], sources first: the
# end-to-end tests' tools (tests/e2e/lib.sh), the part's figures as key=value
# lines in OUT, and its table in bench/results/PART.md.
[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [short|full]" >&2; exit 2; }
B=$(realpath "$1") MODE=${2:-short} PART=$(basename "$0" .sh)
APP_BIN=$B/main/vornaxi-timer
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/lib.sh"
OUT=$B/$PART.figures
: >"$OUT"
BENCH_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
LOAD_BEFORE=$(cut -d' ' -f1-3 /proc/loadavg)
ROWS=() MISSES=0

# put KEY VALUE: one figure; get KEY [FILE]: the last one of KEY in FILE
# (OUT); all KEY [FILE]: every one, comma-separated; med KEY: their median
put() { echo "$1=$2" >>"$OUT"; }
get() { sed -n "s/^$1=//p" "${2:-$OUT}" | tail -n1; }
all() { sed -n "s/^$1=//p" "${2:-$OUT}" | paste -sd,; }
med() { all "$1" | pct 50; }
# pct P: the P-th percentile (nearest rank) of a comma-separated list on the
# input; entries: how many it holds
pct() { tr ',' '\n' | sort -g | awk -v p="$1" '{ a[NR] = $1 } END { k = int((p * NR + 99) / 100); print a[k < 1 ? 1 : k] }'; }
entries() { awk -F, '{ print NF }'; }
# xwatch_as WHO ARGS...: bench/tools/xwatch.c's key=value words, a line each, as WHO_KEY=VALUE
xwatch_as() { (cd "$E2E_WORK" && "$B/xwatch" "${@:2}") 2>>"$E2E_WORK/xwatch.err" | tr ' ' '\n' | sed "s/^/${1}_/"; }
# in_turns N FUNCTION: FUNCTION once uncounted (the libraries into the
# cache), then N times, what it prints into OUT
in_turns() { "$2" >/dev/null; for _ in $(seq "$1"); do "$2" >>"$OUT"; done; }
# cpu_ns PID: the run time of all the process's threads (schedstat, ns)
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { print s }'; }
# rss_kb PID: its resident memory (smaps_rollup, kB)
rss_kb() { sed -n 's/^Rss:\s*//p' /proc/"$1"/smaps_rollup | cut -d' ' -f1; }

# ms US: microseconds as signed milliseconds; plain_ms US: without the sign
ms() { awk -v u="$1" 'BEGIN { printf "%+.2f ms", u / 1000 }'; }
plain_ms() { ms "$1" | tr -d +; }
abs() { echo "${1#-}"; }
# ratio A B: A / B, as "1/N" when A is the far smaller
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN {
        if (b == 0) print "n/a"; else if (a / b < 0.1) printf "1/%.0f", b / (a ? a : 1); else printf "%.2fx", a / b }'
}
# within A B FACTOR: A at most FACTOR times B
within() { awk -v a="$1" -v b="$2" -v f="$3" 'BEGIN { exit !(b > 0 && a <= f * b) }'; }
# start_period: Start clicked, and its bell heard (PERIOD_BELLS: the bells
# before); end_period KEY: the period's bells as KEY_bells, and whether the
# program still runs as KEY_running
start_period() {
    PERIOD_BELLS=$(bell_count)
    click_on start
    poll_until 2000 bells_at_least $((PERIOD_BELLS + 1)) || die "no bell after Start"
}
end_period() {
    poll_until 260000 bells_at_least $((PERIOD_BELLS + 5)) || fail "fewer than five bells in 260 s"
    sleep 3 # room for a wrong sixth bell
    put "$1_bells" "$(bells_since "$PERIOD_BELLS")"
    put "$1_running" "$(app_running && echo yes || echo no)"
}
# bells_since N: the X server's stamps (ms) of the bells after the first N
bells_since() { grep '^[0-9]' "$BELL_LOG" | tail -n +$(($1 + 1)) | cut -d' ' -f1 | paste -sd,; }
# bells STAMPS: a period's bells (ms); sets N, SPAN (first to last, ms), GAPS,
# LATE (the ms off its minute of the bell furthest off) and BELLS, in words
bells() {
    local t i d
    IFS=, read -ra t <<<"$1"
    N=${#t[@]} SPAN=0 GAPS="" LATE=0
    for ((i = 1; i < N; i++)); do
        GAPS+=" $((t[i] - t[i - 1]))" d=$((t[i] - t[0] - 60000 * i)) SPAN=$((t[i] - t[0]))
        [ "${d#-}" -le "${LATE#-}" ] || LATE=$d
    done
    LATE=$(printf %+d "$LATE")
    BELLS="$N bells, first to last $SPAN ms, gaps${GAPS:- none} ms, the latest bell $LATE ms off its minute"
}

# yes_if COMMAND...: yes if it succeeds, else no
yes_if() { if "$@"; then echo yes; else echo no; fi; }
# row FIGURE MEASURED GOAL FLOOR RATIO MET(yes|no|reference|...)
row() {
    ROWS+=("| $1 | $2 | $3 | $4 | $5 | $6 |")
    case $6 in yes | reference) ;; *) MISSES=$((MISSES + 1)) ;; esac
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
