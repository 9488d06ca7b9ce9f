#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs the tests that time anything RUNS times over, with two CPU burners
# beside them, to show that their bounds hold on a loaded machine. Builds
# nothing: BUILD is a configured and built tree (the e2e tests need root, as
# in ./test.sh). Prints each run's outcome, then passes and failures per
# test; a failed run's output is kept in the work folder it names.
#
# usage: tests/stress.sh BUILD [RUNS [JOBS]]   (20 runs, one test at a time)
set -u
[ $# -ge 1 ] || { echo "usage: $0 BUILD [RUNS [JOBS]]" >&2; exit 2; }
BUILD=$1 RUNS=${2:-20} JOBS=${3:-1}
TIMED='^(tst_beeper|tst_clockserver|tst_resultpage|tst_hostile|tst_tickschedule|e2e_window|e2e_hostile|e2e_room|e2e_wayland|e2e_printing|e2e_sound|e2e_phones)$'
WORK=$(mktemp -d "${TMPDIR:-/tmp}/vornaxi-stress.XXXXXX")
BURNERS=()
trap 'kill "${BURNERS[@]}" 2>/dev/null; wait 2>/dev/null' EXIT
trap 'exit 130' INT TERM
for _ in 1 2; do
    (while :; do :; done) &
    BURNERS+=($!)
done
declare -A passed=() failed=()
for ((run = 1; run <= RUNS; run++)); do
    start=$SECONDS
    ctest --test-dir "$BUILD" -R "$TIMED" -j "$JOBS" --output-on-failure >"$WORK/run-$run.log" 2>&1
    bad=()
    while read -r name outcome; do
        if [ "$outcome" = Passed ]; then
            passed[$name]=$((${passed[$name]:-0} + 1))
        else
            failed[$name]=$((${failed[$name]:-0} + 1)) bad+=("$name")
        fi
    done < <(sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) [ .*]*\([A-Za-z]*\).*/\1 \2/p' "$WORK/run-$run.log")
    echo "run $run: $((SECONDS - start)) s, failed: ${bad[*]:-none}"
done
total=0
for name in $(printf '%s\n' "${!passed[@]}" "${!failed[@]}" | sort -u); do
    echo "$name: ${passed[$name]:-0} passed, ${failed[$name]:-0} failed"
    total=$((total + ${failed[$name]:-0}))
done
echo "$RUNS runs, $total failures; logs in $WORK"
[ "$total" -eq 0 ]
