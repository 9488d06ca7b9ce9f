#!/bin/bash
# End-to-end test of the clock on phones and tablets: the program in a network
# namespace with one veth end (192.0.2.1, the default route's), the browsers in
# another behind the other (192.0.2.2), as the hall's phones. The link is read
# off the room's view's QR code; Chromium and Firefox show what the window
# shows (the evening's standings too, between periods), and say when the link
# is lost: sharing stopped, or the network gone.
# usage: test_phones.sh PROGRAM BUILD_DIR   (as root; skipped, 77, otherwise)
# VORNAXI_SCREENSHOTS=DIR: saves DIR/phones.png, the page beside the room's view.
# shellcheck disable=SC2034,SC2154,SC2015  # layout.sh's arrays; A && B || die
set -u
[ $# -eq 2 ] || { echo "usage: $0 PROGRAM BUILD_DIR" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "SKIP: needs root, for private network namespaces"; exit 77; }
BROWSER_DIR=$2/e2e-browser
if [ -z "${VORNAXI_PHONES_NETWORK:-}" ]; then
    # puppeteer-core into the build tree, from the registry: before the network is left behind.
    "$(dirname "$0")"/browser/install.sh "$BROWSER_DIR" || exit 1
    exec env VORNAXI_PHONES_NETWORK=1 unshare -n bash "$0" "$@"
fi
APP_BIN=$1
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"
ip link set lo up && ip link add v0 type veth peer name v1 || die "cannot make the veth pair"
unshare -n sleep infinity & HALL=$! && E2E_PIDS+=("$HALL")
poll_until 2000 test "$(readlink /proc/$HALL/ns/net)" != "$(readlink /proc/self/ns/net)"
hall() { nsenter -t "$HALL" -n "$@"; }
ip link set v1 netns "$HALL" && ip addr add 192.0.2.1/24 dev v0 && ip link set v0 up &&
    hall ip link set lo up && hall ip addr add 192.0.2.2/24 dev v1 && hall ip link set v1 up &&
    ip route add default via 192.0.2.2 dev v0 || die "cannot set up the network"
quiet() { [ -z "$(ss -Hltn)" ]; }
# The browsers, and the window's texts as a screen reader reads them (started
# before the program, which then finds the accessibility bus up): each answers
# a line a line. serve FD NAME COMMAND...: its input on FD, its output on FD + 1
serve() {
    local fifo=$E2E_WORK/$2
    mkfifo "$fifo.in" "$fifo.out"
    "${@:3}" <"$fifo.in" >"$fifo.out" 2>>"$fifo.log" &
    E2E_PIDS+=("$!")
    eval "exec $1>\"$fifo.in\" $(($1 + 1))<\"$fifo.out\""
}
serve 3 bridge nsenter -t "$HALL" -n node "$BROWSER_DIR/bridge.js"
serve 5 reader /usr/bin/python3 -u -c '
import sys, pyatspi
found = {}
for key in map(str.strip, sys.stdin):
    try:  # without a main loop no change reaches the cache: read afresh
        if key not in found:
            app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Vornaxi Timer")
            app.clear_cache()
            found[key] = pyatspi.findDescendant(
                app, lambda a: a.description == key or a.name.startswith(key))
        found[key].clear_cache()
        print(found[key].name.strip())
    except Exception as e:
        found.pop(key, None)
        print("?", e)'
# shellcheck source=tests/e2e/browse.sh
. "$(dirname "$0")/browse.sh"
window_says() { echo "$1" >&5 && read -r SAID <&6; }
# shown ID [PERCENT]: JavaScript, true where the part's box is more than PERCENT % of the screen (or any of it)
shown() { echo "((b) => b.width * b.height > ${2:-0} * innerWidth * innerHeight / 100)(document.getElementById('$1').getBoundingClientRect())"; }
text_of() { echo "document.getElementById('$1').textContent.trim()"; }
link_of_room() {
    import -silent -window "$(window_id "$ROOM_TITLE")" -depth 8 "png:$E2E_WORK/room.png" &&
        LINK=$(zbarimg --raw -q "$E2E_WORK/room.png") && [[ $LINK =~ ^http://192\.0\.2\.1:[0-9]+/[^/]+/$ ]]
}
# same_readout PAGE: the page's readout is the window's (read before and
# after it, the same both times), within three tries 0.1 s apart
same_readout() {
    local try before readout="Clock readout: minute and seconds of the period"
    for try in 1 2 3; do
        window_says "$readout" && before=$SAID &&
            browse eval "$1" "$(text_of readout)" && window_says "$readout" &&
            [ "$SAID" = "$before" ] && [ "$ANSWER" = "\"$before\"" ] && return 0
        sleep 0.1
    done
    echo "# page $ANSWER, window $SAID" && return 1
}
# in_step PAGE SECONDS: the page's readout is the window's at every second
in_step() {
    local end=$(($(now_ms) + 1000 * $2)) seen=() last=""
    while [ "$(now_ms)" -lt "$end" ]; do
        same_readout "$1" || { fail "$1: the readout is not the window's"; return; }
        [ "$last" = "$SAID" ] || seen+=("$SAID") last=$SAID
        sleep 0.3
    done
    expect_ge "$1: seconds seen, each the page's and the window's (${seen[*]})" ${#seen[@]} "$2"
}
# at_sizes PAGE WHAT JS: JS holds on the page as a phone's lying, a television's and a phone's upright (as left)
at_sizes() {
    for size in 844x390 1920x1080 390x844; do
        browse view "$1" "${size%x*}" "${size#*x}" && check "$2 ($size)" browse wait "$1" "$3" 3000 || fail "$2: no $size"
    done
}
LINK="" SAID="" ANSWER=""
ROOM_TITLE="Vornaxi Timer: the clock for the room"
PHONES_TITLE="The clock on phones and tablets"
XVFB_SCREEN=1920x1080x24 start_xvfb
APP_ENV=(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
start_app "$APP_BIN"
check "nothing listens before the clock is shared" quiet
keys ctrl+l
poll_until 5000 window_up "$PHONES_TITLE"
check "Ctrl+L shows the small window" window_up "$PHONES_TITLE"
# Out of the way of the room's view, which opens beside the window.
xdotool windowmove "$(window_id "$PHONES_TITLE")" 1300 0
quiet && die "no server listens"
pass "and the server listens"
keys ctrl+r
poll_until 5000 link_of_room
check "the room's view carries the link: $LINK" link_of_room
OLD_LINK=$LINK
browse launch phone chromium 390 844 && browse goto phone "$LINK"
# Before a team's name (the background comes with the first state): the middle filled all the same.
at_sizes phone "stopped, before a team's name, the stop sign" \
    "document.body.style.background && $(shown stop 10) && !$(shown readout)"
# Three teams filed, their standings for the stop sign (Ctrl+B): a row each, at
# least a fourteenth of the screen high, on the page and on the room's view.
file_teams 3
keys ctrl+b
rows=$(shown standings)" && [...document.querySelectorAll('#standings li')].filter((e) => e.getBoundingClientRect().height >= innerHeight / 14).length == 3"
at_sizes phone "Ctrl+B: the standings, three rows, for the stop sign" "!$(shown stop) && $rows"
poll_until 2000 room_rows 3
check "and on the room's view" room_rows 3
click_on start
at_sizes phone "running, before a team's name, the minute digit and the readout" "$(shown minute 10) && $(shown readout) && !$(shown standings)"
check "Start: the clock on the room's view too" room_rows 1
in_step phone 5
window_says "Screens watching now"
check "the small window counts the screen watching: $SAID" test "$SAID" = "Screens watching now: 1"
click_on Option1_3
check "the background follows the colour" \
    browse wait phone "getComputedStyle(document.body).backgroundColor == 'rgb(255, 255, 0)'" 2000
click_on cmdExpand && click_on cmdEnter && xdotool type --delay 20 "Owls"
check "the team's name" browse wait phone "$(shown team) && $(text_of team) == 'Owls' && $(shown minute 10)" 2000
click_arrow 1
keys ctrl+t
window_says "Total score"
check "the total (Ctrl+T): $SAID" browse wait phone "$(shown totalpanel) && $(text_of total) == '$SAID'" 2000
keys ctrl+l
check "sharing stopped: Reconnecting within 3 s" browse wait phone "$(shown reconnecting)" 3000
check "nothing listens" quiet
keys ctrl+l
poll_until 5000 window_up "$PHONES_TITLE"
poll_until 3000 link_of_room && [ "$LINK" != "$OLD_LINK" ]
check "shared again, with a new link: $LINK" test "$LINK" != "$OLD_LINK"
browse launch tv chromium 1920 1080 && browse goto tv "$LINK"
check "the new link's page at once: the team, the digit, the total" browse wait tv "$(shown team) && $(shown minute 10) && $(shown totalpanel)" 1000
check "and the period's readout" same_readout tv
browse status "$OLD_LINK"
expect_eq "the old link's status" "$ANSWER" 404
browse goto phone "$LINK" && browse eval phone "window.unreloaded = true"
check "the phone's page at the new link" browse wait phone "!$(shown reconnecting) && $(shown minute 10)" 2000
ip link set v0 down
check "network gone: Reconnecting 3 s after the last beat" browse wait phone "$(shown reconnecting)" 3500
sleep 2
ip link set v0 up && ip route replace default via 192.0.2.2 dev v0
check "network back: the same page shows the period again" \
    browse wait phone "!$(shown reconnecting) && window.unreloaded" 10000
in_step phone 2
# the television's page is back at its own next try
check "and the television's page" browse wait tv "!$(shown reconnecting)" 10000
in_step tv 2
browse launch fox firefox 390 844 && echo "# Firefox $ANSWER" && browse goto fox "$LINK"
check "Firefox shows the period" browse wait fox "$(shown team) && $(shown minute 10) && $(shown totalpanel)" 3000
in_step fox 3
if [ -n "${VORNAXI_SCREENSHOTS:-}" ]; then
    click_on cmdExpand # the score sheet off the room's view
    browse eval phone "$(text_of readout)" && browse wait phone "'$ANSWER' != JSON.stringify($(text_of readout))" 2000 &&
        link_of_room && browse shot phone "$E2E_WORK/phone.png" && browse shot tv "$E2E_WORK/tv.png" &&
        montage -mode concatenate -background '#404040' -geometry +8+8 -tile 1x2 \
            "$E2E_WORK/tv.png" "$E2E_WORK/room.png" -resize 736x miff:- |
        montage -mode concatenate -background '#404040' -geometry +8+8 "$E2E_WORK/phone.png" - -strip \
            "$VORNAXI_SCREENSHOTS/phones.png" || fail "no screenshot"
fi
click_on end
poll_until 3000 app_exited && wait "$APP_PID"
expect_eq "QUIT ends the program, with the status" $? 0
check "and the server with it" quiet
finish
