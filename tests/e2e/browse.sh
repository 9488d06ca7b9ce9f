# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# browse COMMAND ARG...: one command to the browser bridge (browser/bridge.js),
# whose input is on fd 3 and whose answers come on fd 4, a line each; the
# answer in ANSWER, status 0 on ok. For test_phones.sh and bench/web.sh.
browse() {
    local IFS=$'\t' status
    echo "$*" >&3
    IFS=$'\t' read -r status ANSWER <&4
    [ "$status" = ok ] || { echo "# $1: $ANSWER"; return 1; }
}
