#!/usr/bin/env bash
# clang-tidy (.clang-tidy) and cppcheck over the program's own code; any
# finding fails. usage: tools/static-checks.sh BUILD_DIR (with compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

echo "-- cppcheck"
cppcheck --quiet --enable=warning,performance,portability --library=qt --std=c++20 \
    --inline-suppr --error-exitcode=1 --suppress=missingIncludeSystem -I src src

echo "-- clang-tidy"
find src -name '*.cpp' -print0 |
    xargs -0 -P "$(nproc)" -n 2 clang-tidy -p "$build" --quiet 2>/dev/null
