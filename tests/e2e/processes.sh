# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# processes.sh - finding and stopping the processes a test run started;
# shared by lib.sh (each test) and test.sh (the whole suite).
#
# A run exports a mark, NAME=VALUE, that every process it starts inherits:
# also one that forks itself away from its parent (cupsd, dbus-daemon) or
# that a bus starts on demand (the accessibility bus), which no list of
# child processes would show.

# marked_pids NAME=VALUE: the running processes whose environment holds
# NAME=VALUE, one pid a line. A shell's own environment is the one it was
# started with, so the shell that exported the mark is not among them.
marked_pids() {
    local file pid
    for file in $(grep -lzx -- "$1" /proc/[0-9]*/environ 2>/dev/null); do
        pid=${file#/proc/}
        pid=${pid%/environ}
        # grep itself carried the mark too, and has ended by now
        [ "$pid" != "$$" ] && alive "$pid" && echo "$pid"
    done
}

# alive PID: running; a process that has ended but is not yet reaped by
# its parent (not always us: a daemon's parent is init) counts as gone
alive() {
    kill -0 "$1" 2>/dev/null && ! grep -q '^State:[[:space:]]*[ZX]' "/proc/$1/status" 2>/dev/null
}

# no_marked NAME=VALUE: status 0 when no process holds the mark
no_marked() { [ -z "$(marked_pids "$1")" ]; }

# command_of PID: its command line, for a report
command_of() { tr '\0' ' ' <"/proc/$1/cmdline" 2>/dev/null; }

# stop_pid PID: ends one of our processes (if still there) and reaps it.
stop_pid() {
    local pid=$1
    if alive "$pid"; then
        kill -TERM "$pid" 2>/dev/null
        local _
        for _ in $(seq 100); do
            alive "$pid" || break
            sleep 0.02
        done
        alive "$pid" && kill -KILL "$pid" 2>/dev/null
    fi
    wait "$pid" 2>/dev/null || :
}
