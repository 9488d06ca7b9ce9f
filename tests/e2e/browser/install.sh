#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The browser bridge and the puppeteer-core of package-lock.json, from the
# registry, into DIR (a build tree's, never the source tree), unless the same
# lock is installed there already.
# usage: install.sh DIR
set -u
[ $# -eq 1 ] || { echo "usage: $0 DIR" >&2; exit 2; }
mkdir -p "$1" && cp "$(dirname "$0")"/{bridge.js,package.json,package-lock.json} "$1"/ || exit 1
cmp -s "$1/package-lock.json" "$1/node_modules/installed-lock.json" ||
    (cd "$1" && npm ci --no-audit --no-fund --loglevel=error &&
        cp package-lock.json node_modules/installed-lock.json)
