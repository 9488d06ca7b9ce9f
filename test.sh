#!/usr/bin/env bash
# Installs what is missing, builds and runs every test once, each where it
# tells the most:
#   - the build that is shipped and packaged: the unit tests, the static
#     checks, the package and the window end to end;
#   - a build with AddressSanitizer (leaks included) and
#     UndefinedBehaviorSanitizer: every test, unit, widget and end-to-end (the
#     real binary under a private Xvfb, session bus, cupsd, sound server),
#     side by side where they share nothing;
#   - a build with ThreadSanitizer: the tests that start threads.
# After each run no process the tests started may still be running.
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

# Tests run side by side: each has its own X server, bus, printing and sound
# services in a folder of its own; what two must not share is a resource
# lock in their CMakeLists.txt.
JOBS=$(($(nproc) + 1))

# run_suite BUILD_DIR [CTEST_OPTIONS...]: those tests of a build; fails,
# naming them, if any of the processes the tests started outlives them (and
# stops those)
run_suite() {
    local status=0 pid
    ctest --test-dir "$1" --output-on-failure -j "$JOBS" "${@:2}" || status=$?
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

echo "== build as shipped"
build -DBUILD_TESTING=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON

# The static checks and the ThreadSanitizer build run at the lowest priority
# beside the tests, in the time the tests leave the processors idle (waiting
# for a period's seconds, a browser, a printer); their output comes after.
# They are no test's processes: they carry no mark, and stop (each a process
# group of its own) if this does.
declare -A BACKGROUND=()
trap 'for pid in "${BACKGROUND[@]}"; do kill -- "-$pid" 2>/dev/null; done' EXIT
# background NAME COMMAND...: runs the command so, its output kept for report
background() {
    env -u VORNAXI_TEST_RUN setsid nice -n 19 "${@:2}" >"build/$1.log" 2>&1 &
    BACKGROUND[$1]=$!
}
# report NAME: waits for it, prints its output, and fails as it failed
report() {
    local status=0
    wait "${BACKGROUND[$1]}" || status=$?
    unset "BACKGROUND[$1]"
    cat "build/$1.log"
    return "$status"
}
background static-checks tools/static-checks.sh build

echo "== unit tests, the package and the window, as shipped"
run_suite build -L '^(unit|install|shipped)$'

echo "== every test, with sanitizers"
cmake -S . -B build-asan -G Ninja -DBUILD_TESTING=ON -DVORNAXI_SANITIZE=ON \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build-asan
# Suppressions cover the platform's own libraries only; see the file.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The beeper's sound threads, the printer's job threads, the clock server's,
# and the evening's writer.
THREAD_TESTS=(tst_beeper tst_resultpage tst_clockserver tst_eveningfile)
cmake -S . -B build-tsan -G Ninja -DBUILD_TESTING=ON -DVORNAXI_THREAD_SANITIZER=ON \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
background tsan-build cmake --build build-tsan --target "${THREAD_TESTS[@]}"
run_suite build-asan

echo "== static checks"
report static-checks

echo "== tests that start threads, with ThreadSanitizer"
report tsan-build
# Qt's libraries are not built with it: what they do among their own
# threads (image conversion, wait conditions) is theirs; the program's and
# the tests' own accesses are all checked.
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:ignore_noninstrumented_modules=1
for test in "${THREAD_TESTS[@]}"; do
    ctest --test-dir build-tsan -R "^$test\$" --output-on-failure
done
