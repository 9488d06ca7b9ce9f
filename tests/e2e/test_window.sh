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

# ---- where things are: the layout's rectangles, corners included ----------
# While the clock runs the stop-sign panel is hidden, but the minute
# display's frame lines and its red edge then take part of the same area, so
# the sign's red is looked for in three parts that stay clear of them: left of
# the bevel line at the display's left (3 px wide), right of the display
# (5 px clear of its edge) and inside it.
region SIGN Picture5
SIGN_LEFT=("${SIGN[0]}" "${SIGN[1]}" $((Line3[0] - 4)) "${SIGN[3]}")
region DISPLAY_BOX Display
SIGN_RIGHT=($((DISPLAY_BOX[2] + 5)) "${SIGN[1]}" "${SIGN[2]}" "${SIGN[3]}")
region DISPLAY_INNER Display 3
# in the octagon, above the word STOP
SIGN_RED_X=$(((SIGN[0] + SIGN[2]) / 2)) SIGN_RED_Y=$((SIGN[1] + Picture5[3] / 5))
region READOUT Label9 2
region QUESTION1 question_1                # expanded only
region QUESTION12 question_12
region SCORE_LABEL score
# The sign's own red (stopsign.svg): a picture's, not a colour of the table.
SIGN_RED=(224 0 0)

has_yellow_text() { [ "$(count "$1" READOUT READOUT_TEXT 60)" -ge 300 ]; }
background_painted() { background_is "$1" PALETTE_T 1; }
four_bells() { [ "$(bell_count)" -eq 4 ]; }
not_red() { ! near "$1" "${SIGN_RED[@]}" 80; }

# ---- start-up --------------------------------------------------------------

start_xvfb
start_bellcount "$BELLCOUNT_BIN"
start_app "$APP_BIN"

echo "# the stopped window"
expect_size "$COMPACT" "compact window"
STOPPED="$E2E_WORK/1-stopped.png"
shot_until 3000 "$STOPPED" background_painted "$STOPPED"
check "background at (${BG_POINTS[0]}) is cyan, measured $(pixel "$STOPPED" "${BG_POINTS[0]}")" \
    background_painted "$STOPPED"
p=$(pixel "$STOPPED" $SIGN_RED_X $SIGN_RED_Y)
check "stop sign is red at ($SIGN_RED_X,$SIGN_RED_Y), measured $p" near "$p" "${SIGN_RED[@]}" 80
expect_ge "stop-sign red left of the minute display" "$(count "$STOPPED" SIGN_LEFT SIGN_RED 80)" 500
expect_ge "stop-sign red right of the minute display" "$(count "$STOPPED" SIGN_RIGHT SIGN_RED 80)" 500
expect_ge "stop-sign red over the minute display" "$(count "$STOPPED" DISPLAY_INNER SIGN_RED 80)" 5000
expect_ge "blue pixels in the clock readout" "$(count "$STOPPED" READOUT READOUT_BACKGROUND 8)" \
    $(($(area "${READOUT[@]}") * 95 / 100))
expect_eq "yellow pixels in the readout (empty until Start)" "$(count "$STOPPED" READOUT READOUT_TEXT 60)" 0
expect_le "black pixels where the minute display sits (covered by the sign)" \
    "$(count "$STOPPED" DISPLAY_BOX DISPLAY_BACKGROUND 30)" $(($(area "${DISPLAY_BOX[@]}") / 50))
expect_eq "bells before Start" "$(bell_count)" 0

# ---- Start: one bell, the clock shows, the sign goes ------------------------

echo "# Start"
click_on start
poll_until 2000 bells_at_least 1
sleep 0.3                                   # room for a wrong second bell
expect_eq "bells after Start" "$(bell_count)" 1

RUN1="$E2E_WORK/2-running.png"
shot_until 2000 "$RUN1" has_yellow_text "$RUN1"
run1_ms=$(now_ms)
expect_ge "yellow pixels in the readout once running" "$(count "$RUN1" READOUT READOUT_TEXT 60)" 300
expect_ge "blue pixels still around the readout text" "$(count "$RUN1" READOUT READOUT_BACKGROUND 8)" \
    $(($(area "${READOUT[@]}") / 2))
expect_ge "black pixels in the minute display" "$(count "$RUN1" DISPLAY_BOX DISPLAY_BACKGROUND 30)" \
    $(($(area "${DISPLAY_BOX[@]}") / 2))
expect_ge "light-grey digit pixels in the minute display" \
    "$(count "$RUN1" DISPLAY_BOX DISPLAY_TEXT 16)" 100
p=$(pixel "$RUN1" $SIGN_RED_X $SIGN_RED_Y)
check "no stop-sign red at ($SIGN_RED_X,$SIGN_RED_Y) once running, measured $p" \
    not_red "$p"
expect_le "red left of the minute display once running" "$(count "$RUN1" SIGN_LEFT SIGN_RED 80)" 20
expect_le "red right of the minute display once running" "$(count "$RUN1" SIGN_RIGHT SIGN_RED 80)" 20
expect_le "red inside the minute display once running" "$(count "$RUN1" DISPLAY_INNER SIGN_RED 80)" 20
check "background still cyan while running" background_painted "$RUN1"

# ---- the clock moves on ------------------------------------------------------

echo "# the clock runs"
sleep_until_ms $((run1_ms + 1300))
RUN2="$E2E_WORK/3-running-later.png"
shot "$RUN2"
expect_ge "readout pixels changed 1.3 s later" \
    "$(differing_pixels "$RUN1" "$RUN2" "${READOUT[@]}")" 20
expect_ge "yellow pixels in the readout 1.3 s later" "$(count "$RUN2" READOUT READOUT_TEXT 60)" 300

# ---- Score-> opens and closes the score sheet -----------------------------------

echo "# Score->"
click_on cmdExpand
if poll_until 2000 size_is "$EXPANDED"; then
    pass "expanded window: size $EXPANDED"
    EXPANDED_SHOT="$E2E_WORK/4-expanded.png"
    shot_until 2000 "$EXPANDED_SHOT" frames_painted "$EXPANDED_SHOT"
    expect_ge "blue in the first question frame" "$(count "$EXPANDED_SHOT" QUESTION1 QUESTION_BACKGROUND 8)" 50
    expect_ge "blue in the twelfth question frame" "$(count "$EXPANDED_SHOT" QUESTION12 QUESTION_BACKGROUND 8)" 50
    expect_ge "blue in the score label" "$(count "$EXPANDED_SHOT" SCORE_LABEL SCORE_BACKGROUND 8)" 50
else
    fail "expanded window: size $EXPANDED, measured $(window_size)"
fi
click_on cmdExpand
expect_size "$COMPACT" "compact again"

# ---- held keys: one toggle each, however long the key is held ------------------

# The server repeats a held key after 660 ms, 25 times a second.
echo "# held keys on Start"
sign_shown() { near "$(pixel "$1" $SIGN_RED_X $SIGN_RED_Y)" "${SIGN_RED[@]}" 80; }
sign_is() { if [ "$1" = shown ]; then sign_shown "$2"; else ! sign_shown "$2"; fi; }
keys shift+Tab                              # from Score-> back to Start
sign=shown                                  # each hold stops or starts the running period
for key in Return space KP_Enter; do
    bells=$(bell_count)
    xdotool keydown $key && sleep 3 && xdotool keyup $key
    sleep 0.3
    expect_eq "bells for $key held 3 s on Start" $(($(bell_count) - bells)) 1
    HELD="$E2E_WORK/6-held-$key.png"
    shot_until 1000 "$HELD" sign_is $sign "$HELD"
    check "stop sign $sign after $key held" sign_is $sign "$HELD"
    [ $sign = shown ] && sign=gone || sign=shown
done

# ---- QUIT ------------------------------------------------------------------------

echo "# QUIT"
click_on end
if poll_until 2000 app_exited; then
    wait "$APP_PID"
    expect_eq "exit status after QUIT" $? 0
else
    fail "program still running 2 s after QUIT"
    shot "$E2E_WORK/5-after-quit.png"
fi
check "four bells in the whole run (Start, three held keys), measured $(bell_count)" four_bells

finish
