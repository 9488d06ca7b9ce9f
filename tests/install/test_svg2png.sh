#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The icon drawing tool on its own: it keeps a drawing's proportions, and on
# bad input it fails loudly and leaves no PNG behind for the build to take as
# up to date.
#
# usage: test_svg2png.sh SVG2PNG
set -u
[ $# -eq 1 ] || { echo "usage: $0 SVG2PNG" >&2; exit 2; }
SVG2PNG=$(realpath "$1")
# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/../e2e/lib.sh"
# shellcheck source=tests/install/checks.sh
. "$(dirname "$0")/checks.sh"
[ -x "$SVG2PNG" ] || die "no svg2png at $1"
cd "$E2E_WORK" || die "no work folder"

# A red drawing twice as wide as high, with a blue right half.
cat >wide.svg <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20" viewBox="0 0 40 20">
  <rect x="0" y="0" width="20" height="20" fill="#ff0000"/>
  <rect x="20" y="0" width="20" height="20" fill="#0000ff"/>
</svg>
SVG

if "$SVG2PNG" wide.svg 16 wide.png; then
    pass "renders a valid SVG"
    check "output is a 16x16 RGBA PNG" \
        grep -q '^PNG image data, 16 x 16, 8-bit/color RGBA' <(file -b wide.png)
    # Fitted into 16 x 8 and centred: rows 4..11 hold the drawing.
    check_pixel wide.png "left half red" 3 8 255 0 0 255
    check_pixel wide.png "right half blue" 12 7 0 0 255 255
    check_pixel wide.png "band above the drawing transparent" 8 2 0 0 0 0
    check_pixel wide.png "band below the drawing transparent" 8 13 0 0 0 0
else
    fail "svg2png failed on a valid SVG"
fi

# fails_cleanly DESCRIPTION OUTPUT ARGS...: svg2png must exit non-zero,
# say why on stderr and leave no OUTPUT
fails_cleanly() {
    local what=$1 out=$2 status
    shift 2
    "$SVG2PNG" "$@" 2>err.txt
    status=$?
    # 1 or 2, not the shell's 126/127 or a crash's 128+
    if [ "$status" -ge 1 ] && [ "$status" -le 2 ] && [ -s err.txt ] && [ ! -e "$out" ]; then
        pass "$what: status $status, $(head -n1 err.txt)"
    else
        fail "$what: status $status, stderr '$(cat err.txt)', output left: $([ -e "$out" ] && echo yes || echo no)"
    fi
}

echo "not an image" >bad.svg
fails_cleanly "rejects a file that is not SVG" bad.png bad.svg 16 bad.png
fails_cleanly "rejects a missing input" none.png missing.svg 16 none.png
fails_cleanly "rejects size 0" zero.png wide.svg 0 zero.png
fails_cleanly "rejects a size that is not a number" word.png wide.svg big word.png
fails_cleanly "rejects a size past 4096" huge.png wide.svg 5000 huge.png
fails_cleanly "reports an output it cannot write" nodir/out.png wide.svg 16 nodir/out.png
fails_cleanly "rejects a wrong number of arguments" 16 wide.svg 16
finish
