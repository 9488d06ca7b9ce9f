#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the benchmarks (Release, in build-bench/) and runs their parts.
# usage: bench/run.sh [--full] [PART...]: without a PART, the "default" parts,
# with --full the "full" ones too, as root the "root" ones; --full runs each
# part at its full length. A part is bench/PART.sh BUILD_DIR short|full,
# writing bench/results/PART.md, and one line in PARTS: name, when, what.
set -euo pipefail
cd "$(dirname "$0")/.."
PARTS=(
    "window default the tick scheduler, the program's window, CPU and memory: 6 min; --full
        30 min, with a whole period through a sound server"
    "room full the room's view on a 3840x2160 screen: 15 min"
    "web root the clock on phones and tablets, in a network namespace, as root: 10 min"
    "timing root click to tone through a sound server, the minute's bell while printing stalls, as root: 3 min"
    "beep full a whole period's beeps without a sound server, against the bell floor: 5 min"
    "evening default a whole evening: its file's size, a filing, start-up with it, renaming during a period, SIGKILLs during filings: 20 min"
)
usage() { echo "usage: $0 [--full] [PART...]; the parts:" >&2 && printf '  %s\n' "${PARTS[@]}" >&2; exit 2; }
export BENCH_RUN="bench/run.sh${*:+ $*}"
MODE=short
[ "${1:-}" = --full ] && MODE=full && shift
WANTED=("$@")
if [ $# -eq 0 ]; then
    for part in "${PARTS[@]}"; do
        read -r name when _ <<<"$part"
        case $when:$MODE:$(id -u) in default:* | full:full:* | root:full:0) WANTED+=("$name") ;; esac
    done
fi
for name in "${WANTED[@]}"; do [[ $name =~ ^[a-z]+$ && -x bench/$name.sh ]] || usage; done

source tools/deps.sh
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
B=build-bench
cmake -S bench -B "$B" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$B"
status=0
for name in "${WANTED[@]}"; do
    echo "== $name"
    "bench/$name.sh" "$B" "$MODE" || status=1
done
exit "$status"
