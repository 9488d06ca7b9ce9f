#!/bin/bash
# End-to-end test of the window and the clock: starts the real program under
# a private Xvfb, clicks it like a user and checks what is on screen, how
# many bells ring and how it quits.
#
# usage: test_window.sh PROGRAM BELLCOUNT
#
# Regions and colours are passed by name to count(); shellcheck cannot see
# that, nor that the predicates are called through poll_until and check.
# shellcheck disable=SC2034,SC2317
set -u
[ $# -eq 2 ] || { echo "usage: $0 PROGRAM BELLCOUNT" >&2; exit 2; }
APP_BIN=$1
BELLCOUNT_BIN=$2
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

# ---- where things are, in window pixels (corners included) ----------------
COMPACT=265x324
EXPANDED=431x474
BG_X=240 BG_Y=100                      # a point of bare window background
# The stop-sign panel spans x 4..215, y 8..230. While the clock runs the
# panel is hidden, but the minute display's frame lines and its red edge
# (x 36..56 and y 211..229) then take part of the same area, so the sign's
# red is looked for in three parts that stay clear of them.
SIGN_RED_X=110 SIGN_RED_Y=50           # inside the octagon, above the word STOP
SIGN_LEFT=(4 8 33 230)                 # left of the display's frame
SIGN_RIGHT=(176 8 215 230)             # right of the display
DISPLAY_INNER=(60 17 168 207)          # inside the minute display
DISPLAY_BOX=(57 14 171 210)            # minute display (under the sign while stopped)
READOUT=(40 233 178 295)               # clock readout, a little inside its edges
START_X=224 START_Y=238
QUIT_X=224 QUIT_Y=261
SCORE_X=234 SCORE_Y=312
QUESTION1=(271 14 407 48)              # expanded only
QUESTION12=(271 408 407 442)
SCORE_LABEL=(60 329 162 385)

CYAN=(0 255 255) RED=(255 0 0) BLUE=(0 0 255) YELLOW=(255 255 0)
BLACK=(0 0 0) DIGIT_GREY=(224 224 224)

area() { echo $((($3 - $1 + 1) * ($4 - $2 + 1))); }
# count FILE REGION_NAME COLOUR_NAME TOL
count() {
    local -n r=$2 c=$3
    count_colour "$1" "${r[@]}" "${c[@]}" "$4"
}
has_yellow_text() { [ "$(count "$1" READOUT YELLOW 60)" -ge 300 ]; }
background_painted() { colour_near "$(pixel "$1" "$BG_X" "$BG_Y")" "${CYAN[@]}" 8; }
still_one_bell() { [ "$(bell_count)" -eq 1 ]; }
not_red() { ! colour_near "$1" "${RED[@]}" 80; }
question_frames_painted() { [ "$(count "$1" QUESTION12 BLUE 8)" -ge 50 ]; }

# ---- start-up --------------------------------------------------------------

start_xvfb
start_bellcount "$BELLCOUNT_BIN"
start_app "$APP_BIN"

echo "# the stopped window"
poll_until 2000 size_is $COMPACT
check "compact window: size $COMPACT, measured $(window_size)" size_is $COMPACT
STOPPED="$E2E_WORK/1-stopped.png"
shot_until 3000 "$STOPPED" background_painted "$STOPPED"
check "background at ($BG_X,$BG_Y) is cyan, measured $(pixel "$STOPPED" $BG_X $BG_Y)" \
    background_painted "$STOPPED"
p=$(pixel "$STOPPED" $SIGN_RED_X $SIGN_RED_Y)
check "stop sign is red at ($SIGN_RED_X,$SIGN_RED_Y), measured $p" colour_near "$p" "${RED[@]}" 80
expect_ge "stop-sign red left of the minute display" "$(count "$STOPPED" SIGN_LEFT RED 80)" 500
expect_ge "stop-sign red right of the minute display" "$(count "$STOPPED" SIGN_RIGHT RED 80)" 500
expect_ge "stop-sign red over the minute display" "$(count "$STOPPED" DISPLAY_INNER RED 80)" 5000
expect_ge "blue pixels in the clock readout" "$(count "$STOPPED" READOUT BLUE 8)" \
    $(($(area "${READOUT[@]}") * 95 / 100))
expect_eq "yellow pixels in the readout (empty until Start)" "$(count "$STOPPED" READOUT YELLOW 60)" 0
expect_le "black pixels where the minute display sits (covered by the sign)" \
    "$(count "$STOPPED" DISPLAY_BOX BLACK 30)" $(($(area "${DISPLAY_BOX[@]}") / 50))
expect_eq "bells before Start" "$(bell_count)" 0

# ---- Start: one bell, the clock shows, the sign goes ------------------------

echo "# Start"
click $START_X $START_Y
poll_until 2000 bells_at_least 1
sleep 0.3                                   # room for a wrong second bell
expect_eq "bells after Start" "$(bell_count)" 1

RUN1="$E2E_WORK/2-running.png"
shot_until 2000 "$RUN1" has_yellow_text "$RUN1"
run1_ms=$(now_ms)
expect_ge "yellow pixels in the readout once running" "$(count "$RUN1" READOUT YELLOW 60)" 300
expect_ge "blue pixels still around the readout text" "$(count "$RUN1" READOUT BLUE 8)" \
    $(($(area "${READOUT[@]}") / 2))
expect_ge "black pixels in the minute display" "$(count "$RUN1" DISPLAY_BOX BLACK 30)" \
    $(($(area "${DISPLAY_BOX[@]}") / 2))
expect_ge "light-grey digit pixels in the minute display" \
    "$(count "$RUN1" DISPLAY_BOX DIGIT_GREY 16)" 100
p=$(pixel "$RUN1" $SIGN_RED_X $SIGN_RED_Y)
check "no stop-sign red at ($SIGN_RED_X,$SIGN_RED_Y) once running, measured $p" \
    not_red "$p"
expect_le "red left of the minute display once running" "$(count "$RUN1" SIGN_LEFT RED 80)" 20
expect_le "red right of the minute display once running" "$(count "$RUN1" SIGN_RIGHT RED 80)" 20
expect_le "red inside the minute display once running" "$(count "$RUN1" DISPLAY_INNER RED 80)" 20
check "background still cyan while running" background_painted "$RUN1"

# ---- the clock moves on ------------------------------------------------------

echo "# the clock runs"
sleep_until_ms $((run1_ms + 1300))
RUN2="$E2E_WORK/3-running-later.png"
shot "$RUN2"
expect_ge "readout pixels changed 1.3 s later" \
    "$(differing_pixels "$RUN1" "$RUN2" "${READOUT[@]}")" 20
expect_ge "yellow pixels in the readout 1.3 s later" "$(count "$RUN2" READOUT YELLOW 60)" 300

# ---- Score-> opens and closes the score sheet -----------------------------------

echo "# Score->"
click $SCORE_X $SCORE_Y
if poll_until 2000 size_is $EXPANDED; then
    pass "expanded window: size $EXPANDED"
    EXPANDED_SHOT="$E2E_WORK/4-expanded.png"
    shot_until 2000 "$EXPANDED_SHOT" question_frames_painted "$EXPANDED_SHOT"
    expect_ge "blue in the first question frame" "$(count "$EXPANDED_SHOT" QUESTION1 BLUE 8)" 50
    expect_ge "blue in the twelfth question frame" "$(count "$EXPANDED_SHOT" QUESTION12 BLUE 8)" 50
    expect_ge "blue in the score label" "$(count "$EXPANDED_SHOT" SCORE_LABEL BLUE 8)" 50
else
    fail "expanded window: size $EXPANDED, measured $(window_size)"
fi
click $SCORE_X $SCORE_Y
poll_until 2000 size_is $COMPACT
check "compact again: size $COMPACT, measured $(window_size)" size_is $COMPACT

# ---- QUIT ------------------------------------------------------------------------

echo "# QUIT"
click $QUIT_X $QUIT_Y
if poll_until 2000 app_exited; then
    wait "$APP_PID"
    expect_eq "exit status after QUIT" $? 0
else
    fail "program still running 2 s after QUIT"
    shot "$E2E_WORK/5-after-quit.png"
fi
check "one bell in the whole run (the Start bell), measured $(bell_count)" still_one_bell

finish
