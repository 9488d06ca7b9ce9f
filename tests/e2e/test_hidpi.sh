#!/bin/bash
# End-to-end test at a scale factor of 2: the window is exactly twice the
# size, and the stop sign, the lines, the icon and the text are drawn at the
# screen's resolution, not blown up from bitmaps, with nothing clipped.
#
# usage: test_hidpi.sh PROGRAM BELLCOUNT
# shellcheck disable=SC2034,SC2317
set -u
[ $# -eq 2 ] || { echo "usage: $0 PROGRAM BELLCOUNT" >&2; exit 2; }
APP_BIN=$1
BELLCOUNT_BIN=$2
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

# ---- where things are, in screen pixels at scale 2 (even corners) ---------
COMPACT=530x648
EXPANDED=862x948
SIGN=(8 16 431 461)          # the stop-sign panel
READOUT=(76 460 361 595)     # the clock readout's box
DISPLAY_BOX=(114 28 343 421) # the minute display's box
START_X=450 START_Y=476
SCORE_X=468 SCORE_Y=624
LINE4_X=200                  # a column that crosses the top white line (y 20)

YELLOW=(255 255 0) GREY=(224 224 224) WHITE=(255 255 255)

# crop FILE X0 Y0 X1 Y1: the region as ImageMagick geometry
geometry() { echo "$(($4 - $2 + 1))x$(($5 - $3 + 1))+$2+$3"; }

# fine_detail FILE X0 Y0 X1 Y1: pixels that differ from the same region
# rebuilt from every other pixel doubled. A bitmap blown up 2x gives 0; a
# picture drawn at the screen's resolution has detail within each 2x2 block.
fine_detail() {
    convert "$1" -crop "$(geometry "$@")" +repage \
        \( +clone -sample 50% -sample 200% \) -compose difference -composite \
        -colorspace gray -threshold 6% -format '%[fx:round(mean*w*h)]' info:
}

# bbox FILE X0 Y0 X1 Y1 R G B: the bounding box "x0 y0 x1 y1" of a colour in
# the region, in screen coordinates
bbox() {
    local f=$1 x0=$2 y0=$3
    convert "$f" -crop "$(geometry "$@")" +repage -fuzz 12% -fill black \
        +opaque "rgb($6,$7,$8)" -fill white -opaque "rgb($6,$7,$8)" -trim \
        -format "%X %Y %w %h" info: |
        tr -d '+' | awk -v x0="$x0" -v y0="$y0" '{ print x0+$1, y0+$2, x0+$1+$3-1, y0+$2+$4-1 }'
}

# inside_by BOX_INNER BOX_OUTER MARGIN: the inner box keeps the margin
inside_by() {
    local -a a=($1) b=($2)
    [ "${a[0]}" -ge $((b[0] + $3)) ] && [ "${a[1]}" -ge $((b[1] + $3)) ] &&
        [ "${a[2]}" -le $((b[2] - $3)) ] && [ "${a[3]}" -le $((b[3] - $3)) ]
}

has_yellow_text() { [ "$(count_colour "$1" "${READOUT[@]}" "${YELLOW[@]}" 60)" -ge 1000 ]; }

export QT_SCALE_FACTOR=2
XVFB_SCREEN=1280x1024x24
start_xvfb
start_app "$APP_BIN"

echo "# the window at scale 2"
poll_until 2000 size_is $COMPACT
check "compact window twice the size: $COMPACT, measured $(window_size)" size_is $COMPACT

STOPPED="$E2E_WORK/1-stopped.png"
shot "$STOPPED"
# The metric itself must be able to fail: a 2x blow-up of the picture has none.
convert "$STOPPED" -sample 50% -sample 200% "$E2E_WORK/blown-up.png"
expect_eq "fine detail in a blown-up stop sign (the yardstick)" \
    "$(fine_detail "$E2E_WORK/blown-up.png" "${SIGN[@]}")" 0
expect_ge "fine detail in the stop sign" "$(fine_detail "$STOPPED" "${SIGN[@]}")" 1000

icons=$(xprop -id "$APP_WIN" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' ')
check "the window icon comes in sizes for a 2x screen: $icons" grep -q 'Icon (64 x 64)' <<<"$icons"

click $START_X $START_Y
RUNNING="$E2E_WORK/2-running.png"
shot_until 2000 "$RUNNING" has_yellow_text "$RUNNING"
thickness=$(count_colour "$RUNNING" $LINE4_X 10 $LINE4_X 30 "${WHITE[@]}" 8)
expect_eq "the top bevel line is 3 px at scale 2, so 6 rows" "$thickness" 6
expect_ge "fine detail in the readout's text" "$(fine_detail "$RUNNING" "${READOUT[@]}")" 200
expect_ge "fine detail in the minute digit" "$(fine_detail "$RUNNING" "${DISPLAY_BOX[@]}")" 200
text=$(bbox "$RUNNING" "${READOUT[@]}" "${YELLOW[@]}")
check "the readout's text ($text) fits its box (${READOUT[*]})" \
    inside_by "$text" "${READOUT[*]}" 2
digit=$(bbox "$RUNNING" "${DISPLAY_BOX[@]}" "${GREY[@]}")
check "the minute digit ($digit) fits its box (${DISPLAY_BOX[*]})" \
    inside_by "$digit" "${DISPLAY_BOX[*]}" 4

click $SCORE_X $SCORE_Y
poll_until 2000 size_is $EXPANDED
check "expanded window twice the size: $EXPANDED, measured $(window_size)" size_is $EXPANDED
shot "$E2E_WORK/3-expanded.png"

finish
