#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the build into a scratch folder (as packaging does, with DESTDIR
# and prefix /usr) and checks what landed: exactly the expected files, the
# desktop entry and the metainfo pass their validators and agree with each
# other and with the program, and the icons drawn at build time have their
# sizes and the icon's colours.
#
# usage: test_install.sh SOURCE_DIR BUILD_DIR APP_ID VERSION
set -u
[ $# -eq 4 ] || { echo "usage: $0 SOURCE_DIR BUILD_DIR APP_ID VERSION" >&2; exit 2; }
SOURCE_DIR=$1 BUILD_DIR=$2 APP_ID=$3 VERSION=$4
# lib.sh for the reporting and a work folder that is kept when a check fails
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/../e2e/lib.sh"
# shellcheck source=tests/install/checks.sh
. "$(dirname "$0")/checks.sh"

STAGE=$E2E_WORK/stage
ROOT=$STAGE/usr
DESTDIR=$STAGE cmake --install "$BUILD_DIR" --prefix /usr >"$E2E_WORK/install.log" 2>&1 ||
    die "cmake --install failed (see $E2E_WORK/install.log)"

# Exactly these files: a missing one is a broken install, an extra one (a
# build tool, a test helper) does not belong on users' systems.
expected=$(installed_files "$APP_ID" | sort)
actual=$(cd "$ROOT" && find . -type f -o -type l | sed 's|^\./||' | sort)
if [ "$expected" = "$actual" ]; then
    pass "installed exactly the $(echo "$actual" | wc -l) expected files"
else
    fail "installed files differ from the expected ones:"
    diff <(echo "$expected") <(echo "$actual") | sed 's/^/    /'
fi

check_installed_tree "$ROOT" "$APP_ID" "$VERSION" "$SOURCE_DIR"
finish
