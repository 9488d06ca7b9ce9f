#!/bin/bash
# End-to-end test of the evening's file: two teams filed with Ctrl+N are kept
# when the program is killed, in a file that is whole JSON, and are in the
# standings when it starts again.
#
# usage: test_evening.sh PROGRAM
# shellcheck disable=SC2034,SC2154,SC2317
set -u
[ $# -eq 1 ] || { echo "usage: $0 PROGRAM" >&2; exit 2; }
APP_BIN=$1
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

FILE="$XDG_DATA_HOME/Vornaxi Timer/evening.json"
# filed_names: the filed teams' names, one a line; fails for a file that is
# not whole JSON
filed_names() {
    /usr/bin/python3 -c 'import json, sys
for team in json.load(open(sys.argv[1]))["teams"]: print(team["name"] or "-")' "$FILE" 2>/dev/null
}
filed_are() { [ "$(filed_names | paste -sd,)" = "$1" ]; }

start_xvfb
start_app "$APP_BIN"
click_on cmdExpand
expect_size "$EXPANDED" "expanded window"

echo "# two teams filed"
click_arrow 1
click_on cmdEnter
keys O w l s ctrl+n
poll_until 5000 filed_are "Owls"
check "the first team is in the file" filed_are "Owls"
click_arrow 2
click_arrow 2
keys ctrl+n
poll_until 5000 filed_are "Owls,-"
check "both teams are in the file" filed_are "Owls,-"

echo "# killed, and started again"
kill -KILL "$APP_PID"
wait "$APP_PID" 2>/dev/null
check "the file is whole JSON with both teams" filed_are "Owls,-"
start_app "$APP_BIN"
keys ctrl+e
poll_until 5000 window_up Standings
check "the standings window opens" window_up Standings
check "the file is as it was" filed_are "Owls,-"
finish
