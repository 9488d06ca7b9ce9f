#!/bin/bash
# End-to-end test of the team name and the printed result sheet, on a real
# CUPS printer (cups-pdf): starts its own cupsd and the real program under a
# private Xvfb, types a name, prints the expanded window and looks at the
# page; then prints with no default printer and with no printing service at
# all, where a message must appear and no job be made. (Print Results is only
# in the expanded window: in the compact one it is hidden and Tab skips it.)
#
# usage: test_printing.sh PROGRAM    (as root: it runs cupsd)
#
# Regions and colours are passed by name to count(); predicates are called
# through poll_until and check.
# shellcheck disable=SC2034,SC2317
set -u
[ $# -eq 1 ] || { echo "usage: $0 PROGRAM" >&2; exit 2; }
APP_BIN=$1

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: needs root to run its own cupsd"
    exit 77
fi
# Someone else's printing service is theirs: neither its queues nor its life
# are ours to change.
if lpstat -r 2>/dev/null | grep -q 'is running'; then
    echo "SKIP: a cupsd is already running; this test needs its own"
    exit 77
fi

# shellcheck source=tests/e2e/lib.sh
. "$(dirname "$0")/lib.sh"

QUEUE=VornaxiTestPDF
PDF_DIR=/root/PDF
CUPSD_PID=""
TEAM='Owls <b>&</b> 42'

# ---- where things are, in window pixels -------------------------------------
EXPANDED=431x474
SCORE_X=234 SCORE_Y=312                 # Score->
ENTER_X=114 ENTER_Y=397                 # Enter Team Name
NAME_X=143 NAME_Y=427                   # the team name
PRINT_X=112 PRINT_Y=455                 # Print Results
ARROW_X=368                             # right arrow of the sliders 1 to 6
ARROW_Y=([1]=34 [2]=72 [5]=178)
BG_X=240 BG_Y=100                       # bare window background
QUESTION1=(271 14 407 48)
QUESTION12=(271 408 407 442)
SCORE_LABEL=(60 329 162 385)
BLUE=(0 0 255) CYAN=(0 255 255)

count() {
    local -n r=$2 c=$3
    count_colour "$1" $((r[0] + OX)) $((r[1] + OY)) $((r[2] + OX)) $((r[3] + OY)) "${c[@]}" "$4"
}
area() { echo $((($3 - $1 + 1) * ($4 - $2 + 1))); }

# ---- the printing service -----------------------------------------------------

cups_running() { lpstat -r 2>/dev/null | grep -q 'is running'; }
cups_stopped() { ! cups_running && ! kill -0 "$CUPSD_PID" 2>/dev/null; }

start_cupsd() {
    mkdir -p /run/cups
    /usr/sbin/cupsd || die "cupsd did not start"
    poll_until 10000 cups_running || die "cupsd does not answer"
    CUPSD_PID=$(cat /run/cups/cupsd.pid)
    E2E_PIDS=("$CUPSD_PID" "${E2E_PIDS[@]}") # stopped last, after the program
    echo "# cupsd pid $CUPSD_PID"
}

stop_cupsd() {
    kill -TERM "$CUPSD_PID"
    poll_until 10000 cups_stopped || die "cupsd did not stop"
}

# Our queue goes again, also when a check failed half-way.
printing_cleanup() {
    local status=$?
    if [ -n "$CUPSD_PID" ] && kill -0 "$CUPSD_PID" 2>/dev/null; then
        lpadmin -x "$QUEUE" 2>/dev/null
    fi
    return_status "$status"
    e2e_cleanup
}
return_status() { return "$1"; }
trap printing_cleanup EXIT

jobs_done() { [ -z "$(lpstat -o 2>/dev/null)" ]; }

# newest_pdf MARKER: the newest non-empty PDF made after MARKER was touched
newest_pdf() {
    find "$PDF_DIR" -maxdepth 1 -name '*.pdf' -size +0 -newer "$1" -printf '%T@ %p\n' 2>/dev/null |
        sort -n | tail -n1 | cut -d' ' -f2-
}
pdf_arrived() { [ -n "$(newest_pdf "$1")" ]; }

# ---- the program ----------------------------------------------------------------

message_up() { xwininfo -name "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
message_gone() { ! message_up "$1"; }
message_id() { xwininfo -name "$1" | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p'; }

# print_and_fetch NAME: clicks nothing itself; waits for the page printed by
# the click just made and copies it to NAME.pdf, NAME.png in the work folder
MARKER="$E2E_WORK/marker"
fetch_page() {
    local name=$1 t0=$2 pdf
    if ! poll_until 15000 pdf_arrived "$MARKER" || ! poll_until 15000 jobs_done; then
        fail "$name: no finished PDF within 15 s (jobs: $(lpstat -o))"
        return 1
    fi
    pdf=$(newest_pdf "$MARKER")
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
}

near() { local d=$(($1 - $2)); [ "${d#-}" -le "$3" ]; }

start_cupsd
lpadmin -x "$QUEUE" 2>/dev/null
lpadmin -p "$QUEUE" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null ||
    die "cannot add the cups-pdf queue"
mkdir -p "$PDF_DIR"
start_xvfb
start_app "$APP_BIN"

# ---- the team name -----------------------------------------------------------------

echo "# expand, answer three questions, enter the team name"
click $SCORE_X $SCORE_Y
poll_until 2000 size_is $EXPANDED || die "no expanded window: $(window_size)"
click $ARROW_X "${ARROW_Y[1]}"
click $ARROW_X "${ARROW_Y[2]}"
click $ARROW_X "${ARROW_Y[2]}"
for _ in 1 2 3; do click $ARROW_X "${ARROW_Y[5]}"; done
click $ENTER_X $ENTER_Y
sleep 0.2
xdotool type --delay 20 "$TEAM"
sleep 0.3

# ---- printers, but no default: no job, a message --------------------------------

if lpstat -d 2>/dev/null | grep -q 'no system default'; then
    echo "# print with no default printer"
    touch "$MARKER"
    sleep 0.01
    click $PRINT_X $PRINT_Y
    if poll_until 5000 message_up "No default printer"; then
        pass "message 'No default printer' shown"
        # Qt gives the message the keyboard focus
        xdotool key Escape
        poll_until 3000 message_gone "No default printer"
        check "the message goes with Escape" message_gone "No default printer"
    else
        fail "no message 'No default printer' within 5 s"
    fi
    sleep 0.5
    expect_eq "jobs made without a default printer" "$(lpstat -W all -o "$QUEUE" | wc -l)" 0
else
    echo "# (skipped the no-default case: this machine has a default printer: $(lpstat -d))"
fi
lpadmin -d "$QUEUE" || die "cannot make $QUEUE the default"

# ---- the expanded window on paper ---------------------------------------------------

echo "# print the expanded window"
BEFORE="$E2E_WORK/before.png"
shot "$BEFORE"
touch "$MARKER"
sleep 0.01
t0=$(now_ms)
click $PRINT_X $PRINT_Y
if fetch_page expanded "$t0"; then
    P="$E2E_WORK/expanded.png"
    check "expanded: printed at its designed size, ${PW}x${PH} for $EXPANDED" \
        eval 'near "$PW" 431 2 && near "$PH" 474 2'
    p=$(pixel "$P" $((BG_X + OX)) $((BG_Y + OY)))
    check "expanded: window background cyan on paper, measured $p" colour_near "$p" "${CYAN[@]}" 8
    expect_ge "expanded: blue of the first question frame" "$(count "$P" QUESTION1 BLUE 12)" \
        $(($(area "${QUESTION1[@]}") / 3))
    expect_ge "expanded: blue of the twelfth question frame" "$(count "$P" QUESTION12 BLUE 12)" \
        $(($(area "${QUESTION12[@]}") / 3))
    expect_ge "expanded: blue of the score box" "$(count "$P" SCORE_LABEL BLUE 12)" \
        $(($(area "${SCORE_LABEL[@]}") / 2))
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
            grep -q 'Question #12' "$E2E_WORK/expanded.txt"
    else
        echo "# (the queue printed the text as outlines: no words to look for)"
    fi
fi
AFTER="$E2E_WORK/after.png"
shot "$AFTER"
# above the team name, whose cursor blinks, and Print Results, which the
# click may have focused
expect_eq "pixels of the window changed by printing" \
    "$(differing_pixels "$BEFORE" "$AFTER" 0 0 430 404)" 0

# ---- no printing service: no job, a message ---------------------------------------------

echo "# print with cupsd stopped"
lpadmin -x "$QUEUE"
stop_cupsd
touch "$MARKER"
sleep 0.01
SHOT1="$E2E_WORK/failed-before.png"
shot "$SHOT1"
xdotool key space                       # Print Results has the focus since its click
if poll_until 5000 message_up "No printer"; then
    pass "message 'No printer' shown"
    import -silent -window "$(message_id "No printer")" -depth 8 "png:$E2E_WORK/message.png"
    xdotool key Escape
    poll_until 3000 message_gone "No printer"
    check "the message goes with Escape" message_gone "No printer"
else
    fail "no message 'No printer' within 5 s"
fi
check "the program still runs" app_running
expect_eq "PDFs made without a printing service" \
    "$(find "$PDF_DIR" "$E2E_WORK/cwd" -name '*.pdf' -newer "$MARKER" | wc -l)" 0
SHOT2="$E2E_WORK/failed-after.png"
sleep 0.2
shot "$SHOT2"
expect_eq "pixels of the window changed by the failed print" \
    "$(differing_pixels "$SHOT1" "$SHOT2" 0 0 430 404)" 0

finish
