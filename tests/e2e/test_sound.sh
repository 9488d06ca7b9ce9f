#!/bin/bash
# End-to-end test of the beep as the room hears it: the real program under a
# private Xvfb, a private PulseAudio with a null sink whose output is
# recorded, and the tones found in the recording as they come.
#   1. Start and Stop/Reset: two tones of the theme's bell, one after each
#      click, well within 150 ms of it (the recording's own latency taken
#      off; the precise figure is bench/timing.sh's); the program is named in
#      the sound server. The server stopped mid-period: the beep that cannot
#      be played rings the X bell instead, at once, and once the server runs
#      again the beeps are heard again.
#   2. The sound theme hidden: the program's own tone instead.
#   3. No sound server: the program's own tone through the sound card (ALSA's
#      file plugin over the null device, recorded), each soon after its
#      click; with no card either, the X bell as soon and nothing hangs;
#      a server that starts later is connected to by itself and heard.
#
# usage: test_sound.sh PROGRAM BELLCOUNT TONEONSETS
# shellcheck disable=SC2154,SC2317  # clicked sets its variable; predicates go through poll_until
set -u
[ $# -eq 3 ] || { echo "usage: $0 PROGRAM BELLCOUNT TONEONSETS" >&2; exit 2; }
APP_BIN=$1
BELLCOUNT_BIN=$2
TONEONSETS_BIN=$3
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

OWN_HZ=880                              # the program's own tone (tools/beeptone)

for tool in pulseaudio pactl parec; do
    command -v "$tool" >/dev/null || die "$tool is not installed (pulseaudio, pulseaudio-utils)"
done

is_own_tone() { [ "$1" -ge $((OWN_HZ - 20)) ] && [ "$1" -le $((OWN_HZ + 20)) ]; }
isnt_own_tone() { ! is_own_tone "$1"; }

# soon FROM TO WHAT: TO follows FROM by at most 150 ms beside the recording's
# latency (CHAIN_MS): a beep given up after 200 ms, or waited for, is later
soon() {
    local delay=$(($2 - $1))
    check "$3 $delay ms after its click, $CHAIN_MS ms of them the recording's (at most 150 more)" \
        test "$delay" -ge 0 -a $((delay - CHAIN_MS)) -le 150
}

heard() {
    poll_until 3000 tones_at_least "$1" || { fail "no tone after $3"; return 1; }
    soon "$2" "$(tone "$1" 2)" "tone $1 for $3:"
}

# quit_app: QUIT, and the program ends cleanly
quit_app() {
    click_on end
    if poll_until 3000 app_exited; then
        wait "$APP_PID"
        expect_eq "exit status after QUIT" $? 0
    else
        fail "program still running 3 s after QUIT"
    fi
}


# libcanberra keeps where it found each sound in a cache of its own: the
# program's is private to each part of the test, so that no part finds the
# sounds of another.
app_env() { APP_ENV=("XDG_CACHE_HOME=$E2E_WORK/cache-$1" "${@:2}"); }

start_xvfb
start_bellcount "$BELLCOUNT_BIN"
start_pulse
start_recording "$TONEONSETS_BIN"

# ---- 1: the theme's bell, through the sound server ---------------------------

echo "# Start and Stop/Reset, heard"
app_env theme
start_app "$APP_BIN"
poll_until 5000 cached bell || fail "the program is not ready at the sound server within 5 s"
# At once: the first beep is as prompt as any later one.
clicked t1 start
heard 1 "$t1" Start
sleep_until_ms $((t1 + 1300))
clicked t2 start
heard 2 "$t2" Stop/Reset
sleep 0.4                                   # room for a wrong third tone
expect_eq "tones for Start and Stop/Reset" "$(tone_count)" 2
check "the theme's bell, not the program's own tone ($(tone 1 4) Hz)" isnt_own_tone "$(tone 1 4)"
expect_eq "X bells (the beeps went to the sound server)" "$(bell_count)" 0
clients=$(pactl list clients)
for prop in 'application.name = "Vornaxi Timer"' \
    'application.id = "io.github.vornaxi.VornaxiTimer"' \
    'application.icon_name = "io.github.vornaxi.VornaxiTimer"'; do
    check "the sound server knows the program by $prop" grep -qF "$prop" <<<"$clients"
done
# not "event": mixers put those under one "system sounds" volume
check 'the beep is an alarm to the sound server' \
    grep -qF 'media.role = "alarm"' <<<"$(pactl list samples)"

echo "# the sound server stopped mid-period"
clicked t3 start
heard 3 "$t3" Start
kill -STOP "$PULSE_PID"
# stopped for certain (state T) before the click, however loaded the machine
poll_until 2000 grep -q '^State:[[:space:]]*T' "/proc/$PULSE_PID/status" || die "the sound server did not stop"
sleep 1.5
bells_then=$(bell_count)
clicked t4 start
# The give-up's 200 ms, then the bell, rung from the window's thread: one that
# waited for the server would ring it after the server continues, 3 s on.
poll_until 3000 bells_at_least $((bells_then + 1))
delay=$(($(bell_ms $((bells_then + 1))) - t4))
check "the X bell for the beep the stopped server could not play, $delay ms after its click" \
    test "$delay" -ge 100 -a "$delay" -le 1500
sleep_until_ms $((t4 + 3000))
kill -CONT "$PULSE_PID"
check "the clock stopped by it" test "$(readout_sum)" = "$(sleep 1.2 && readout_sum)"
sleep 0.5
expect_eq "tones while the server was stopped or late from it" "$(tone_count)" 3
clicked t5 start
heard 4 "$t5" "Start with the server running again"
clicked t6 start
heard 5 "$t6" Stop/Reset
quit_app

# ---- 2: the theme hidden: the program's own tone ------------------------------

echo "# no sound theme"
mkdir -p "$E2E_WORK/no-theme"
app_env no-theme "XDG_DATA_DIRS=$E2E_WORK/no-theme" "XDG_DATA_HOME=$E2E_WORK/no-theme"
start_recording "$TONEONSETS_BIN"
start_app "$APP_BIN"
poll_until 5000 cached io.github.vornaxi.VornaxiTimer.beep
clicked t1 start
heard 1 "$t1" Start
sleep_until_ms $((t1 + 1300))
clicked t2 start
heard 2 "$t2" Stop/Reset
sleep 0.4
expect_eq "tones for Start and Stop/Reset" "$(tone_count)" 2
check "the program's own tone ($(tone 1 4) Hz, $(tone 1 3) ms)" is_own_tone "$(tone 1 4)"
check "the program's own tone again ($(tone 2 4) Hz)" is_own_tone "$(tone 2 4)"
quit_app

# ---- 3: no sound server: the sound card, else the X bell ----------------------

echo "# no sound server: the sound card"
stop_pulse
# ALSA's default device for the program alone: the file plugin over the null
# device hands what is played, at 8 kHz, to the tone finder through a FIFO
# that a writer of the test's own keeps open between the program's beeps.
mkfifo "$E2E_WORK/card.fifo"
cat >"$E2E_WORK/card.conf" <<EOF
pcm.!default { type plug; slave { pcm { type file; slave.pcm { type null }
    file "$E2E_WORK/card.fifo"; format raw } rate 8000; channels 1; format S16_LE } }
EOF
new_tones
CHAIN_MS=0                                  # the card's writes reach the finder at once
"$TONEONSETS_BIN" <"$E2E_WORK/card.fifo" >>"$TONE_LOG" 2>>"$E2E_WORK/toneonsets.err" &
E2E_PIDS+=("$!")
exec 3<>"$E2E_WORK/card.fifo"
bells_then=$(bell_count)
app_env card "ALSA_CONFIG_PATH=$E2E_WORK/card.conf"
start_app "$APP_BIN"
clicked t1 start
heard 1 "$t1" "Start, through the card"
sleep_until_ms $((t1 + 1300))
clicked t2 start
heard 2 "$t2" "Stop/Reset, through the card"
sleep 0.4
expect_eq "tones for Start and Stop/Reset" "$(tone_count)" 2
check "the program's own tone ($(tone 1 4) Hz)" is_own_tone "$(tone 1 4)"
expect_eq "X bells (the beeps went to the card)" "$(bell_count)" "$bells_then"
quit_app
exec 3>&-

echo "# no sound server, no sound card"
app_env no-server
start_app "$APP_BIN"
clicked t1 start
poll_until 2000 bells_at_least $((bells_then + 1))
soon "$t1" "$(bell_ms $((bells_then + 1)))" "the X bell for Start:"
sleep 0.4
expect_eq "X bells for Start" "$(bell_count)" $((bells_then + 1))
before=$(readout_sum)
sleep 1.2
check "the clock runs" test "$(readout_sum)" != "$before"

echo "# a sound server starts"
start_pulse
start_recording "$TONEONSETS_BIN"
poll_until 10000 cached bell || fail "the program did not connect by itself within 10 s"
clicked t1 start
heard 1 "$t1" "Stop/Reset with a server started since"
sleep 0.4
expect_eq "tones" "$(tone_count)" 1
expect_eq "no X bell for it" "$(bell_count)" $((bells_then + 1))
quit_app

finish
