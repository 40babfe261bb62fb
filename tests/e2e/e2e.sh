#!/usr/bin/env bash
# Drives the real program on an X display with real input events only, and
# reads results back as a user would: through selection, clipboard and window
# titles. The program is started by the command given, with its arguments.
# E2E_SCALE (1 unless set) is the scale at which the windows must come up:
# every window measures its designed size times that, and is clicked there.
# E2E_XFT_DPI, where set, is the X server's Xft.dpi, as a desktop sets it for
# its text size. E2E_GROUND, where set, is the colour (#RRGGBB) that the first
# window's client area must show on the screen.
# Run under a display of its own:
#   tests/support/on_own_display.sh tests/e2e/e2e.sh <scenario> <command> [argument...]
set -euo pipefail
scenario=$1
shift
program=("$@")
scale=${E2E_SCALE:-1}
[ -z "${E2E_XFT_DPI:-}" ] || echo "Xft.dpi: $E2E_XFT_DPI" | xrdb -merge

fail() {
    echo "FAIL ($scenario): $*" >&2
    exit 1
}

# --- the program and its windows --------------------------------------------

start_program() {
    # A group of its own, so that a failed run can end everything it started.
    setsid "${program[@]}" &
    program_pid=$!
    window=$(wait_for_window 'Which Product')
    # The caption that the window manager shows is the designed one, no more.
    expect_equal "$(xprop -id "$window" _NET_WM_NAME)" '_NET_WM_NAME(UTF8_STRING) = "Which Product"' "the caption"
}

# An ended program stays a zombie until the script waits for it.
program_running() {
    [ -z "${program_pid:-}" ] && return 0
    local state
    state=$(sed 's/.*) //' "/proc/$program_pid/stat" 2>/dev/null) || return 1
    [ "${state:0:1}" != Z ]
}

# Prints the id of the visible window with that exact title, once it is
# there. A command that $E2E_ON_WINDOW names (the Windows checks' UI
# Automation client) is run with the title first.
wait_for_window() {
    local title=$1 id
    for _ in $(seq 600); do
        id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | tail -n 1) || true
        if [ -n "$id" ]; then
            [ -z "${E2E_ON_WINDOW:-}" ] || "$E2E_ON_WINDOW" "$title" >&2
            echo "$id"
            return
        fi
        program_running || fail "the program ended before \"$title\" came up"
        sleep 0.05
    done
    fail "no window \"$title\" came up"
}

wait_until_gone() {
    for _ in $(seq 600); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.05
    done
    fail "window \"$1\" did not go"
}

# A designed length in the screen's pixels.
px() {
    awk -v designed="$1" -v scale="$scale" 'BEGIN { printf "%d", designed * scale + 0.5 }'
}

# Sets the menu bar's height: the window's height less its client height.
# The window measures its designed client size times the scale, within a
# pixel, and its menu bar has room for a line of text.
measure_window() { # designed client width, height
    local width height
    eval "$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^WIDTH=/width=/p; s/^HEIGHT=/height=/p')"
    ((width >= $(px "$1") - 1 && width <= $(px "$1") + 1)) ||
        fail "the window is $width pixels wide, not $(px "$1")"
    menu=$((height - $(px "$2")))
    ((menu >= $(px 15) - 1 && menu <= $(px 30))) ||
        fail "the window is $height pixels high: its client area is not $(px "$2") high below a menu bar"
}

# The colour on the screen at a point of the current window, as #RRGGBB.
colour_at() { # x, y in the window's pixels
    import -window "$window" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o -m 1 '#[0-9A-F]\{6\}'
}

# A corner of the client area that no control covers shows the ground colour.
expect_ground() {
    expect_equal "$(colour_at "$(px 295)" $(($(px 160) + menu)))" "$E2E_GROUND" "the window's colour"
}

# Clicks at a designed point of the client area of the current window.
click_client() {
    xdotool mousemove --window "$window" "$(px "$1")" $(($(px "$2") + menu)) click 1
    sleep 0.15
}

click_menu() {
    xdotool mousemove --window "$window" "$(px "$1")" $((menu / 2)) click 1
    sleep 0.15
}

type_text() {
    xdotool type --delay 20 "$1"
    sleep 0.1
}

press() {
    xdotool key "$@"
    sleep 0.1
}

# What the clipboard holds once something has been copied into it; empty
# after a few seconds without.
pasted() {
    local text
    for _ in $(seq 100); do
        text=$(xclip -o -selection clipboard 2>/dev/null || true)
        [ -z "$text" ] || break
        sleep 0.05
    done
    echo "$text"
}

# What the focused box holds, read as a user would: select all and copy.
copy_focused() {
    printf '' | xclip -selection clipboard
    press ctrl+a ctrl+c
    pasted
}

# The text of the box at a client point.
read_box() {
    click_client "$1" "$2"
    copy_focused
}

expect_equal() {
    [ "$1" = "$2" ] || fail "$3: got \"$1\", expected \"$2\""
}

# --- the windows' designed places, in client pixels --------------------------

choose_product() { # on the first chooser, by option index
    measure_window 300 164
    [ -z "${E2E_GROUND:-}" ] || expect_ground
    click_client 20 $((47 + 21 * $1 + 9))
}

choose_for_older_card() { # on the older cards' chooser
    window=$(wait_for_window 'Select Product Connecting To')
    measure_window 293 133
    click_client 17 $((42 + 21 * $1 + 9))
}

choose_for_newer_card() {
    window=$(wait_for_window 'Select Product Connecting To')
    measure_window 293 77
    click_client 17 $((46 + 9))
}

# Takes over the entry window that a chooser opened, by its client size.
enter_entry_window() {
    window=$(wait_for_window Keywright)
    measure_window "$1" "$2"
}

# The way of a KN40 user to the KN85 access point's window.
open_kn85_entry() {
    choose_product 3
    choose_for_older_card 2
    enter_entry_window 403 433
}

# Reads the hex boxes of a grid: origin, count.
read_hex_boxes() {
    local x0=$1 y0=$2 count=$3 texts=() i
    for ((i = 0; i < count; i++)); do
        texts+=("$(read_box $((x0 + 39 * (i % 5) + 12)) $((y0 + 24 * (i / 5) + 11)))")
    done
    echo "${texts[*]}"
}

# --- scenarios ---------------------------------------------------------------

kn40_user_joins_kn85() {
    start_program
    open_kn85_entry
    type_text 'ascii test$$$'
    click_client 297 38 # Convert
    expect_equal "$(read_hex_boxes 132 288 13)" "61 73 63 69 69 20 74 65 73 74 24 24 24" "the 13 hex boxes"
}

kn60_user_reaches_kn75() {
    start_program
    choose_product 4
    choose_for_older_card 1
    enter_entry_window 396 445
    type_text 'SSID5'
    click_client 360 15 # Convert
    expect_equal "$(read_hex_boxes 129 297 5)" "53 53 49 44 35" "the 5 hex boxes"
}

kn45_user_copies_adhoc_key() {
    start_program
    choose_product 0
    choose_for_newer_card
    enter_entry_window 364 458
    # A click into the first box (where the focus is already, but Wine
    # without a window manager gives the window no keyboard until then);
    # Tab walks the boxes.
    click_client 98 51
    type_text '4b'
    for byte in 65 79 21 7e; do
        press Tab
        type_text "$byte"
    done
    click_client 235 103 # Convert
    printf '' | xclip -selection clipboard
    press ctrl+c # the key is selected already
    expect_equal "$(pasted)" 'Key!~' "the copied key"
}

rejected_key_shows_message() {
    start_program
    open_kn85_entry
    type_text 'abc'
    click_client 297 38
    wait_for_window 'Invalid Key' >/dev/null
    press Return
    wait_until_gone 'Invalid Key'
    expect_equal "$(read_box 330 15)" 'abc' "the key as typed"
}

restart_and_choose_again() {
    start_program
    open_kn85_entry
    type_text 'abcde'
    click_client 297 38
    click_menu 57 # Restart
    window=$(wait_for_window 'Which Product')
    open_kn85_entry
    expect_equal "$(read_hex_boxes 132 288 5)" "61 62 63 64 65" "the result kept over Restart"
}

exit_ends_the_program() {
    start_program
    measure_window 300 164
    click_menu 18 # Exit
    local status=0
    for _ in $(seq 200); do
        program_running || break
        sleep 0.05
    done
    program_running && fail "the program did not end within 10 s of Exit"
    wait "$program_pid" || status=$?
    expect_equal "$status" 0 "the exit status"
    program_pid=
}

# Ends the program and all that it started, tracer included, pass or fail.
end_program() {
    [ -n "${program_pid:-}" ] || return 0
    kill -TERM -- "-$program_pid" 2>/dev/null || return 0
    for _ in $(seq 40); do
        kill -0 -- "-$program_pid" 2>/dev/null || return 0
        sleep 0.05
    done
    kill -KILL -- "-$program_pid" 2>/dev/null || true
}
trap end_program EXIT
"$scenario"
echo "PASS ($scenario)"
