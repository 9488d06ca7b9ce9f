#!/bin/bash
# End-to-end test of the score sheet and the colour buttons: expands the real
# window, clicks a slider's arrow and a colour button like a user, and looks
# at what changes on screen. Then, in a fresh program, the keyboard alone runs
# a period, fills in the sheet, picks a colour, types a name and prints.
#
# usage: test_sheet.sh PROGRAM BELLCOUNT
# shellcheck disable=SC2034,SC2154,SC2317
set -u
[ $# -eq 2 ] || { echo "usage: $0 PROGRAM BELLCOUNT" >&2; exit 2; }
APP_BIN=$1
BELLCOUNT_BIN=$2
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

# ---- where things are: the layout's rectangles, corners included ----------
region MINUTE5 minute_5
region TEAM_NAME txtTeamName 4              # inside the team name's box
region SCORE_LABEL score 2                  # the total, a little inside the box
region QUESTION1 question_1
region QUESTION12 question_12

# text_width FILE: how wide the white text in the score box is, in pixels
text_width() {
    convert "$1" -crop "$(geometry "${SCORE_LABEL[@]}")" +repage -fuzz 15% -fill black \
        +opaque "$(rgb SCORE_TEXT)" -trim -format '%w' info:
}
score_changed_from() { [ "$(differing_pixels "$1" "$2" "${SCORE_LABEL[@]}")" -ge 20 ]; }
name_changed_from() { [ "$(differing_pixels "$1" "$2" "${TEAM_NAME[@]}")" -ge 20 ]; }

start_xvfb
start_bellcount "$BELLCOUNT_BIN"
start_app "$APP_BIN"

echo "# the score sheet"
click_on cmdExpand
expect_size "$EXPANDED" "expanded window"
SHEET0="$E2E_WORK/1-sheet.png"
shot_until 2000 "$SHEET0" frames_painted "$SHEET0"
check "background cyan at start-up" background_is "$SHEET0" PALETTE_T
white0=$(count "$SHEET0" SCORE_LABEL SCORE_TEXT 40)
expect_ge "white total \"0\" in the score box" "$white0" 100

# click_q5 BEFORE AFTER LABEL_CHECK TOTAL_CHECK: clicks question 5's right
# arrow, waits for the total to change and checks the label and the total
# against the screenshot before.
click_q5() {
    click_arrow 5
    shot_until 2000 "$2" score_changed_from "$1" "$2"
    expect_ge "$3" "$(differing_pixels "$1" "$2" "${MINUTE5[@]}")" 10
    expect_ge "$4" "$(differing_pixels "$1" "$2" "${SCORE_LABEL[@]}")" 20
}
SHEET1="$E2E_WORK/2-one-click.png"
SHEET2="$E2E_WORK/3-two-clicks.png"
click_q5 "$SHEET0" "$SHEET1" "question 5's label changed after one click" \
    "the total changed (0 -> 16)"
click_q5 "$SHEET1" "$SHEET2" "question 5's label changed after the second click" \
    "the total changed again (16 -> 12)"
# Two digits are wider than one.
expect_ge "the total is wider than the \"0\" (two digits)" "$(text_width "$SHEET2")" \
    $(($(text_width "$SHEET0") * 3 / 2))

echo "# the colour B"
click_on Option1_4
DARK="$E2E_WORK/4-black.png"
shot_until 2000 "$DARK" background_is "$DARK" PALETTE_B
check "background black beside the clock and the sheet" background_is "$DARK" PALETTE_B
expect_ge "question frames stay blue (first)" "$(count "$DARK" QUESTION1 QUESTION_BACKGROUND 8)" 1000
expect_ge "question frames stay blue (twelfth)" "$(count "$DARK" QUESTION12 QUESTION_BACKGROUND 8)" 1000
expect_eq "the sheet is untouched by the colour" \
    "$(differing_pixels "$SHEET2" "$DARK" "${SCORE_LABEL[@]}")" 0
expect_eq "no bell from the sheet or the colours" "$(bell_count)" 0

echo "# the keyboard alone, from start-up"
stop_pid "$APP_PID"
# No printing service (lib.sh's): printing ends in the "No printer" message.
start_app "$APP_BIN"
# The focus starts on Start: Space starts the period, Return stops it.
keys space
poll_until 2000 bells_at_least 1
expect_eq "bells after Space at start-up (the period started)" "$(bell_count)" 1
keys Return
poll_until 2000 bells_at_least 2
expect_eq "bells after Return (the period stopped)" "$(bell_count)" 2
keys Tab Return                                     # Score->
expect_size "$EXPANDED" "expanded by Tab and Return"
KEYS0="$E2E_WORK/5-keys-sheet.png"
shot_until 2000 "$KEYS0" frames_painted "$KEYS0"
# QUIT and the colour buttons come first, then question 1: minute 1, question
# 2: minute 2, question 5: minute 3.
keys Tab Tab Tab Right Tab Right Right Tab Tab Tab Right Right Right
KEYS1="$E2E_WORK/6-keys-answers.png"
shot_until 2000 "$KEYS1" score_changed_from "$KEYS0" "$KEYS1"
for n in 1 2 5; do
    region label "minute_$n"
    expect_ge "minute $n's label changed by the arrow keys" \
        "$(differing_pixels "$KEYS0" "$KEYS1" "${label[@]}")" 10
done
expect_ge "the total changed" "$(differing_pixels "$KEYS0" "$KEYS1" "${SCORE_LABEL[@]}")" 20
# Back to the colour buttons, entered at the selected "T"; two to the right is
# "B".
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Right Right
KEYS2="$E2E_WORK/7-keys-black.png"
shot_until 2000 "$KEYS2" background_is "$KEYS2" PALETTE_B
check "background black, chosen with the arrow keys" background_is "$KEYS2" PALETTE_B
# Back past QUIT and Score-> to Enter Team Name; the keypad's Enter opens the
# name box, Tab goes on to Print Results once a name is typed.
keys shift+Tab shift+Tab shift+Tab KP_Enter
xdotool type --delay 20 "Owls"
KEYS3="$E2E_WORK/8-keys-name.png"
shot_until 2000 "$KEYS3" name_changed_from "$KEYS2" "$KEYS3"
expect_ge "the name typed into its box" \
    "$(differing_pixels "$KEYS2" "$KEYS3" "${TEAM_NAME[@]}")" 20
keys Tab Return                                     # Print Results
message_comes_and_goes "No printer"
expect_eq "bells in the keyboard run" "$(bell_count)" 2

finish
