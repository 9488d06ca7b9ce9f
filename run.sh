#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts the program.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
install_packages "${BUILD_PACKAGES[@]}"
build -DBUILD_TESTING=OFF   # the program alone: no test tools needed
exec build/vornaxi-timer
