# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What the benchmark scripts share beside tests/e2e/lib.sh: their figures
# as key=value lines in OUT, and a process's CPU and memory.

# put KEY VALUE: one figure for bench/run.sh
put() { echo "$1=$2" >>"$OUT"; }
# cpu_ns PID: the run time of all the process's threads (schedstat, ns)
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { print s }'; }
# rss_kb PID: its resident memory (smaps_rollup, kB)
rss_kb() { sed -n 's/^Rss:\s*//p' /proc/"$1"/smaps_rollup | cut -d' ' -f1; }
