#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: unit, widget and
# end-to-end (the real binary under a private Xvfb, a real CUPS queue).
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

echo "== format"
find src tests $(test -d bench && echo bench) \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror

echo "== build"
build

echo "== tests"
ctest --test-dir build --output-on-failure
