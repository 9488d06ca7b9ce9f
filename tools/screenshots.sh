#!/bin/bash
# shellcheck disable=SC2317  # the predicates are called through shot_until
# Takes the screenshots in docs/screenshots/ from the real program under a
# private Xvfb: running.png (compact window, clock running) and expanded.png
# (the score sheet open). Builds nothing.
#
# usage: tools/screenshots.sh [PROGRAM]   (default: build/vornaxi-timer)
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
APP_BIN=${1:-$ROOT/build/vornaxi-timer}
OUT=$ROOT/docs/screenshots
# shellcheck source=tests/e2e/lib.sh
. "$ROOT/tests/e2e/lib.sh"

[ -x "$APP_BIN" ] || die "no program at $APP_BIN (build it first)"
mkdir -p "$OUT"

# save NAME: a screenshot without metadata (no timestamps), so that an
# unchanged window gives an unchanged file
save() {
    if shot "$E2E_WORK/$1.ppm" && convert "$E2E_WORK/$1.ppm" -strip "png:$OUT/$1.png"; then
        echo "saved $OUT/$1.png"
    else
        die "cannot save $OUT/$1.png"
    fi
}
# predicates on a screenshot, called through shot_until
readout_shows_text() { [ "$(count_colour "$1" 40 233 178 295 255 255 0 60)" -ge 300 ]; }
score_sheet_painted() { [ "$(count_colour "$1" 271 14 407 48 0 0 255 8)" -ge 50 ]; }
POLL=$E2E_WORK/poll.ppm

start_xvfb
start_app "$APP_BIN"

click 224 238                                        # Start
started=$(now_ms)
shot_until 2000 "$POLL" readout_shows_text "$POLL" || die "the clock did not start"
sleep_until_ms $((started + 2200))
save running

click 234 312                                        # Score->
poll_until 2000 size_is 431x474 || die "the score sheet did not open: window $(window_size)"
shot_until 2000 "$POLL" score_sheet_painted "$POLL" || die "the score sheet was not painted"
save expanded
