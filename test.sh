#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: unit, widget and
# end-to-end (the real binary under a private Xvfb, session bus and cupsd),
# then the static checks, then the whole suite again built with
# AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer, then the
# tests that start threads built with ThreadSanitizer. After each run of the
# suite no process it started may still be running.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
source tests/e2e/processes.sh
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

# A desktop session's settings for Qt programs and its language, as a
# contributor's terminal carries them: Wayland (with no compositor here),
# scaled, a larger font dpi, GNOME's GTK theme, another style, German. Every
# test runs in the suite's own environment (tests/environment.conf), so none of
# this may reach one; a test it reaches fails here, not only on someone's desk.
ensure_locale de_DE.UTF-8
export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=no-compositor-here QT_SCALE_FACTOR=2 \
    QT_SCREEN_SCALE_FACTORS="1.5;1.25" QT_SCALE_FACTOR_ROUNDING_POLICY=Round QT_FONT_DPI=120 \
    QT_QPA_PLATFORMTHEME=gtk3 QT_STYLE_OVERRIDE=windows QT_ACCESSIBILITY=1 QT_IM_MODULE=ibus \
    XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland DESKTOP_SESSION=gnome \
    LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 LANGUAGE=de_DE:de

# Every process the tests start inherits the mark, daemons included.
export VORNAXI_TEST_RUN="$$.$EPOCHREALTIME"

# run_suite BUILD_DIR: every test of a build; fails, naming them, if any of
# the processes the tests started outlives them (and stops those)
run_suite() {
    local status=0 pid
    ctest --test-dir "$1" --output-on-failure || status=$?
    for pid in $(marked_pids "VORNAXI_TEST_RUN=$VORNAXI_TEST_RUN"); do
        echo "FAIL: the tests of $1 left pid $pid running: $(command_of "$pid")"
        stop_pid "$pid"
        status=1
    done
    return "$status"
}

echo "== format"
find src tests tools $(test -d bench && echo bench) \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror

echo "== build"
build -DBUILD_TESTING=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON

echo "== tests"
run_suite build

echo "== static checks"
tools/static-checks.sh build

echo "== tests with sanitizers"
cmake -S . -B build-asan -G Ninja -DVORNAXI_SANITIZE=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build-asan
# Suppressions cover the platform's own libraries only; see the file.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build-asan

echo "== tests that start threads, with ThreadSanitizer"
# The beeper's sound threads, the printer's job threads, and the clock server's.
THREAD_TESTS=(tst_beeper tst_resultpage tst_clockserver)
cmake -S . -B build-tsan -G Ninja -DBUILD_TESTING=ON -DVORNAXI_THREAD_SANITIZER=ON \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build-tsan --target "${THREAD_TESTS[@]}"
# Qt's libraries are not built with it: what they do among their own
# threads (image conversion, wait conditions) is theirs; the program's and
# the tests' own accesses are all checked.
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1
for test in "${THREAD_TESTS[@]}"; do
    ctest --test-dir build-tsan -R "^$test\$" --output-on-failure
done
