#!/bin/bash
# shellcheck disable=SC2317  # functions called through the EXIT trap and check
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Debian package from end to end: makes it with cpack from the build,
# checks its control fields, installs it with apt (which fetches its
# dependencies), checks the installed files, starts the INSTALLED program
# under a private Xvfb and finds its window, then removes the package and
# checks that nothing is left.
#
# It changes the system, so it needs root (status 77, skipped, otherwise),
# and it refuses to run over a vornaxi-timer that is already there.
#
# usage: test_package.sh SOURCE_DIR BUILD_DIR APP_ID VERSION
set -u
[ $# -eq 4 ] || { echo "usage: $0 SOURCE_DIR BUILD_DIR APP_ID VERSION" >&2; exit 2; }
SOURCE_DIR=$1 BUILD_DIR=$(realpath "$2") APP_ID=$3 VERSION=$4
if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: installing a package needs root"
    exit 77
fi
E2E_LAYOUT=$BUILD_DIR/layout.sh
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"
# shellcheck source=tests/install/checks.sh
. "$(dirname "$0")/../install/checks.sh"

PACKAGE=vornaxi-timer
ARCH=$(dpkg --print-architecture)
DEB_NAME=${PACKAGE}_${VERSION}_$ARCH.deb
INSTALLED_BY_US=0
export DEBIAN_FRONTEND=noninteractive

# package_state: dpkg's status of the package, empty when dpkg knows none
package_state() {
    dpkg-query -W -f='${Status}' "$PACKAGE" 2>/dev/null
}
package_absent() {
    case $(package_state) in "" | *not-installed) return 0 ;; *) return 1 ;; esac
}

# Whatever happens, a package this test installed does not stay behind.
package_cleanup() {
    local status=$?
    if [ "$INSTALLED_BY_US" -eq 1 ] && ! package_absent; then
        [ -n "$APP_PID" ] && stop_pid "$APP_PID"
        echo "# removing the package left by a failed run"
        apt-get remove -y "$PACKAGE" >>"$E2E_WORK/apt.log" 2>&1
    fi
    (exit "$status")
    e2e_cleanup
}
trap package_cleanup EXIT

# ---- guard: never replace someone's own installation -----------------------
if ! package_absent; then
    die "package $PACKAGE is already on this system ($(package_state), version \
$(dpkg-query -W -f='${Version}' "$PACKAGE")); this test would replace and then remove it. \
Remove it first (apt-get remove $PACKAGE) or run the test elsewhere."
fi
for f in $(installed_files "$APP_ID"); do
    [ ! -e "/usr/$f" ] ||
        die "/usr/$f exists but belongs to no $PACKAGE package (installed by hand?); \
the package would overwrite it. Remove it first."
done

# ---- make the package ------------------------------------------------------
PKG_DIR=$E2E_WORK/package
mkdir -p "$PKG_DIR"
(cd "$PKG_DIR" && cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$PKG_DIR") \
    >"$E2E_WORK/cpack.log" 2>&1 || die "cpack failed (see $E2E_WORK/cpack.log)"
DEB=$PKG_DIR/$DEB_NAME
[ -f "$DEB" ] || die "cpack made no $DEB_NAME: $(ls "$PKG_DIR")"
pass "cpack made $DEB_NAME"

field() { dpkg-deb -f "$DEB" "$1"; }
check "Package is $PACKAGE" [ "$(field Package)" = "$PACKAGE" ]
check "Version is $VERSION" [ "$(field Version)" = "$VERSION" ]
check "Architecture is $ARCH" [ "$(field Architecture)" = "$ARCH" ]
check "Section is education" [ "$(field Section)" = education ]
check "Maintainer is a name and an address" grep -q '^[^<]\+ <[^@>]\+@[^>]\+>$' <(field Maintainer)
check "Description has a summary and a long text" test "$(field Description | wc -l)" -ge 3
DEPENDS=$(field Depends)
echo "# Depends: $DEPENDS"
# depends_on NAME: the package depends on NAME (with or without a version)
depends_on() { tr ',' '\n' <<<"$DEPENDS" | sed 's/^ *//; s/ .*//' | grep -qx "$1"; }
check "depends on fonts-liberation" depends_on fonts-liberation
# libcanberra, libasound, libmicrohttpd and libqrencode are loaded at run time, out of
# dpkg-shlibdeps' sight; what makes the beep heard through the sound server, and a native
# Wayland window, is recommended; and Qt's own translations.
for pkg in libcanberra0 libasound2 libmicrohttpd12 libqrencode4; do check "depends on $pkg" depends_on $pkg; done
RECOMMENDS=$(field Recommends)
for pkg in libcanberra-pulse sound-theme-freedesktop qt6-wayland qt6-translations-l10n; do
    check "recommends $pkg" grep -qx "$pkg" <(tr ',' '\n' <<<"$RECOMMENDS" | sed 's/^ *//; s/ .*//')
done
# Versioned library dependencies only come from dpkg-shlibdeps.
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
    check "depends on $lib, found by dpkg-shlibdeps" grep -q "\(^\|, \)$lib (>= [^)]*)" <<<"$DEPENDS"
done
check "the package holds exactly the installed files" \
    test "$(dpkg-deb --fsys-tarfile "$DEB" | tar -t | grep -v '/$' | sed 's|^\./usr/||' | sort)" \
    = "$(installed_files "$APP_ID" | sort)"

# ---- install it as a user would --------------------------------------------
# apt reads the file as its unprivileged _apt user; the work folder is 0700.
chmod 755 "$E2E_WORK" "$PKG_DIR"
INSTALLED_BY_US=1
apt-get install -y "$DEB" >"$E2E_WORK/apt.log" 2>&1 ||
    die "apt-get install failed (see $E2E_WORK/apt.log): $(tail -n3 "$E2E_WORK/apt.log")"
check "package is installed" [ "$(package_state)" = "install ok installed" ]
check "installed version is $VERSION" [ "$(dpkg-query -W -f='${Version}' "$PACKAGE")" = "$VERSION" ]
for f in $(installed_files "$APP_ID"); do
    check "dpkg owns /usr/$f" grep -qx "/usr/$f" <(dpkg -L "$PACKAGE")
done
check_installed_tree /usr "$APP_ID" "$VERSION" "$SOURCE_DIR"
check "every library of the installed program is found" \
    test -z "$(ldd /usr/bin/vornaxi-timer | grep 'not found')"

# ---- run the installed program ---------------------------------------------
start_xvfb
start_app /usr/bin/vornaxi-timer
check "the running program is the installed one" \
    test "$(readlink "/proc/$APP_PID/exe")" = /usr/bin/vornaxi-timer
if poll_until 5000 size_is "$COMPACT"; then
    pass "window '$APP_TITLE' is $COMPACT"
else
    fail "window '$APP_TITLE' is $(window_size), expected $COMPACT"
fi
# Task bars tie the window to the desktop entry (and so to its icon) by
# WM_CLASS on X11: StartupWMClass must name the window's class instance.
WM_CLASS=$(xprop -id "$APP_WIN" WM_CLASS)
echo "# $WM_CLASS"
WM_INSTANCE=$(sed -n 's/^WM_CLASS(STRING) = "\([^"]*\)".*/\1/p' <<<"$WM_CLASS")
check "desktop entry's StartupWMClass matches the window's WM_CLASS" \
    test -n "$WM_INSTANCE" -a \
    "$(desktop_value "/usr/share/applications/$APP_ID.desktop" StartupWMClass)" = "$WM_INSTANCE"
stop_pid "$APP_PID"

# ---- remove it ---------------------------------------------------------------
if apt-get remove -y "$PACKAGE" >>"$E2E_WORK/apt.log" 2>&1; then
    pass "apt-get remove $PACKAGE"
else
    fail "apt-get remove failed (see $E2E_WORK/apt.log)"
fi
check "package is gone from dpkg's list" package_absent
for f in $(installed_files "$APP_ID"); do
    [ ! -e "/usr/$f" ] || fail "/usr/$f is still there after removal"
done
check "no installed file is left" test -z "$(for f in $(installed_files "$APP_ID"); do
    [ -e "/usr/$f" ] && echo "$f"; done)"
finish
