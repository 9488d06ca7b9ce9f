#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
install_packages "${BUILD_PACKAGES[@]}"
# The program alone (no test tools needed); test.sh may have left warnings as
# errors in the shared build folder's cache, which a user's build does without.
build -DBUILD_TESTING=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=OFF
exec build/vornaxi-timer
