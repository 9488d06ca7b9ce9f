#!/bin/bash
# End-to-end test of the clock for the room on Wayland: weston with two
# outputs (its X11 backend, each output a window of a private Xvfb, side by
# side), the program a client of it. Ctrl+R opens the view full screen on the
# output the moderator's window is not on, in step with the window, and the
# keyboard is the moderator's afterwards: at once where the compositor offers
# xdg-activation, else after one click into the window (weston 10 activates
# every window as it maps, and offers no activation to take it back).
#
# usage: test_wayland.sh PROGRAM
# The layout's arrays come from layout.sh, which shellcheck cannot follow.
# shellcheck disable=SC2034,SC2154,SC2317  # predicates are called through poll_until
set -u
[ $# -eq 1 ] || { echo "usage: $0 PROGRAM" >&2; exit 2; }
APP_BIN=$1
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

W=1280 H=720
XVFB_SCREEN=$((2 * W))x${H}x24 start_xvfb
# No on-screen keyboard: weston's would open over the team name's box.
printf '[input-method]\npath=\n' >"$E2E_WORK/weston.ini"
weston --backend=x11-backend.so --output-count=2 --width=$W --height=$H --use-pixman \
    --socket=room-wl --config="$E2E_WORK/weston.ini" >"$E2E_WORK/weston.log" 2>&1 &
E2E_PIDS+=("$!")
poll_until 10000 test -S "$XDG_RUNTIME_DIR/room-wl" || die "weston did not start (see weston.log)"
# output N: the X window that shows weston's output N
output() { xwininfo -root -tree | sed -n "s/^ *\(0x[0-9a-f]*\) \"Weston Compositor - screen$1\".*/\1/p"; }
poll_until 5000 test -n "$(output 1)" || die "weston shows no second output"
xdotool windowmove "$(output 1)" "$W" 0

# window_is SIZE: the moderator's window's client area shows with that width
# (its bottom may be below the output), found as the box its cyan background
# fills (Qt draws its title bar above): sets
# DESK (its output), ROOM (the other) and AX, AY (its corner on the X screen)
window_is() {
    local n box
    for n in 0 1; do
        box=$(import -silent -window "$(output $n)" -depth 8 ppm:- |
            convert - -fill black +opaque "$(rgb PALETTE_T)" -fill white -opaque "$(rgb PALETTE_T)" -format '%@' info:)
        if [ "${box%%x*}" = "${1%%x*}" ]; then
            DESK=$n ROOM=$((1 - n))
            read -r AX AY < <(echo "${box#*+}" | awk -F+ -v o=$((n * W)) '{ print $1 + o, $2 }')
            return 0
        fi
    done
    return 1
}
compact_shown() { window_is "$COMPACT"; }
click_at() { local xy; read -ra xy <<<"$(centre_of "$1")"; click $((AX + xy[0])) $((AY + xy[1])); }

APP_ENV=(QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=room-wl)
APP_MAPPED=compact_shown start_app "$APP_BIN"
# weston hands the keys to the window it has activated while the pointer is over an output.
xdotool mousemove $((AX + 2)) $((AY + 2))
keys space # Start has the focus
click_at cmdExpand
poll_until 3000 window_is "$EXPANDED" || die "the window did not expand"
# weston puts a new window anywhere on its output, so the expanded window may
# reach below it: it is moved up with weston's own binding, Super and a drag.
below=$((AY + ${EXPANDED#*x} + 4 - H))
if [ "$below" -gt 0 ]; then
    xdotool mousemove $((AX + 80)) $((AY + 4)) keydown super mousedown 1 sleep 0.2 \
        mousemove $((AX + 80)) $((AY)) sleep 0.2 mousemove $((AX + 80)) $((AY + 4 - below)) sleep 0.2 \
        mouseup 1 keyup super
    fits() { window_is "$EXPANDED" && [ $((AY + ${EXPANDED#*x})) -le $H ]; }
    poll_until 3000 fits
    [ $((AY + ${EXPANDED#*x})) -le $H ] || die "the expanded window could not be moved onto its output"
    echo "moved up by $below px: the window at $AX,$AY"
    xdotool mousemove $((AX + 2)) $((AY + 2))
fi
# name_ink: how many pixels of the team name's box are black: its text
name_ink() {
    local r
    region r txtTeamName 3
    import -silent -window root -depth 8 ppm:- |
        convert - -crop "$(geometry $((AX + r[0])) $((AY + r[1])) $((AX + r[2])) $((AY + r[3])))" +repage \
            "png:$E2E_WORK/name.png"
    count_colour "$E2E_WORK/name.png" 0 0 $((r[2] - r[0])) $((r[3] - r[1])) 0 0 0 60
}
ink_beyond() { [ "$(name_ink)" -gt "$1" ]; }
click_at cmdEnter
xdotool type --delay 40 O
poll_until 3000 ink_beyond 0
check "Enter Team Name opens the name box, which has the keyboard" ink_beyond 0
keys ctrl+r

# view_full: the other output shows the view from corner to corner (weston's panel hidden)
view_full() {
    local shot=$E2E_WORK/room.png p
    import -silent -window "$(output "$ROOM")" -depth 8 "png:$shot"
    for p in "0 0" "$((W - 1)) 0" "0 $((H - 1))" "$((W - 1)) $((H - 1))"; do
        near "$(pixel "$shot" "$p")" "${PALETTE_T[@]}" 8 || return 1
    done
}
poll_until 5000 view_full
check "Ctrl+R: the view full screen on the other output" view_full
region r Label9 2
readouts_in_step 3000 "on Wayland" "$(geometry $((AX + r[0])) $((AY + r[1])) $((AX + r[2])) $((AY + r[3])))" \
    "${W}x$((H * 19 / 100))+$((ROOM * W))+$((H * 80 / 100))"

# More of the name, typed after the view opened: where does it go?
ink=$(name_ink)
xdotool type --delay 40 wls
if WAYLAND_DISPLAY=room-wl weston-info 2>/dev/null | grep -q xdg_activation_v1; then
    poll_until 2000 ink_beyond "$ink"
    check "the moderator keeps the keyboard: the name typed arrives" ink_beyond "$ink"
else
    sleep 1
    check "without xdg-activation weston gave the view the keyboard as it mapped" \
        test "$(name_ink)" -eq "$ink"
    click_at txtTeamName
    xdotool type --delay 40 wls
    poll_until 2000 ink_beyond "$ink"
    check "one click into the moderator's window, and the name typed arrives" ink_beyond "$ink"
fi
check "the program runs on" app_running
finish
