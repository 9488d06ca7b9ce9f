# Debian 12 packages the program and its tests need; sourced by run.sh and test.sh.

# qt6-tools-dev: CMake's Qt Linguist tools (qt_add_translations), whose lupdate
# and lrelease are qt6-l10n-tools; qt6-translations-l10n: Qt's own texts;
# libmicrohttpd-dev: the header of the server for phones (the library itself
# is loaded at run time).
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev libcanberra-dev libx11-dev
    libasound2-dev fonts-liberation qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libmicrohttpd-dev
    libqrencode-dev)
TEST_PACKAGES=(xvfb xdotool x11-utils x11-xkb-utils imagemagick cups printer-driver-cups-pdf
    poppler-utils dbus-daemon clang-format clang-tidy cppcheck faketime
    desktop-file-utils appstream dpkg-dev file binutils
    pulseaudio pulseaudio-utils libcanberra-pulse sound-theme-freedesktop x11-xserver-utils
    qt6-gtk-platformtheme locales weston qt6-wayland
    chromium firefox-esr zbar-tools iproute2 python3-pyatspi
    libxi-dev) # the bell counter stamps clicks from XInput2
# The browsers' test drives them with Node.js's puppeteer-core; Debian's
# nodejs has npm apart, other builds of Node.js bring it along.
command -v npm >/dev/null 2>&1 || TEST_PACKAGES+=(nodejs npm)
# The benchmarks' X helpers besides (bench/run.sh): keys sent with XTest,
# painting seen through DAMAGE.
BENCH_PACKAGES=(libxtst-dev libxdamage-dev)

# Installs whichever of the given packages are missing, with sudo when not root.
install_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build [CMAKE_OPTIONS...]: configures and builds into build/
build() {
    cmake -S . -B build -G Ninja "$@"
    cmake --build build
}

# ensure_locale NAME: makes a locale (say de_DE.UTF-8) from the sources of the
# locales package where the machine lacks it, with sudo when not root.
ensure_locale() {
    locale -a 2>/dev/null | grep -qix "${1/UTF-8/utf8}" && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Making the locale $1"
    "${sudo[@]}" localedef -i "${1%%.*}" -f "${1#*.}" "$1"
}
