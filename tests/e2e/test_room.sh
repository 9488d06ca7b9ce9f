#!/bin/bash
# End-to-end test of the clock for the room on a private X server with two
# screens (RandR monitors): the view opens full screen on the screen the
# moderator's window is not on, keeps the keyboard with the moderator, shows
# the stop sign, the evening's standings for it (Ctrl+B) until Start brings the
# clock back, and then each second with the window, and follows its screen
# when it is unplugged and when a new one is plugged in, the period going on;
# a clicker's key held down on it presses Start once.
#
# usage: test_room.sh PROGRAM BELLCOUNT
# The layout's arrays come from layout.sh, which shellcheck cannot follow.
# shellcheck disable=SC2034,SC2154
set -u
[ $# -eq 2 ] || { echo "usage: $0 PROGRAM BELLCOUNT" >&2; exit 2; }
APP_BIN=$1
BELLCOUNT_BIN=$2
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

ROOM_TITLE="Vornaxi Timer: the clock for the room"
XVFB_SCREEN=3200x1080x24 start_xvfb
# The desk's screen, where the window opens, and the room's beside it. Each is
# a monitor of its own, and the X screen's output is off: a monitor that held
# it would make way, once removed, for one of the whole X screen.
xrandr --output screen --off --fb 3200x1080 || die "xrandr cannot turn the output off"
xrandr --setmonitor desk 1280/338x1024/270+0+0 none || die "xrandr cannot make monitors"
xrandr --setmonitor room 1920/508x1080/286+1280+0 none
start_app "$APP_BIN"

# geometry_of TITLE: a window's WIDTHxHEIGHT+X+Y on the X screen
geometry_of() {
    window_info "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h "+" x "+" y}'
}
room_geometry() { geometry_of "$ROOM_TITLE"; }
# apart_in X0 Y0 X1 Y1 [ROOM_X1]: both windows mapped, apart, wholly inside
# that rectangle (corners excluded), the moderator's left of ROOM_X1
apart_in() {
    window_up && window_up "$ROOM_TITLE" &&
        awk -v a="$(geometry_of "$APP_TITLE")" -v r="$(room_geometry)" -v x0="$1" -v y0="$2" \
            -v x1="$3" -v y1="$4" -v mx1="${5:-$3}" 'BEGIN {
            split(a, p, /[x+]/); split(r, q, /[x+]/)
            in_a = p[3] >= x0 && p[4] >= y0 && p[3] + p[1] <= mx1 && p[4] + p[2] <= y1
            in_r = q[3] >= x0 && q[4] >= y0 && q[3] + q[1] <= x1 && q[4] + q[2] <= y1
            over = p[3] < q[3] + q[1] && q[3] < p[3] + p[1] && p[4] < q[4] + q[2] && q[4] < p[4] + p[2]
            exit !(in_a && in_r && !over) }'
}
focus_is_moderator() { [ "$(printf '0x%x' "$(xdotool getwindowfocus)")" = "$APP_WIN" ]; }
room_at() { window_up "$ROOM_TITLE" && [ "$(room_geometry)" = "$1" ]; }

# The window's own menu, from a right click on its background.
read -ra bg <<<"${BG_POINTS[0]}"
xdotool mousemove "${bg[@]}" click 3
keys Down Return
poll_until 5000 room_at 1920x1080+1280+0
check "full screen on the other screen: $(room_geometry)" room_at 1920x1080+1280+0
check "the keyboard stays with the moderator" focus_is_moderator
STOPPED=$E2E_WORK/room-stopped.png
import -silent -window root -crop 1920x1080+1280+0 +repage -depth 8 "png:$STOPPED"
# The stop sign's red face, large: about a sixth of the screen.
red=$(convert "$STOPPED" -fuzz 2% -fill black +opaque 'rgb(224,0,0)' -fill white -opaque 'rgb(224,0,0)' \
    -format '%[fx:round(mean*w*h)]' info:)
expect_ge "the stop sign's red shown to the room" "$red" 250000

# in_step MS WHAT: in_step with the window's readout and the room's
in_step() {
    local r ax ay
    region r Label9 2
    read -r _ _ ax ay < <(geometry_of "$APP_TITLE" | tr 'x+' '  ')
    readouts_in_step "$1" "$2" "$(geometry $((r[0] + ax)) $((r[1] + ay)) $((r[2] + ax)) $((r[3] + ay)))" \
        "$(room_geometry | awk -F'[x+]' '{printf "%dx%d+%d+%d", $1, $2 * 0.19, $3, $4 + $2 * 0.8}')"
}

# Three teams filed, their standings for the stop sign: a row each, each at
# least a fourteenth of the screen high.
file_teams 3
keys ctrl+b
poll_until 3000 room_rows 3
check "Ctrl+B: the standings, three rows" room_rows 3

click_on start
in_step 3000 "running"
check "Start: the clock again, its readout the only blue" room_rows 1

xrandr --delmonitor room
poll_until 5000 window_up "$ROOM_TITLE"
sleep 0.5
read -r w h x y < <(room_geometry | tr 'x+' '  ')
check "unplugged: a window on the desk's screen, $w x $h at $x,$y" \
    test "$x" -ge 0 -a "$y" -ge 0 -a $((x + w)) -le 1280 -a $((y + h)) -le 1024 -a "$w" -ge 400
check "beside the moderator's window" test "$x" -ge "${COMPACT%x*}"
in_step 2000 "as a window"

xrandr --setmonitor projector 1920/508x1080/286+1280+0 none
poll_until 5000 room_at 1920x1080+1280+0
check "plugged in: full screen there, $(room_geometry)" room_at 1920x1080+1280+0
in_step 2000 "on the new screen"

# The moderator's own screen unplugged: the window moves onto the one left,
# the view a window beside it.
xrandr --delmonitor desk
poll_until 5000 apart_in 1280 0 3200 1080
check "desk unplugged: both on the room's screen, apart: $(geometry_of "$APP_TITLE"), $(room_geometry)" \
    apart_in 1280 0 3200 1080
check "the keyboard still with the moderator" focus_is_moderator
in_step 2000 "desk unplugged"

# Both replaced at once, as by a docking station: the moderator's window on
# the smaller, the view full screen on the other.
xrandr --delmonitor projector --setmonitor laptop 1600/423x900/238+0+0 none \
    --setmonitor wall 1600/423x1080/286+1600+0 none
poll_until 5000 room_at 1600x1080+1600+0
check "docked: the view full screen on the larger, $(room_geometry)" room_at 1600x1080+1600+0
check "the moderator's window on the other, $(geometry_of "$APP_TITLE")" apart_in 0 0 3200 1080 1600
check "the keyboard still with the moderator" focus_is_moderator
in_step 2000 "docked"

# (That the seconds kept their time through it all is bench/room.sh's to
# measure, from the bells: in step above, the clock ran.)
check "the program runs on" app_running

# The view given the keyboard by a click, Page Down held on it for 3 s.
start_bellcount "$BELLCOUNT_BIN"
xdotool mousemove 2400 300 click 1
sleep 0.5
xdotool keydown Next && sleep 3 && xdotool keyup Next
sleep 0.3
expect_eq "bells for Page Down held 3 s on the view" "$(bell_count)" 1
check "stopped: the stop sign, not the standings, until Ctrl+B again" room_rows 0
finish
