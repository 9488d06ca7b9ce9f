#!/bin/bash
# End-to-end test of the team name and the printed result sheet, on a real
# CUPS printer (cups-pdf): starts a cupsd of its own beside any the machine
# runs (its configuration, spool and socket in the work folder; the program,
# lpadmin and lpstat pointed at it with CUPS_SERVER) and the real program
# under a private Xvfb, types a name, prints the expanded window and looks at
# the page; then prints with no default printer and with no printing service
# at all, where a message must appear and no job be made. (Print Results is
# only in the expanded window: in the compact one it is hidden and Tab skips
# it.) In English it also prints while its cupsd is stopped for 3 s, the
# clock running over a minute's beep, which must come on time. The machine's
# own queues and default printer are never touched.
#
# usage: test_printing.sh PROGRAM BELLCOUNT [LANGUAGE]   (as root: cups-pdf writes PDFs
# only when cupsd runs as root). With LANGUAGE (de) the program runs in that
# language, whatever the test's environment: its messages and the printed
# window are looked for in it.
#
# Regions and colours are passed by name to count(); predicates are called
# through poll_until and check.
# shellcheck disable=SC2034,SC2317
set -u
[ $# -ge 2 ] || { echo "usage: $0 PROGRAM BELLCOUNT [LANGUAGE]" >&2; exit 2; }
APP_BIN=$1
BELLCOUNT_BIN=$2

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: needs root to run its own cupsd with the cups-pdf backend"
    exit 77
fi

# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

# cups-pdf writes every cupsd's jobs into one folder and its log into the
# machine's: the work folder's random suffix in the queue's name and in the
# job's title (the team name) tells this test's files from anyone else's.
TAG=${E2E_WORK##*.}
QUEUE=VornaxiTest-$TAG
PDF_DIR=/root/PDF
TEAM="Owls <b>&</b> 42 $TAG"
# a printer chosen in the environment would stand in for the default
unset PRINTER LPDEST

# The window's title, the two messages' titles, a caption of the window and
# the start of the print job's title (cups-pdf's file name), in the language.
case ${3:-} in
"") WORDS=("Vornaxi Timer v3.0" "No default printer" "No printer" "Question #12" Vornaxi_Timer_results) ;;
de) WORDS=("Vornaxi-Timer v3.0" "Kein Standarddrucker" "Kein Drucker" "Frage Nr. 12" Vornaxi-Timer-Ergebnisse)
    APP_ENV=(LANGUAGE="$3") ;;
*) die "no words for the language '$3'" ;;
esac
APP_TITLE=${WORDS[0]}

# ---- where things are: the layout's rectangles, corners included ------------
region QUESTION1 question_1
region QUESTION12 question_12
region SCORE_LABEL score
# the window above the team name, whose cursor blinks, and Print Results,
# which the click may have focused
ABOVE_NAME=(0 0 $((${EXPANDED%x*} - 1)) $((txtTeamName[1] - 1)))

# ---- the printing service -----------------------------------------------------

# This test's PDFs and cups-pdf's log of its queue go, also when a check
# failed half-way; the PDFs are copied into the work folder as they come.
printing_cleanup() {
    local status=$?
    rm -f "$PDF_DIR"/*"$TAG"*.pdf "/var/log/cups/cups-pdf-${QUEUE}_log"
    (exit "$status")
    e2e_cleanup
}
trap printing_cleanup EXIT

jobs_done() { [ -z "$(lpstat -o 2>/dev/null)" ]; }

# newest_pdf MARKER: the newest non-empty PDF of ours made after MARKER was
# touched
newest_pdf() {
    find "$PDF_DIR" -maxdepth 1 -name "*$TAG*.pdf" -size +0 -newer "$1" -printf '%T@ %p\n' 2>/dev/null |
        sort -n | tail -n1 | cut -d' ' -f2-
}
pdf_arrived() { [ -n "$(newest_pdf "$1")" ]; }

# ---- the program ----------------------------------------------------------------

# fetch_page NAME T0: clicks nothing itself; waits for the page printed by
# the click just made at T0 and copies it to NAME.pdf, NAME.png in the work
# folder, the printed window alone to NAME-window.png
MARKER="$E2E_WORK/marker"
fetch_page() {
    local name=$1 t0=$2 pdf
    if ! poll_until 15000 pdf_arrived "$MARKER" || ! poll_until 15000 jobs_done; then
        fail "$name: no finished PDF within 15 s (jobs: $(lpstat -o))"
        return 1
    fi
    pdf=$(newest_pdf "$MARKER")
    PAGE_FILE=$pdf
    echo "# $name: $(($(now_ms) - t0)) ms from the click to the finished PDF $pdf"
    cp "$pdf" "$E2E_WORK/$name.pdf" && rm -f "$pdf"
    expect_eq "$name: pages" "$(pdfinfo "$E2E_WORK/$name.pdf" | awk '/^Pages:/ {print $2}')" 1
    # 96 dpi: one pixel of the page for one of the window at its designed size
    pdftoppm -r 96 -singlefile -png "$E2E_WORK/$name.pdf" "$E2E_WORK/$name"
    pdftotext -layout "$E2E_WORK/$name.pdf" "$E2E_WORK/$name.txt"
    # the window's top left on the page: the printed area against white paper
    read -r PW PH OX OY < <(convert "$E2E_WORK/$name.png" -fuzz 4% \
        -format '%@' info: | tr 'x+' '  ')
    echo "# $name: printed area ${PW}x${PH} at $OX,$OY"
    convert "$E2E_WORK/$name.png" -crop "${PW}x$PH+$OX+$OY" +repage "$E2E_WORK/$name-window.png"
}

# caption_box IMAGE CONTROL: "width height left top" of the dark ink inside a
# push button (2 px in from its edges), its caption
caption_box() {
    local r
    region r "$2" 2
    convert "$1" -crop "$(geometry "${r[@]}")" +repage -colorspace gray -threshold 50% \
        -format '%@' info: | tr 'x+' '  '
}

start_cupsd
lpadmin -p "$QUEUE" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
    die "cannot add the cups-pdf queue"
start_xvfb
start_app "$APP_BIN"

# ---- the team name -----------------------------------------------------------------

echo "# expand, answer three questions, enter the team name"
click_on cmdExpand
poll_until 2000 size_is "$EXPANDED" || die "no expanded window: $(window_size)"
for q in 1 2 2 5 5 5; do click_arrow $q; done
click_on cmdEnter
sleep 0.2
xdotool type --delay 20 "$TEAM"
sleep 0.3

# ---- printers, but no default: no job, a message --------------------------------

echo "# print with no default printer"
lpstat -d | grep -q 'no system default' || die "a default printer already: $(lpstat -d)"
touch "$MARKER"
sleep 0.01
click_on cmdPrint
message_comes_and_goes "${WORDS[1]}"
sleep 0.5
expect_eq "jobs made without a default printer" "$(lpstat -W all -o "$QUEUE" | wc -l)" 0
lpadmin -d "$QUEUE" || die "cannot make $QUEUE the default"

# ---- the expanded window on paper ---------------------------------------------------

echo "# print the expanded window"
BEFORE="$E2E_WORK/before.png"
shot "$BEFORE"
touch "$MARKER"
sleep 0.01
t0=$(now_ms)
click_on cmdPrint
if fetch_page expanded "$t0"; then
    P="$E2E_WORK/expanded-window.png"
    check "expanded: printed at its designed size, ${PW}x${PH} for $EXPANDED" \
        near "$PW $PH" "${EXPANDED%x*}" "${EXPANDED#*x}" 2
    check "expanded: window background cyan on paper" background_is "$P" PALETTE_T
    expect_ge "expanded: blue of the first question frame" \
        "$(count "$P" QUESTION1 QUESTION_BACKGROUND 12)" $(($(area "${QUESTION1[@]}") / 3))
    expect_ge "expanded: blue of the twelfth question frame" \
        "$(count "$P" QUESTION12 QUESTION_BACKGROUND 12)" $(($(area "${QUESTION12[@]}") / 3))
    expect_ge "expanded: blue of the score box" \
        "$(count "$P" SCORE_LABEL SCORE_BACKGROUND 12)" $(($(area "${SCORE_LABEL[@]}") / 2))
    # Not a screen picture blown up: no large bitmap at screen resolution.
    # (cups-pdf may hand back the whole page as one 300 ppi raster.)
    expect_eq "expanded: large bitmaps below 150 ppi on the page" \
        "$(pdfimages -list "$E2E_WORK/expanded.pdf" | awk 'NR > 2 && $4 >= 200 && $13 < 150' | wc -l)" 0
    # cups-pdf turns text into outlines on some systems (even that of a PDF
    # with embedded fonts); the words can be looked for only where it does not.
    if [ "$(pdffonts "$E2E_WORK/expanded.pdf" | wc -l)" -gt 2 ]; then
        check "expanded: the team name printed as text" grep -qF "$TEAM" "$E2E_WORK/expanded.txt"
        check "expanded: the total 36 printed as text" grep -qw 36 "$E2E_WORK/expanded.txt"
        check "expanded: the question column's captions printed" \
            grep -qF "${WORDS[3]}" "$E2E_WORK/expanded.txt"
    else
        echo "# (the queue printed the text as outlines: no words to look for)"
    fi
    # Words or outlines, the captions on paper are those on the screen.
    for control in cmdEnter cmdPrint; do
        check "expanded: $control's caption on paper as on the screen" \
            near "$(caption_box "$P" $control)" $(caption_box "$BEFORE" $control) 2
    done
    check "expanded: the job's title starts ${WORDS[4]}" grep -q "^$PDF_DIR/${WORDS[4]}" <<<"$PAGE_FILE"
fi
AFTER="$E2E_WORK/after.png"
shot "$AFTER"
expect_eq "pixels of the window changed by printing" \
    "$(differing_pixels "$BEFORE" "$AFTER" "${ABOVE_NAME[@]}")" 0

# ---- the printing service stalled: the clock goes on --------------------------------------

# The minute's beep falls due 60 s after Start's; the page is sent as cupsd
# stops, for 3 s that hold the beep and three new seconds.
if [ -z "${3:-}" ]; then
    echo "# print while cupsd is stopped for 3 s, the clock running (about a minute)"
    region READOUT Label9 2
    start_bellcount "$BELLCOUNT_BIN"
    click_on start
    poll_until 2000 bells_at_least 1 || die "no bell for Start"
    read -r started started_wall < <(grep '^[0-9]' "$BELL_LOG" | head -n1)
    t0=$((started_wall + 56900))            # the seconds come 100 ms after t0 + k s
    sleep_until_ms $((t0 + 600))
    kill -STOP "$CUPSD_PID"
    touch "$MARKER"
    click_on cmdPrint
    # A few screenshots only: a loop of them would hold the X server up, and
    # the beep with it.
    sums=()
    for k in 0 1 2 3; do
        sleep_until_ms $((t0 + 1000 * k + 600))
        sums+=("$(readout_sum)")
    done
    kill -CONT "$CUPSD_PID"
    # a window that waited for cupsd would show one readout throughout
    expect_ge "readouts in four screenshots a second apart while cupsd was stopped" \
        "$(printf '%s\n' "${sums[@]}" | sort -u | wc -l)" 2
    # one that waited for cupsd: 500 ms late or more (the ms: bench/timing.sh)
    poll_until 2000 bells_at_least 2
    read -r minute _ < <(grep '^[0-9]' "$BELL_LOG" | sed -n 2p)
    late=$((minute - started - 60000))
    check "the minute's beep ${late} ms after its second (within 100 ms)" test "${late#-}" -le 100
    fetch_page stalled "$((t0 + 600))" && pass "printed once cupsd runs again"
    # Stop/Reset from the keyboard, and back to Print Results, which keeps the focus.
    keys shift+Tab shift+Tab shift+Tab space Tab Tab Tab
fi

# ---- no printing service: no job, a message ---------------------------------------------

echo "# print with cupsd stopped"
stop_pid "$CUPSD_PID"
! cups_running || die "cupsd still answers after it was stopped"
touch "$MARKER"
sleep 0.01
SHOT1="$E2E_WORK/failed-before.png"
shot "$SHOT1"
xdotool key space                       # Print Results has the focus since its click
message_comes_and_goes "${WORDS[2]}"
check "the program still runs" app_running
expect_eq "PDFs made without a printing service" \
    "$({ find "$PDF_DIR" -name "*$TAG*.pdf" -newer "$MARKER" 2>/dev/null
        find "$E2E_WORK/cwd" -name '*.pdf' -newer "$MARKER"; } | wc -l)" 0
SHOT2="$E2E_WORK/failed-after.png"
sleep 0.2
shot "$SHOT2"
expect_eq "pixels of the window changed by the failed print" \
    "$(differing_pixels "$SHOT1" "$SHOT2" "${ABOVE_NAME[@]}")" 0

finish
