#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A whole evening: its file's size with 200 teams, one more team filed
# against one repaint of the expanded window (offscreen), the program's
# start-up with those teams in its file against none, a period's bells while
# a team is renamed, and the file after SIGKILLs at random moments during
# filings; how each figure is taken: bench/notes.md. Writes bench/results/evening.md.
# usage: evening.sh BUILD_DIR   (bench/run.sh evening; one length)
# shellcheck disable=SC2317,SC2154  # predicates are called through poll_until; layout.sh
set -u
# shellcheck source=bench/lib.sh
. "$(dirname "$0")/lib.sh"
LAUNCHES=15 KILLS=1000 ROUNDS=200 FILED=$E2E_WORK/evening200.json
"$B/eveningbench" "$FILED" >>"$OUT" || die "no evening written"
QT_QPA_PLATFORM=offscreen "$B/windowbench" evening "$FILED" "$ROUNDS" >>"$OUT" 2>"$E2E_WORK/filing.err" ||
    die "the filings failed (see $E2E_WORK/filing.err)"

start_xvfb
start_bellcount "$B/bellstamp" # also keeps the server from resetting between launches

# ---- start-up: 200 teams in the evening's file and none, in turns ----------------
mkdir -p "$E2E_WORK/none" "$E2E_WORK/filed/Vornaxi Timer" && cp "$FILED" "$E2E_WORK/filed/Vornaxi Timer"/evening.json
launch_each() {
    XDG_DATA_HOME=$E2E_WORK/filed xwatch_as filed launch "$APP_TITLE" - 0 500 "$APP_BIN"
    XDG_DATA_HOME=$E2E_WORK/none xwatch_as none launch "$APP_TITLE" - 0 500 "$APP_BIN"
}
in_turns "$LAUNCHES" launch_each
cmp -s "$FILED" "$E2E_WORK/filed/Vornaxi Timer/evening.json" || fail "the program did not keep the file as it was"

# ---- a period during which a team is renamed ten times in the standings window,
# four of the names given 50 ms before a minute's bell --------------------------
RENAMED="$E2E_WORK/renamed/Vornaxi Timer/evening.json"
mkdir -p "$(dirname "$RENAMED")" && cp "$FILED" "$RENAMED"
APP_ENV=("XDG_DATA_HOME=$E2E_WORK/renamed") && start_app "$APP_BIN" >/dev/null && APP_ENV=()
start_period
started=$(bell_ms $((PERIOD_BELLS + 1)))
keys ctrl+e && poll_until 5000 window_up Standings || die "no standings window"
keys Down Right # the second team's name
for at in 30000 59950 90000 119950 150000 179950 200000 210000 220000 239950; do
    sleep_until_ms $((started + at - 1500)) && keys F2 ctrl+a && xdotool type --delay 20 "Renamed $at"
    sleep_until_ms $((started + at)) && keys Return
done
end_period renamed
put renamed_last "$(grep -c '"Renamed 239950"' "$RENAMED")"
stop_pid "$APP_PID"

# ---- SIGKILL at a random moment while team after team is filed as
# tests/e2e/test_evening.sh files: a slider's arrow clicked, then Ctrl+N ----------
DIR="$XDG_DATA_HOME/Vornaxi Timer"
# teams: how many teams the evening's file holds; fails where it is not whole JSON
teams() { /usr/bin/python3 -c 'import json, sys; print(len(json.load(open(sys.argv[1]))["teams"]))' "$DIR/evening.json" 2>/dev/null; }
mkdir -p "$DIR" && cp "$FILED" "$DIR/evening.json" && before=200
for ((k = 1; k <= KILLS; k++)); do
    start_app "$APP_BIN" >/dev/null && click_on cmdExpand && rm -f "$E2E_WORK/filing"
    (while :; do click_arrow $((RANDOM % 12 + 1)) && keys ctrl+n && : >"$E2E_WORK/filing"; done) &
    poll_until 10000 test -e "$E2E_WORK/filing" && sleep "0.$(printf %03d $((RANDOM % 500)))"
    kill -KILL "$APP_PID" "$!" && wait "$APP_PID" "$!" 2>/dev/null
    unset 'E2E_PIDS[-1]'
    if after=$(teams); then put kill_filed $((after - before)); else
        put kill_unreadable "$k" && cp "$DIR/evening.json" "$E2E_WORK/unreadable$k.json" && fail "kill $k left a file that is not whole JSON"
    fi
    # Back to 200 teams well before the evening is full (500), and after an unreadable file.
    [ "${after:-500}" -lt 450 ] || { cp "$FILED" "$DIR/evening.json" && after=200; }
    before=$after
done
put kill_set_aside "$(find "$DIR" -name 'evening-unusable*' | wc -l)"

# ---- the table -----------------------------------------------------------------------
kb() { awk -v b="$(get "$1")" 'BEGIN { printf "%.1f KB", b / 1024 }'; }
row "The evening's file with 200 teams (bench/eveningbench)" \
    "$(kb file_bytes) with typical names; $(kb file_bytes_longest_names) with the longest names (100 characters); $(kb file_bytes_longest_names_not_ascii) with the longest in three-byte characters" \
    "at most 100 KB, the longest names included" "(no floor)" "" "$(yes_if test "$(get file_bytes_longest_names_not_ascii)" -le 102400)"
filing=$(med filing_us) repaint=$(med repaint_us)
row "Filing one more team with $(get teams) filed: Ctrl+N's work on the window's thread, the standings window open, the write handed to its thread (offscreen, median of $ROUNDS, in turns with the repaint)" \
    "$filing us (95 %: $(all filing_us | pct 95) us)" "at most 1x one whole repaint of the expanded window" \
    "$repaint us (95 %: $(all repaint_us | pct 95) us)" "$(ratio "$filing" "$repaint")" "$(yes_if within "$filing" "$repaint" 1)"
with=$(med filed_startup_us) without=$(med none_startup_us)
row "Start-up, exec to window mapped, with the 200 teams' file (median of $(all filed_startup_us | entries), in turns with none)" \
    "$(plain_ms "$with"), RSS $(med filed_rss_kb) kB" "at most 1.05x the start-up with no file" \
    "$(plain_ms "$without"), RSS $(med none_rss_kb) kB" "$(ratio "$with" "$without")" "$(yes_if within "$with" "$without" 1.05)"
bells "$(get renamed_bells)"
met=no && [ "$N" -eq 5 ] && [ "$(abs "$LATE")" -le 5 ] && [ "$(get renamed_last)" = 1 ] && met=yes
row "The bells of a period during which a team is renamed ten times in the standings window, four of the names given 50 ms before a minute's bell (X bells, stamped by the X server)" \
    "$BELLS; the last name $([ "$(get renamed_last)" = 1 ] && echo in || echo not in) the file" \
    "5 bells, each within 5 ms of its minute" "(no floor)" "" "$met"
unreadable=$(all kill_unreadable | entries)
met=no && [ "$unreadable" -eq 0 ] && [ "$(get kill_set_aside)" -eq 0 ] && met=yes
row "$KILLS SIGKILLs at random moments (0 to 0.5 s after the first Ctrl+N) while Ctrl+N files team after team, from 200 teams, the program started again on its file each time" \
    "$unreadable files not whole JSON after a kill; $(get kill_set_aside) set aside as unusable by the program at its next start; $(all kill_filed | tr , '\n' | awk '{ s += $1 } END { print s + 0 }') filings reached the file" \
    "0 unreadable files" "(no floor)" "" "$met"
write_results "A whole evening: its file"
