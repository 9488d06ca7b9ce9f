# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# checks.sh - checks of an installed tree, shared by the staged install test
# and the Debian package test. Source it after tests/e2e/lib.sh (for pass,
# fail, die, near).
#
# Needs: desktop-file-validate, appstreamcli, file, ImageMagick (convert).

ICON_SIZES="16 24 32 48 64 128 256"

# installed_files APP_ID: every file an install puts under the prefix,
# relative to it, one a line
installed_files() {
    local size
    echo "bin/vornaxi-timer"
    echo "share/applications/$1.desktop"
    echo "share/metainfo/$1.metainfo.xml"
    echo "share/icons/hicolor/scalable/apps/$1.svg"
    echo "share/vornaxi-timer/beep.wav"
    for size in $ICON_SIZES; do
        echo "share/icons/hicolor/${size}x${size}/apps/$1.png"
    done
}

# indent TEXT: prints TEXT with every line indented, under a FAIL line
indent() {
    local line
    while IFS= read -r line; do echo "    $line"; done <<<"$1"
}

is_png() { [ -f "$1" ] && file -b "$1" | grep -q '^PNG image data'; }
is_wav() { [ -f "$1" ] && file -b "$1" | grep -q 'WAVE audio, Microsoft PCM, 16 bit, mono'; }

# desktop_value FILE KEY: the value of KEY in the [Desktop Entry] group
desktop_value() {
    sed -n '/^\[Desktop Entry\]$/,/^\[/ s/^'"$2"'=//p' "$1" | head -n1
}

# xml_values FILE TAG: the text of every <TAG ...>text</TAG>, one a line.
# Enough for the metainfo, which is ours and keeps such elements on one line.
xml_values() {
    sed -n 's:.*<'"$2"'\( [^>]*\)\{0,1\}>\([^<]*\)</'"$2"'>.*:\2:p' "$1"
}

# rgba_at PNG X Y: prints "r g b a" (0..255) of one pixel
rgba_at() {
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- |
        sed -n '2 s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1 \2 \3 \4/p'
}

# check_pixel PNG DESCRIPTION X Y R G B A: one pixel of an icon, by colour
check_pixel() {
    local got
    got=$(rgba_at "$1" "$3" "$4")
    if near "$got" "$5" "$6" "$7" "$8" 10; then
        pass "$2 at ($3,$4)"
    else
        fail "$1: $2 at ($3,$4) expected rgba($5,$6,$7,$8), found (${got:-nothing})"
    fi
}

# check_icon PNG SIZE: the size and colours of one PNG drawn from
# assets/icon.svg (32 units square: a red square 0..30 with a white face
# 4..26 on it, and a shadow 2..32 at 60 % black showing at the right and
# bottom edges). The points are picked on the 32 unit grid so that their
# pixel lies wholly in one part at every size.
check_icon() {
    local png=$1 size=$2 what
    what=$(file -b "$png")
    case $what in
    "PNG image data, $size x $size, 8-bit/color RGBA"*) pass "$size px icon is a ${size}x$size RGBA PNG" ;;
    *) fail "$png: expected a ${size}x$size RGBA PNG, found: $what"; return ;;
    esac
    at() { echo $(($1 * size / 64)); }   # a point on the grid, in halves of a unit
    check_pixel "$png" "$size px icon: red frame" "$(at 2)" "$(at 30)" 208 0 0 255
    check_pixel "$png" "$size px icon: white face" "$(at 19)" "$(at 34)" 255 255 255 255
    check_pixel "$png" "$size px icon: black hand" "$(at 31)" "$(at 24)" 0 0 0 255
    check_pixel "$png" "$size px icon: shadow" "$(at 62)" "$(at 62)" 0 0 0 153
    check_pixel "$png" "$size px icon: transparent corner" "$(at 63)" 0 0 0 0 0
}

# check_installed_tree PREFIX APP_ID VERSION SOURCE_DIR: everything about an
# installed tree except which files it has
check_installed_tree() {
    local prefix=$1 app_id=$2 version=$3 source_dir=$4
    local bin=$prefix/bin/vornaxi-timer
    local desktop=$prefix/share/applications/$app_id.desktop
    local metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
    local out status

    # ---- the program
    if [ -x "$bin" ] && file -b "$bin" | grep -q '^ELF .* executable'; then
        pass "program installed as an executable"
    else
        fail "$bin is not an executable program: $(file -b "$bin" 2>&1)"
    fi

    # the beep for a sound theme without a bell, where the program looks for it
    check "beep tone installed as a 16-bit mono WAV" is_wav "$prefix/share/vornaxi-timer/beep.wav"

    # ---- the desktop entry: valid, without even a hint, and pointing at
    # the installed program and icon
    if [ -f "$desktop" ]; then
        out=$(desktop-file-validate "$desktop" 2>&1)
        status=$?
        if [ "$status" -eq 0 ] && [ -z "$out" ]; then
            pass "desktop-file-validate: no errors, warnings or hints"
        else
            fail "desktop-file-validate (status $status):"
            indent "$out"
        fi
        check "desktop entry's Name is 'Vornaxi Timer'" \
            [ "$(desktop_value "$desktop" Name)" = "Vornaxi Timer" ]
        check "desktop entry has a Comment" [ -n "$(desktop_value "$desktop" Comment)" ]
        local exec
        exec=$(desktop_value "$desktop" Exec)
        exec=${exec%% *}
        check "desktop entry's Exec ($exec) is the installed program" \
            test "$exec" = vornaxi-timer -a -x "$prefix/bin/$exec"
        check "desktop entry's Icon is the application id" \
            [ "$(desktop_value "$desktop" Icon)" = "$app_id" ]
        check "desktop entry is in the Education category" \
            grep -q '^Categories=\(.*;\)\{0,1\}Education;' "$desktop"
    else
        fail "no desktop entry at $desktop"
    fi

    # ---- the metainfo: valid, and in step with the desktop entry, the
    # program's version and the README's screenshots
    if [ -f "$metainfo" ]; then
        out=$(appstreamcli validate --no-net "$metainfo" 2>&1)
        status=$?
        if [ "$status" -eq 0 ] && ! echo "$out" | grep -q '^[EWI]:'; then
            pass "appstreamcli validate --no-net: $(echo "$out" | tail -n1)"
        else
            fail "appstreamcli validate --no-net (status $status):"
            indent "$out"
        fi
        check "metainfo's id is $app_id" [ "$(xml_values "$metainfo" id)" = "$app_id" ]
        check "metainfo launches the installed desktop entry" \
            [ "$(xml_values "$metainfo" launchable)" = "$app_id.desktop" ]
        check "metainfo provides the installed program" \
            [ "$(xml_values "$metainfo" binary)" = vornaxi-timer ]
        local releases
        releases=$(sed -n 's/.*<release [^>]*version="\([^"]*\)".*/\1/p' "$metainfo")
        check "metainfo's newest release is $version" [ "$(echo "$releases" | head -n1)" = "$version" ]
        check "metainfo has a summary" [ -n "$(xml_values "$metainfo" summary)" ]
        check "metainfo has a homepage" grep -q '<url type="homepage">https://' "$metainfo"

        local shown readme url name
        shown=$(xml_values "$metainfo" image)
        readme=$(grep -o 'docs/screenshots/[^)]*\.png' "$source_dir/README.md" | sort)
        check "metainfo shows the README's screenshots" \
            test -n "$readme" -a "$(echo "$shown" | sed 's|.*/\(docs/screenshots/\)|\1|' | sort)" = "$readme"
        while read -r url; do
            name=${url##*/docs/screenshots/}
            case $url in
            https://*/docs/screenshots/*.png) ;;
            *) fail "screenshot URL is not an https URL of docs/screenshots: $url"; continue ;;
            esac
            check "screenshot $name is in the repository as a PNG" \
                is_png "$source_dir/docs/screenshots/$name"
        done <<<"$shown"
    else
        fail "no metainfo at $metainfo"
    fi

    # ---- the icons: the SVG as it is, the PNGs drawn from it at build time
    local svg=$prefix/share/icons/hicolor/scalable/apps/$app_id.svg size
    check "scalable icon is assets/icon.svg" cmp -s "$svg" "$source_dir/assets/icon.svg"
    for size in $ICON_SIZES; do
        check_icon "$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png" "$size"
    done
}
