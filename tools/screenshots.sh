#!/bin/bash
# shellcheck disable=SC2317  # the predicates are called through shot_until
# Takes the screenshots in docs/screenshots/ from the real program under a
# private Xvfb: running.png (compact window, clock running), expanded.png
# (the score sheet filled in, a team name typed), room.png (the clock for the
# room beside it, with the total) and hidpi.png (the window at a scale factor
# of 2). Builds nothing.
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

XVFB_SCREEN=1280x1024x24    # room for the window at scale 2
start_xvfb
start_app "$APP_BIN"

click 224 238                                        # Start
started=$(now_ms)
shot_until 2000 "$POLL" readout_shows_text "$POLL" || die "the clock did not start"
sleep_until_ms $((started + 2200))
save running

# fill_sheet NAME: opens the score sheet, fills it in, types a team name
# and saves the screenshot NAME
fill_sheet() {
    click 234 312                                    # Score->
    poll_until 2000 size_is 431x474 || die "the score sheet did not open: window $(window_size)"
    shot_until 2000 "$POLL" score_sheet_painted "$POLL" || die "the score sheet was not painted"
    # A filled-in sheet: questions answered in minutes 1, 2, 2, 3 and 1 (the
    # right arrow of question n's slider is at y = 34 + 36 (n - 1), give or take).
    for arrow in "367 34" "367 106" "367 106" "367 178" "367 178" "367 284" "367 284" \
        "367 284" "367 358"; do
        # shellcheck disable=SC2086
        click $arrow
        sleep 0.05
    done
    click 114 397                                    # Enter Team Name
    sleep 0.1
    xdotool type --delay 5 "The Quizzing Owls"
    sleep 0.3
    save "$1"
}
fill_sheet expanded

# The clock for the room, with the total: on one screen, a window of its own.
ROOM_TITLE="Vornaxi Timer: the clock for the room"
keys ctrl+t ctrl+r
poll_until 5000 window_up "$ROOM_TITLE" || die "the room's view did not open"
sleep 0.5
import -silent -window "$(window_id "$ROOM_TITLE")" -depth 8 "ppm:$E2E_WORK/room.ppm" &&
    convert "$E2E_WORK/room.ppm" -strip "png:$OUT/room.png" || die "cannot save $OUT/room.png"
echo "saved $OUT/room.png"
stop_pid "$APP_PID"

# The expanded window in each shipped language, running.
for lang_title in "de:Vornaxi-Timer v3.0" "fr:Minuteur Vornaxi v3.0" \
    "es:Temporizador Vornaxi v3.0" "nl:Vornaxi-timer v3.0"; do
    APP_TITLE=${lang_title#*:}
    APP_ENV=(LANGUAGE="${lang_title%%:*}")
    start_app "$APP_BIN"
    click 224 238                                    # Start
    fill_sheet "expanded-${lang_title%%:*}"
    stop_pid "$APP_PID"
done
APP_TITLE="Vornaxi Timer v3.0"
APP_ENV=()

# The same at twice the size, as on a high-dpi screen.
export QT_SCALE_FACTOR=2
start_app "$APP_BIN"
click 450 476                                        # Start
sleep 1.3
click 468 624                                        # Score->
poll_until 2000 size_is 862x948 || die "no expanded window at scale 2: $(window_size)"
sleep 0.3
save hidpi
