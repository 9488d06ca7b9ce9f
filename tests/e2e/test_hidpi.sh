#!/bin/bash
# End-to-end test at a scale factor of 2: the window is exactly twice the
# size, and the stop sign, the lines, the icon and the text are drawn at the
# screen's resolution, not blown up from bitmaps, with nothing clipped.
#
# usage: test_hidpi.sh PROGRAM BELLCOUNT
# The layout's arrays come from layout.sh, which shellcheck cannot follow.
# shellcheck disable=SC2034,SC2154,SC2317
set -u
[ $# -eq 2 ] || { echo "usage: $0 PROGRAM BELLCOUNT" >&2; exit 2; }
APP_BIN=$1
BELLCOUNT_BIN=$2
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

export QT_SCALE_FACTOR=2
# ---- where things are: the layout's rectangles at scale 2 (corners included)
region SIGN Picture5         # the stop-sign panel
region READOUT Label9        # the clock readout's box
region DISPLAY_BOX Display   # the minute display's box
# a column across the top white line, from 5 px above it to 5 px below
x=$((Line4[0] + Line4[2])) y=$((2 * Line4[1]))
LINE4_COLUMN=("$x" $((y - 10)) "$x" $((y + 10)))
for size in COMPACT EXPANDED; do     # the window's sizes at scale 2
    printf -v "$size" '%dx%d' $((2 * ${!size%x*})) $((2 * ${!size#*x}))
done

# fine_detail FILE X0 Y0 X1 Y1: pixels that differ from the same region
# rebuilt from every other pixel doubled. A bitmap blown up 2x gives 0; a
# picture drawn at the screen's resolution has detail within each 2x2 block.
fine_detail() {
    convert "$1" -crop "$(geometry "${@:2}")" +repage \
        \( +clone -sample 50% -sample 200% \) -compose difference -composite \
        -colorspace gray -threshold 6% -format '%[fx:round(mean*w*h)]' info:
}

# bbox FILE X0 Y0 X1 Y1 COLOUR: the bounding box "x0 y0 x1 y1" of a colour in
# the region, in screen coordinates
bbox() {
    local f=$1 x0=$2 y0=$3
    convert "$f" -crop "$(geometry "${@:2:4}")" +repage -fuzz 12% -fill black \
        +opaque "$(rgb "$6")" -fill white -opaque "$(rgb "$6")" -trim \
        -format "%X %Y %w %h" info: |
        tr -d '+' | awk -v x0="$x0" -v y0="$y0" '{ print x0+$1, y0+$2, x0+$1+$3-1, y0+$2+$4-1 }'
}

# inside_by BOX_INNER BOX_OUTER MARGIN: the inner box (an array's name)
# keeps the margin inside the outer one
inside_by() {
    local -n a=$1 b=$2
    [ "${a[0]}" -ge $((b[0] + $3)) ] && [ "${a[1]}" -ge $((b[1] + $3)) ] &&
        [ "${a[2]}" -le $((b[2] - $3)) ] && [ "${a[3]}" -le $((b[3] - $3)) ]
}

has_yellow_text() { [ "$(count "$1" READOUT READOUT_TEXT 60)" -ge 1000 ]; }

XVFB_SCREEN=1280x1024x24
start_xvfb
start_app "$APP_BIN"

echo "# the window at scale 2"
expect_size "$COMPACT" "compact window twice the size"

STOPPED="$E2E_WORK/1-stopped.png"
shot "$STOPPED"
# The metric itself must be able to fail: a 2x blow-up of the picture has none.
convert "$STOPPED" -sample 50% -sample 200% "$E2E_WORK/blown-up.png"
expect_eq "fine detail in a blown-up stop sign (the yardstick)" \
    "$(fine_detail "$E2E_WORK/blown-up.png" "${SIGN[@]}")" 0
expect_ge "fine detail in the stop sign" "$(fine_detail "$STOPPED" "${SIGN[@]}")" 1000

icons=$(xprop -id "$APP_WIN" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' ')
check "the window icon comes in sizes for a 2x screen: $icons" grep -q 'Icon (64 x 64)' <<<"$icons"

click_on start
RUNNING="$E2E_WORK/2-running.png"
shot_until 2000 "$RUNNING" has_yellow_text "$RUNNING"
thickness=$(count "$RUNNING" LINE4_COLUMN LINE_LIGHT 8)
expect_eq "the top bevel line is 3 px at scale 2, so 6 rows" "$thickness" 6
expect_ge "fine detail in the readout's text" "$(fine_detail "$RUNNING" "${READOUT[@]}")" 200
expect_ge "fine detail in the minute digit" "$(fine_detail "$RUNNING" "${DISPLAY_BOX[@]}")" 200
read -ra text < <(bbox "$RUNNING" "${READOUT[@]}" READOUT_TEXT)
check "the readout's text (${text[*]}) fits its box (${READOUT[*]})" inside_by text READOUT 2
read -ra digit < <(bbox "$RUNNING" "${DISPLAY_BOX[@]}" DISPLAY_TEXT)
check "the minute digit (${digit[*]}) fits its box (${DISPLAY_BOX[*]})" inside_by digit DISPLAY_BOX 4

click_on cmdExpand
expect_size "$EXPANDED" "expanded window twice the size"
shot "$E2E_WORK/3-expanded.png"

finish
