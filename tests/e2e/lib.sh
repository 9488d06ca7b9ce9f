# shellcheck shell=bash
# lib.sh - helpers for driving the real program under a private Xvfb.
# Source it from bash:  . "$(dirname "$0")/lib.sh"
#
# Everything a test starts is recorded and stopped by the EXIT trap, and the
# work folder (logs, screenshots) is kept and printed when a check failed.
# Every service the program meets is the test's own (X server, session bus,
# printing), on an address in the work folder: none of the machine's.

# shellcheck source=tests/e2e/processes.sh
. "$(dirname "${BASH_SOURCE[0]}")/processes.sh"

APP_TITLE="Vornaxi Timer v3.0"
E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/vornaxi-e2e.XXXXXX")
E2E_FAILED=0
E2E_PIDS=()      # every process we started, in start order
APP_PID=""
APP_WIN=""
BELL_LOG="$E2E_WORK/bells.log"
XVFB_PID=""

# Whatever this test starts carries the mark; the clean-up stops what is left.
export VORNAXI_E2E_RUN=$E2E_WORK
E2E_MARK="VORNAXI_E2E_RUN=$E2E_WORK"
# The suite's own environment, not the desktop session's, run by hand too
# (tests/environment.conf: NAME=VALUE sets, a line of names unsets), with the
# program on this test's X server and a runtime folder of its own.
seal_environment() {
    local line names
    while read -r line; do
        case $line in
        '' | '#'*) ;;
        *=*) export "${line?}" ;;
        *) read -ra names <<<"$line" && unset "${names[@]}" ;;
        esac
    done <"$(dirname "${BASH_SOURCE[0]}")/../environment.conf"
}
seal_environment
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$E2E_WORK/xdg"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
# The evening's file in a folder of the test's own.
export XDG_DATA_HOME="$E2E_WORK/data"
# No printing service, unless a test starts its own: never the machine's.
export CUPS_SERVER=$E2E_WORK/no-cups.sock

# Sound clients (the program through libcanberra, pactl, parec) reach only a
# sound server that a test starts itself (start_pulse), at its socket in the
# private XDG_RUNTIME_DIR: never one named by the caller's environment, the
# system-wide one, or one started on demand (autospawn).
unset PULSE_SERVER PULSE_SINK PULSE_SOURCE PULSE_COOKIE PULSE_RUNTIME_PATH PULSE_STATE_PATH
mkdir -p "$E2E_WORK/pulse-config/pulse"
export PULSE_CLIENTCONFIG="$E2E_WORK/pulse-client.conf"
cat >"$PULSE_CLIENTCONFIG" <<EOF
autospawn = no
default-server = unix:$XDG_RUNTIME_DIR/pulse/native
cookie-file = $E2E_WORK/pulse-config/pulse/cookie
EOF

# The sound card, where the program beeps without a sound server: none, unless
# a test gives the program an ALSA configuration of its own; never the
# machine's card.
export ALSA_CONFIG_PATH=$E2E_WORK/no-sound-card.conf
: >"$ALSA_CONFIG_PATH"

# ---- reporting -------------------------------------------------------------

pass() { echo "ok   - $*"; }

# fail MESSAGE: records a failed check and carries on.
fail() {
    echo "FAIL - $*"
    E2E_FAILED=1
}

# die MESSAGE: a failure after which the test cannot go on.
die() {
    fail "$*"
    exit 1
}

# check DESCRIPTION COMMAND...: passes or fails on the command's status.
check() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

# expect_eq/expect_ge/expect_le NAME VALUE LIMIT: compares a measured value
# and reports it either way
expect_eq() { if [ "$2" -eq "$3" ]; then pass "$1: $2"; else fail "$1: measured $2, expected $3"; fi; }
expect_ge() { if [ "$2" -ge "$3" ]; then pass "$1: $2 (>= $3)"; else fail "$1: measured $2, expected at least $3"; fi; }
expect_le() { if [ "$2" -le "$3" ]; then pass "$1: $2 (<= $3)"; else fail "$1: measured $2, expected at most $3"; fi; }

# finish: the test's last word; exits 0 only if no check failed.
finish() {
    if [ "$E2E_FAILED" -eq 0 ]; then
        echo "PASS: all checks passed"
        exit 0
    fi
    echo "FAILED: see the FAIL lines above"
    exit 1
}

# ---- processes -------------------------------------------------------------

e2e_cleanup() {
    local status=$? i pid
    trap - EXIT
    # a sound server stopped by a test takes no TERM until it runs again
    [ -z "${PULSE_PID:-}" ] || kill -CONT "$PULSE_PID" 2>/dev/null
    # newest first: the program, then the bell counter, the X server, the bus
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        stop_pid "${E2E_PIDS[i]}"
    done
    # What the bus started on demand ends with it, a moment later; anything
    # still there after that is stopped all the same.
    poll_until 3000 no_marked "$E2E_MARK" ||
        for pid in $(marked_pids "$E2E_MARK"); do
            echo "# stopping pid $pid, left running: $(command_of "$pid")"
            stop_pid "$pid"
        done
    if [ "$E2E_FAILED" -ne 0 ] || [ "$status" -ne 0 ]; then
        echo "logs and screenshots kept in: $E2E_WORK"
        [ "$status" -ne 0 ] || status=1
    else
        rm -rf "$E2E_WORK"
    fi
    exit "$status"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# now_ms: wall-clock time in milliseconds
now_ms() {
    local us=${EPOCHREALTIME//[.,]/}
    echo $((us / 1000))
}

# poll_until TIMEOUT_MS COMMAND...: runs COMMAND every 20 ms until it
# succeeds (status 0) or the time is up (status 1).
poll_until() {
    local deadline=$(($(now_ms) + $1))
    shift
    while :; do
        "$@" && return 0
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.02
    done
}

# sleep_until_ms T: sleeps until now_ms reaches T (at once if it has)
sleep_until_ms() {
    local left=$(($1 - $(now_ms)))
    [ "$left" -gt 0 ] || return 0
    sleep "$(printf '%d.%03d' $((left / 1000)) $((left % 1000)))"
}

# ---- D-Bus session bus -----------------------------------------------------

# start_bus: a private session bus; exports DBUS_SESSION_BUS_ADDRESS. With
# none, the program's D-Bus client would join the desktop's bus or autolaunch
# one (dbus-launch) that inherits its preloads and outlives the test. The
# services the bus starts on demand are the machine's own (the accessibility
# bus, where at-spi2-core is installed): they carry the mark.
start_bus() {
    local conf=$E2E_WORK/bus.conf
    cat >"$conf" <<EOF
<busconfig>
  <type>session</type>
  <listen>unix:path=$E2E_WORK/bus</listen>
  <auth>EXTERNAL</auth>
  <standard_session_servicedirs/>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
    # --fork returns once the bus listens
    dbus-daemon --config-file="$conf" --fork --print-address=3 --print-pid=4 \
        3>"$E2E_WORK/bus.address" 4>"$E2E_WORK/bus.pid" 2>"$E2E_WORK/bus.log" ||
        die "dbus-daemon did not start: $(cat "$E2E_WORK/bus.log")"
    E2E_PIDS+=("$(cat "$E2E_WORK/bus.pid")")
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$E2E_WORK/bus.address")
    export DBUS_SESSION_BUS_ADDRESS
}
start_bus

# ---- X server --------------------------------------------------------------

# start_xvfb: a private X server on a free display; exports DISPLAY.
# XVFB_SCREEN sets the screen's size and depth (1024x768x24 unless set).
start_xvfb() {
    local fdfile="$E2E_WORK/displayfd"
    : >"$fdfile"
    # -noreset: when its last client goes (xdpyinfo below), Xvfb would reset
    # and refuse connections for a moment, just when the program connects.
    Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset \
        3>"$fdfile" >"$E2E_WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    E2E_PIDS+=("$XVFB_PID")
    # the display number arrives on fd 3 once the server listens
    poll_until 10000 grep -q '^[0-9][0-9]*$' "$fdfile" ||
        die "Xvfb wrote no display number (see $E2E_WORK/xvfb.log)"
    DISPLAY=":$(head -n1 "$fdfile")"
    export DISPLAY
    poll_until 10000 xdpyinfo >/dev/null 2>&1 || die "Xvfb on $DISPLAY does not answer"
    echo "# Xvfb pid $XVFB_PID on display $DISPLAY"
}

# ---- bells -----------------------------------------------------------------

# start_bellcount BIN: starts the bell counter and waits until it listens.
start_bellcount() {
    "$1" >"$BELL_LOG" 2>"$E2E_WORK/bellcount.err" &
    E2E_PIDS+=("$!")
    poll_until 5000 grep -q '^ready$' "$BELL_LOG" ||
        die "bell counter did not get ready: $(cat "$E2E_WORK/bellcount.err")"
}

# bell_count: prints how many bells rang since the counter started.
bell_count() {
    grep -c '^[0-9]' "$BELL_LOG"
}

bells_at_least() { [ "$(bell_count)" -ge "$1" ]; }
# bell_ms N, click_ms N: when the Nth bell rang, button was pressed (wall ms)
bell_ms() { grep '^[0-9]' "$BELL_LOG" | sed -n "$1p" | cut -d' ' -f2; }
click_ms() { grep '^click' "$BELL_LOG" | sed -n "$1p" | cut -d' ' -f3; }
# clicked VAR CONTROL: clicks the control, VAR set to click_ms of that click
clicked() {
    local n=$(($(grep -c '^click' "$BELL_LOG") + 1))
    click_on "$2"
    poll_until 3000 test -n "$(click_ms $n)" || die "the X server stamped no click on $2"
    printf -v "$1" %s "$(click_ms $n)"
}

# ---- sound server ----------------------------------------------------------
# A private PulseAudio whose only output is a null sink, "room", and what the
# room hears, recorded: each tone is found by toneonsets.c as it ends.

PULSE_PID=""
RECORD_PIDS=()
TONE_LOG="$E2E_WORK/tones.log"

# start_pulse: starts the sound server and waits until it answers. Its state
# and cookie stay in the work folder; it neither reaches the session's D-Bus
# nor the X server. norewinds: the sink starts a new sound after what it has
# rendered already (at most the recording's 10 ms latency) instead of
# rewinding, which would hand the rewound stretch to the recording again and
# shift every later sample: the recording's samples stay its clock.
start_pulse() {
    env -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS HOME="$E2E_WORK/pulse-config" \
        XDG_CONFIG_HOME="$E2E_WORK/pulse-config" \
        pulseaudio --daemonize=no --exit-idle-time=-1 -n --log-target=stderr \
        --load="module-null-sink sink_name=room norewinds=1" --load=module-native-protocol-unix \
        >>"$E2E_WORK/pulse.log" 2>&1 &
    PULSE_PID=$!
    E2E_PIDS+=("$PULSE_PID")
    poll_until 10000 pactl info >/dev/null 2>&1 || die "the sound server does not answer"
    pactl set-default-sink room || die "cannot make the null sink the default"
    echo "# sound server pid $PULSE_PID"
}

# stop_pulse: ends the sound server (and with it the recording).
stop_pulse() {
    kill -CONT "$PULSE_PID" 2>/dev/null
    stop_pid "$PULSE_PID"
    PULSE_PID=""
    stop_recording
}

# start_recording TONEONSETS: records the room afresh into TONE_LOG. The
# short latency makes parec hand each tone on as it comes (and the null sink
# render no further ahead); CHAIN_MS its own latency (chain_ms).
start_recording() {
    local fifo=$E2E_WORK/room.fifo
    stop_recording
    new_tones
    rm -f "$fifo" && mkfifo "$fifo"
    "$1" <"$fifo" >>"$TONE_LOG" 2>>"$E2E_WORK/toneonsets.err" &
    RECORD_PIDS=("$!")
    parec -d room.monitor --raw --format=s16le --rate=8000 --channels=1 --latency-msec=10 \
        >"$fifo" 2>>"$E2E_WORK/parec.err" &
    RECORD_PIDS+=("$!")
    E2E_PIDS+=("${RECORD_PIDS[@]}")
    poll_until 5000 grep -q '^ready$' "$TONE_LOG" || die "the recording does not start"
    # the server's first sound comes later than any after it
    chain_ms >/dev/null && CHAIN_MS=$(chain_ms) || die "the reference sound is not heard"
    new_tones
    echo "# the recording's latency: $CHAIN_MS ms"
}

# chain_ms: the ms from an X bell rung by name to the onset of the sound the
# sound server plays for it from its cache, as it plays the program's beeps
chain_ms() {
    local n=$(($(tone_count) + 1)) b=$(($(grep -c '^reference' "$BELL_LOG") + 1)) module
    pactl list samples short | grep -q reference ||
        pactl upload-sample /usr/share/sounds/freedesktop/stereo/bell.oga reference
    module=$(pactl load-module module-x11-bell display="$DISPLAY" sample=reference) || return 1
    xkbbell reference && poll_until 3000 tones_at_least $n
    pactl unload-module "$module"
    tones_at_least $n && echo $(($(tone $n 2) - $(grep '^reference' "$BELL_LOG" | sed -n "${b}p" | cut -d' ' -f3)))
}

# new_tones: TONE_LOG empty, what it held kept in the work folder
new_tones() { [ ! -e "$TONE_LOG" ] || cat "$TONE_LOG" >>"$E2E_WORK/tones-before.log"; : >"$TONE_LOG"; }

stop_recording() {
    local pid
    for pid in "${RECORD_PIDS[@]}"; do stop_pid "$pid"; done
    RECORD_PIDS=()
}

# cached NAME: the sound server holds the program's sound NAME ("bell", or
# its own tone), so the program is connected and ready
cached() { pactl list samples short 2>/dev/null | cut -f2 | grep -qx "$1"; }
# tones: the tones recorded so far, "SAMPLE MS LENGTH_MS HZ" a line
tones() { grep '^[0-9]' "$TONE_LOG"; }
tone_count() { tones | wc -l; }
tones_at_least() { [ "$(tone_count)" -ge "$1" ]; }
# tone N FIELD: one field (1 sample, 2 ms, 3 length, 4 Hz) of the Nth tone
tone() { tones | sed -n "$1p" | cut -d' ' -f"$2"; }

# ---- printing --------------------------------------------------------------

# start_cupsd: a cupsd of the test's own (as root, for cups-pdf) in CUPS_DIR,
# beside any of the machine's; CUPS_SERVER its socket.
CUPS_DIR=$E2E_WORK/cups
CUPSD_PID=""
cups_running() { lpstat -r 2>/dev/null | grep -q 'is running'; }

start_cupsd() {
    export CUPS_SERVER=$CUPS_DIR/cups.sock
    mkdir -p "$CUPS_DIR"/{spool,cache,state,tmp}
    # The filters run as lp: they pass through the work folder to the temp one.
    chmod 711 "$E2E_WORK"
    chmod 1777 "$CUPS_DIR/tmp"
    printf '%s\n' "Listen $CUPS_SERVER" "WebInterface No" \
        "<Location />" "Order allow,deny" "Allow all" "</Location>" >"$CUPS_DIR/cupsd.conf"
    printf '%s\n' "ServerRoot $CUPS_DIR" "RequestRoot $CUPS_DIR/spool" "CacheDir $CUPS_DIR/cache" \
        "StateDir $CUPS_DIR/state" "TempDir $CUPS_DIR/tmp" "AccessLog $CUPS_DIR/access_log" \
        "ErrorLog $CUPS_DIR/error_log" "PageLog $CUPS_DIR/page_log" \
        "ServerBin /usr/lib/cups" "DataDir /usr/share/cups" >"$CUPS_DIR/cups-files.conf"
    # -f: in the foreground, so that it is our child and stopped by its pid
    /usr/sbin/cupsd -f -c "$CUPS_DIR/cupsd.conf" -s "$CUPS_DIR/cups-files.conf" \
        >"$CUPS_DIR/cupsd.out" 2>&1 &
    CUPSD_PID=$!
    E2E_PIDS+=("$CUPSD_PID")
    poll_until 10000 cups_running || die "cupsd does not answer (see $CUPS_DIR)"
    echo "# cupsd pid $CUPSD_PID on $CUPS_SERVER"
}

# ---- the program -----------------------------------------------------------

# window_info [TITLE]: xwininfo of the window of that title, the program's
# unless given (status 1 if there is none)
window_info() {
    xwininfo -name "${1:-$APP_TITLE}" 2>/dev/null
}

# window_up [TITLE]: is that window mapped? window_id [TITLE]: its id
window_up() { window_info "$@" | grep -q 'Map State: IsViewable'; }
window_gone() { ! window_up "$@"; }
window_id() { window_info "$@" | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p'; }

# message_comes_and_goes TITLE: a message of that title comes up within 5 s
# (its picture kept in the work folder) and, Qt giving it the keyboard focus,
# goes with Escape
message_comes_and_goes() {
    if poll_until 5000 window_up "$1"; then
        pass "message '$1' shown"
        import -silent -window "$(window_id "$1")" -depth 8 "png:$E2E_WORK/message-${1// /-}.png"
        keys Escape
        poll_until 3000 window_gone "$1"
        check "the message goes with Escape" window_gone "$1"
    else
        fail "no message '$1' within 5 s"
    fi
}

app_up_and_mapped() {
    if ! kill -0 "$APP_PID" 2>/dev/null; then
        wait "$APP_PID"
        die "program exited with status $? during start-up (see $E2E_WORK/app.log)"
    fi
    "${APP_MAPPED:-window_up}"
}

APP_ENV=()
# start_app BIN: starts the program as a user would (plain exec, its working
# folder a fresh temp folder), waits until its window is mapped and sets
# APP_PID and APP_WIN. APP_MAPPED: the command that tells it is shown, where
# it is no X window of its title (on Wayland); APP_WIN is not set then.
start_app() {
    local bin app_dir="$E2E_WORK/cwd"
    bin=$(realpath "$1") || die "no program at $1"
    mkdir -p "$app_dir"
    # APP_ENV: NAME=VALUE settings for the program alone (say, a preload).
    (cd "$app_dir" && exec env "${APP_ENV[@]}" "$bin") >"$E2E_WORK/app.log" 2>&1 &
    APP_PID=$!
    E2E_PIDS+=("$APP_PID")
    poll_until 15000 app_up_and_mapped || die "no mapped window titled '$APP_TITLE' within 15 s"
    [ -z "${APP_MAPPED:-}" ] || { echo "# program pid $APP_PID" && return; }
    APP_WIN=$(window_id)
    [ -n "$APP_WIN" ] || die "cannot read the window id"
    echo "# program pid $APP_PID, window $APP_WIN"
}

# window_size: prints "WIDTHxHEIGHT" of the program's window
window_size() {
    window_info | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h}'
}

size_is() { [ "$(window_size)" = "$1" ]; }

# expect_size SIZE WHAT: the window comes to SIZE ("WIDTHxHEIGHT") within 2 s
expect_size() {
    poll_until 2000 size_is "$1"
    check "$2: size $1, measured $(window_size)" size_is "$1"
}

# app_running: is the program still there?
app_running() { kill -0 "$APP_PID" 2>/dev/null; }

# app_exited: not running any more
app_exited() { ! app_running; }

# ---- input -----------------------------------------------------------------

# click X Y: left click at a point of the screen (= the window's own
# coordinates, as there is no window manager). No --sync: the server handles
# the move before the button anyway, and --sync stalls for seconds when the
# pointer is already there.
click() {
    xdotool mousemove "$1" "$2" click 1
}

# keys KEY...: presses and lets go of each key in turn (xdotool's key names:
# Tab, shift+Tab, Return, KP_Enter, space, Right...), sent to the window that
# has the keyboard focus.
keys() {
    xdotool key --delay 40 "$@"
}

# ---- the window's layout ---------------------------------------------------

# layout.sh, written by the build beside the program (APP_BIN) from its layout
# and colour tables: NAME=(left top width height) for each control, COMPACT
# and EXPANDED as WIDTHxHEIGHT, NAME=(red green blue) for each colour.
E2E_LAYOUT=${E2E_LAYOUT:-${APP_BIN:+$(dirname "$APP_BIN")/layout.sh}}
if [ -n "$E2E_LAYOUT" ]; then
    [ -r "$E2E_LAYOUT" ] || die "no $E2E_LAYOUT: the build writes it beside the program"
    # shellcheck source=/dev/null
    . "$E2E_LAYOUT"
    # Points of bare window background, clear of every control: halfway
    # between the stop-sign panel and the window's right edge, above Start;
    # in the expanded window, below the team name's box and Print Results at
    # the left, and below the question column at the right.
    BG_POINTS=("$(((Picture5[0] + Picture5[2] + ${COMPACT%x*}) / 2)) $((start[1] / 2))"
        "$((txtTeamName[0] / 2)) $(((cmdPrint[1] + cmdPrint[3] + ${EXPANDED#*x}) / 2))"
        "$(((question_12[0] + question_12[2] + ${EXPANDED%x*}) / 2))\
 $(((question_12[1] + question_12[3] + ${EXPANDED#*x}) / 2))")
fi

# region NAME CONTROL [INSET]: sets the array NAME to "x0 y0 x1 y1", the
# corners (included) of CONTROL's rectangle, INSET pixels in from each edge;
# at the scale factor Qt is given, whose window is that many times the size.
region() {
    local -n out_=$1 r_=$2
    local s=${QT_SCALE_FACTOR:-1} i=${3:-0}
    # shellcheck disable=SC2034  # a nameref: the caller's array
    out_=($((s * r_[0] + i)) $((s * r_[1] + i))
        $((s * (r_[0] + r_[2]) - 1 - i)) $((s * (r_[1] + r_[3]) - 1 - i)))
}

# centre_of CONTROL: "X Y" of the middle of a control, where a user clicks
centre_of() { local -n r_=$1; local s=${QT_SCALE_FACTOR:-1}; echo $((s * (r_[0] + r_[2] / 2))) $((s * (r_[1] + r_[3] / 2))); }

# click_on CONTROL: clicks the middle of a control
click_on() {
    local xy
    read -ra xy <<<"$(centre_of "$1")"
    click "${xy[@]}"
}

# readout_sum: a checksum of the clock readout's pixels, inside its edges;
# it changes when the readout does
readout_sum() {
    local r
    region r Label9 2
    import -silent -window "$APP_WIN" -crop "$(geometry "${r[@]}")" -depth 8 ppm:- | md5sum | cut -c1-32
}

# watch_readout T0 MS [STEP]: for MS ms after T0, notes in READOUT_CHANGES
# when (ms after T0) the readout changed; STEP, if given, is called with the
# ms elapsed on every pass, to act at set times meanwhile
watch_readout() {
    local t0=$1 ms=$2 step=${3:-} previous sum elapsed
    READOUT_CHANGES=()
    previous=$(readout_sum)
    while elapsed=$(($(now_ms) - t0)) && [ "$elapsed" -lt "$ms" ]; do
        [ -z "$step" ] || "$step" "$elapsed"
        sum=$(readout_sum)
        if [ "$sum" != "$previous" ]; then
            READOUT_CHANGES+=($(($(now_ms) - t0)))
            previous=$sum
        fi
    done
}

# seconds_on_time N: the k-th change of READOUT_CHANGES not before k s (a
# slow screenshot sees one late, never early), and one at second N or later
seconds_on_time() {
    local k at=0
    for ((k = 1; k <= ${#READOUT_CHANGES[@]}; k++)); do
        at=${READOUT_CHANGES[k - 1]}
        check "change $k of the readout at $at ms, not before second $k" test "$at" -ge $((1000 * k))
    done
    check "the clock still went at second $1 (the last change at $at ms)" test "$at" -ge $((1000 * $1))
}

# click_arrow N: clicks the right arrow of question N's slider, a square as
# high as the slider at its right end
click_arrow() { local -n r_=setminute_$1; click $((r_[0] + r_[2] - 1 - r_[3] / 2)) $((r_[1] + r_[3] / 2)); }

# ---- screenshots and pixels ------------------------------------------------

# readouts_in_step MS WHAT MINE ROOM: for MS ms, the window's readout and the
# room's view's (rectangles of the X screen as WxH+X+Y), taken in one
# screenshot of the whole X screen, change together: each text of the one
# goes with one text of the other. One screenshot may fall between the two
# repaints of a pass; a pairing seen again 60 ms later is not such a one. Two
# readouts at least: the clock runs (waited for up to 10 s more on a loaded machine).
readouts_in_step() {
    local end=$(($(now_ms) + $1)) shot=$E2E_WORK/both.ppm m n attempt
    local -A room_of=() window_of=()
    while [ "$(now_ms)" -lt "$end" ] || { [ ${#room_of[@]} -lt 2 ] && [ "$(now_ms)" -lt $((end + 10000)) ]; }; do
        for attempt in 1 2; do
            import -silent -window root -depth 8 "ppm:$shot"
            m=$(convert "$shot" -crop "$3" ppm:- | md5sum | cut -c1-32)
            n=$(convert "$shot" -crop "$4" ppm:- | md5sum | cut -c1-32)
            [ "${room_of[$m]:-$n}" = "$n" ] && [ "${window_of[$n]:-$m}" = "$m" ] && break
            sleep 0.06
        done
        [ "${room_of[$m]:-$n}" = "$n" ] && [ "${window_of[$n]:-$m}" = "$m" ] ||
            { fail "$2: the room's readout is not the window's"; return; }
        room_of[$m]=$n window_of[$n]=$m
    done
    expect_ge "$2: readouts seen, each the same in both" ${#room_of[@]} 2
}

# shot FILE: screenshot of the program's window (PNG or PPM by the file's
# name). -silent keeps import from ringing the bell.
shot() {
    local fmt=png
    case $1 in *.ppm) fmt=ppm ;; esac
    import -silent -window "$APP_WIN" -depth 8 "$fmt:$1"
}

# shot_until TIMEOUT_MS FILE COMMAND...: takes screenshots into FILE until
# COMMAND succeeds on one (status 0) or the time is up (status 1); FILE
# holds the last screenshot either way.
shot_until() {
    local ms=$1
    shift
    poll_until "$ms" shot_then "$@"
}
shot_then() {
    local file=$1
    shift
    shot "$file" && "$@"
}

# samples FILE X0 Y0 X1 Y1: the pixels of a rectangle (corners included),
# one 8-bit sample per line: r, g, b of the first pixel, then the next...
samples() {
    local w=$(($4 - $2 + 1)) h=$(($5 - $3 + 1))
    convert "$1" -crop "${w}x${h}+$2+$3" +repage -depth 8 -compress none ppm:- |
        tr -s ' ' '\n' | tail -n +5     # drop the header: P3, width, height, 255
}

# pixel FILE X Y (or FILE "X Y"): prints "r g b" of one pixel
pixel() {
    local -a xy_
    read -ra xy_ <<<"${*:2}"
    samples "$1" "${xy_[0]}" "${xy_[1]}" "${xy_[0]}" "${xy_[1]}" | paste -sd ' '
}

# count_colour FILE X0 Y0 X1 Y1 R G B TOL: how many pixels of the rectangle
# (corners included) are within TOL of colour R,G,B in every channel
count_colour() {
    samples "$1" "$2" "$3" "$4" "$5" | awk -v r="$6" -v g="$7" -v b="$8" -v tol="$9" '
        function near(v, want) { return v >= want - tol && v <= want + tol }
        { s[NR % 3] = $1 }
        NR % 3 == 0 && near(s[1], r) && near(s[2], g) && near(s[0], b) { hits++ }
        END { print hits + 0 }'
}

# geometry X0 Y0 X1 Y1: a rectangle (corners included) as ImageMagick's WxH+X+Y
geometry() { echo "$(($3 - $1 + 1))x$(($4 - $2 + 1))+$1+$2"; }

# rgb COLOUR: a colour (an array's name) as ImageMagick's rgb(R,G,B)
rgb() { local -n c_=$1; echo "rgb(${c_[0]},${c_[1]},${c_[2]})"; }

# area X0 Y0 X1 Y1: how many pixels a rectangle holds (corners included)
area() { echo $((($3 - $1 + 1) * ($4 - $2 + 1))); }

# count FILE REGION COLOUR TOL: count_colour, the region and the colour given
# by their arrays' names
count() { local -n r_=$2 c_=$3; count_colour "$1" "${r_[@]}" "${c_[@]}" "$4"; }

# frames_painted FILE: the question column is drawn (its last frame blue)
# shellcheck disable=SC2034  # q_ goes to count by name
frames_painted() { local -a q_; region q_ question_12; [ "$(count "$1" q_ QUESTION_BACKGROUND 8)" -ge 50 ]; }

# near "A B..." A B... TOL: is each value within TOL of its counterpart? (the
# channels of a colour, "R G B" R G B TOL; the width and height of a size)
near() {
    local have want=("${@:2:$# - 2}") tol=${*: -1} i d
    read -ra have <<<"$1"
    [ ${#have[@]} -eq ${#want[@]} ] || return 1
    for i in "${!want[@]}"; do
        d=$((have[i] - want[i]))
        [ "${d#-}" -le "$tol" ] || return 1
    done
}

# background_is FILE COLOUR: the colour (an array's name) at every point of
# bare background (BG_POINTS, or as many of them as given after it)
background_is() {
    local -n c_=$2
    local point
    for point in "${BG_POINTS[@]:0:${3:-${#BG_POINTS[@]}}}"; do
        near "$(pixel "$1" "$point")" "${c_[@]}" 8 || return 1
    done
}

# differing_pixels FILE1 FILE2 X0 Y0 X1 Y1: how many pixels of the rectangle
# differ between two screenshots
differing_pixels() {
    paste -d ' ' <(samples "$1" "$3" "$4" "$5" "$6") <(samples "$2" "$3" "$4" "$5" "$6") |
        awk '{ d = d || ($1 != $2) }
             NR % 3 == 0 { diffs += d; d = 0 }
             END { print diffs + 0 }'
}

# room_rows N: the room's view shows N blue panels (wider than high, unlike a
# 6's hole), each a fourteenth of its height or more below the one before
room_rows() {
    local shot=$E2E_WORK/room-rows.png
    import -silent -window "$(window_id "$ROOM_TITLE")" -depth 8 "png:$shot" &&
        convert "$shot" -fill black +opaque 'rgb(0,0,255)' -fill white -opaque 'rgb(0,0,255)' \
            -define connected-components:verbose=true -define connected-components:area-threshold=400 \
            -connected-components 4 null: |
        awk '$NF == "srgb(255,255,255)" {split($2, g, /[x+]/); if (g[1] > g[2]) print g[4]}' | sort -n |
            awk -v n="$1" -v pitch=$(($(window_info "$ROOM_TITLE" | awk '/Height:/ {print $2}') / 14)) \
                'NR > 1 && $1 - top < pitch {bad = 1} {top = $1} END {exit bad || NR != n}'
}

# file_teams N: N teams filed (Ctrl+N), team n with question n in minute 1
file_teams() {
    click_on cmdExpand
    for ((n = 1; n <= $1; n++)); do click_arrow "$n" && keys ctrl+n; done
    click_on cmdExpand
}
