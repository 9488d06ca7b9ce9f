#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: unit, widget and
# end-to-end (the real binary under a private Xvfb, a real CUPS queue), then
# the static checks, then the whole suite again built with AddressSanitizer
# (leaks included) and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

echo "== format"
find src tests tools $(test -d bench && echo bench) \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror

echo "== build"
build -DBUILD_TESTING=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON

echo "== tests"
ctest --test-dir build --output-on-failure

echo "== static checks"
tools/static-checks.sh build

echo "== tests with sanitizers"
cmake -S . -B build-asan -G Ninja -DVORNAXI_SANITIZE=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build-asan
# Suppressions cover the platform's own libraries only; see the file.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure
