#!/usr/bin/env bash
# A blind user's walk through Keywright with the keyboard alone: one
# conversion each way, one message and the About box. Every step waits until
# Orca has said what the user must hear, in order, and prints what was said,
# window by window. Runs under tests/screen_reader/under_orca.sh.
#   walk.sh PROGRAM VERSION
set -euo pipefail
program=$1
version=$2
heard=0   # the bytes of Orca's speech that the walk has gone past
printed=0 # the lines of it printed so far
key_echo="^(.|space|tab|return|left alt|left|right|left shift|shift tab|dollar) ?$" # left out of the transcript

program_log=$XDG_RUNTIME_DIR/program.log

# What Orca said, a line each: its log gives the text in quotes, then a
# description of the voice (Orca 48) or of the text's parts (Orca 43).
spoken() {
    sed -n "s/^.* - SPEECH OUTPUT: '\\(.*\\)' *[[{].*$/\\1/p" "$ORCA_LOG"
}

fail() {
    echo "FAIL: $*" >&2
    echo "--- what Orca said after that ---" >&2
    spoken | tail -c +$((heard + 1)) >&2
    echo "--- what the program printed ---" >&2
    cat "$program_log" >&2
    exit 1
}

# Waits until Orca says the text, after what was heard so far: Orca 43 says
# a radio button's name and state in two lines, Orca 48 in one. Prints the
# lines that it said up to there, without the echo of the keys.
hear() {
    local text=$1 at lines
    for _ in $(seq 300); do
        at=$(spoken | tail -c +$((heard + 1)) | grep -b -o -F -- "$text" | head -n 1 |
            cut -d: -f1) || true
        if [ -n "$at" ]; then
            heard=$((heard + at + ${#text}))
            lines=$(($(spoken | head -c "$heard" | wc -l) + 1))
            if ((lines > printed)); then
                spoken | sed -n "$((printed + 1)),${lines}p" | grep -v -E "$key_echo" |
                    sed 's/^/    /' || true
                printed=$lines
            fi
            return
        fi
        kill -0 "$program_pid" 2>/dev/null || fail "the program ended before Orca said \"$text\""
        sleep 0.1
    done
    fail "Orca did not say \"$text\""
}

# Waits until the keyboard goes to the window with that title: Qt may move
# its own focus, and Orca speak of it, before the window has the keyboard.
in_window() {
    for _ in $(seq 300); do
        [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ] && return
        sleep 0.1
    done
    fail "the keyboard never went to \"$1\""
}

# Waits until Orca has been quiet for a moment. Qt's bridge waits only 100 ms
# for the screen reader to take or pass on a key, then hands the key to the
# program anyway: a key of Orca's own, pressed while Orca is busy, would
# reach the program too.
settle() {
    local size=-1
    for _ in $(seq 100); do
        [ "$(stat -c %s "$ORCA_LOG")" = "$size" ] && return
        size=$(stat -c %s "$ORCA_LOG")
        sleep 0.3
    done
    echo "Orca did not fall quiet within 30 s; going on" >&2
}

press() {
    settle
    xdotool key --delay 150 "$@"
}

type_text() {
    settle
    xdotool type --delay 60 "$1"
}

window() {
    echo "$1:"
}

# A push button: Orca 43 says "push button", Orca 48 "button".
hear_button() {
    hear "$1"
    hear "button"
}

# Qt's bridge warns on standard error whenever the screen reader is slow to
# take a key; the keys still arrive.
setsid "$program" >"$program_log" 2>&1 &
program_pid=$!
trap 'kill -- "-$program_pid" 2>/dev/null || true' EXIT

window "Which Product"
hear "Which Product frame"
hear "Select the 11Mbps Tarvex WiFi product which you are using:"
hear "Tarvex KN40 Wireless PC Card"
hear "not selected radio button"
in_window "Which Product"

window "Select Product Connecting To"
press space
hear "Please select the Tarvex product which you are trying to communicate with:"
hear "Peer to Peer Mode (KN45, KN65, KN66)"
hear "not selected radio button"
in_window "Select Product Connecting To"
press Tab Tab
hear "KN85 Access Point"
hear "not selected radio button"

window "KN85 entry"
press space
hear "Please enter the KN85 Access Point  ASCII Encryption Key (5 or 13 characters):"
hear "ASCII key text"
in_window Keywright
type_text abc
press Tab
hear_button Convert
press space
hear "alert Invalid Key"
hear "Ascii WEP string must be 5 or 13 characters long!, please re-enter"
in_window "Invalid Key"
press Return
hear_button Convert
press shift+Tab
hear "abc selected"
type_text 'ascii test$$$'
press Tab
hear_button Convert
press space
hear notification
hear "Enter the following information into your KN40 configuration utility under 128-bit Encryption Manual Entry: 61 73 63 69 69 20 74 65 73 74 24 24 24"
press Tab
hear "128-bit key byte 13 read only text"
hear "24 selected"

window "About"
press alt
hear "Exit"
press Right Right
hear "About"
press Return
hear "About Keywright dialog Keywright Utility Version $version Description:"
hear_button OK
in_window "About Keywright"
press Return
hear "Keywright"
in_window Keywright

window "Which Product, again"
press alt Right
hear "Restart"
press Return
hear "Which Product frame"
in_window "Which Product"
press Tab
hear "Tarvex KN66 Wireless USB Adapter"
hear "not selected radio button"

window "Select Product Connecting To"
press space
hear "Please select the Tarvex product which you are trying to communicate with:"
hear "Adhoc/Peer to Peer Mode  (KN40, KN60)"
hear "not selected radio button"
in_window "Select Product Connecting To"

window "KN40 entry"
press space
hear "Please enter the KN40 Adhoc Hex Encryption Keys (5 or 13 boxes).  Must be in HEX range (20->7E)"
hear "Key byte 1 text"
in_window Keywright
for byte in 4b 65 79 21; do
    type_text "$byte"
    press Tab
done
type_text 7e
press Tab Tab Tab Tab Tab Tab Tab Tab Tab
hear_button Convert
press space
hear "ASCII key for the Client Manager read only text"
hear "Key!~ selected"
# Flat review: the line of the key box, the line above it, and what the
# object there is (Orca's own key with keypad 5).
press KP_Up
hear "Key!~"
press KP_Home
hear "Client Manager profile"
press Insert+KP_Begin
hear "Client Manager profile image"

press alt Return # Exit
# Running: neither gone nor a zombie.
running() { [[ "$(ps -o stat= -p "$program_pid")" == [^Z]* ]]; }
for _ in $(seq 100); do
    running || break
    sleep 0.1
done
running && fail "the program did not end within 10 s of Exit"
wait "$program_pid" || fail "the program ended with status $?"
echo "PASS"
