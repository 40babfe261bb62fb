#!/usr/bin/env bash
# One step of the Windows checks, run from the Linux build:
#   build         tools/windows/build.sh makes both programs, the suites, the zip and the installer
#   suites        the Windows builds of the suites pass under Wine
#   program       the zip holds exactly what it must, and the windows' program unpacked
#                 from it converts a key on a display of its own, driven by real input,
#                 and again as on Windows 11 in dark mode (in the classic colours), at
#                 text sizes of 150 and 225 %, and under a contrast theme (in its colours)
#   ui_automation a UI Automation client of the checks' own reads the windows of the
#                 unpacked program through Wine's UI Automation: the prompts, the options,
#                 the pictures and the boxes, the result that a conversion raises as a
#                 notification, and the one focus change into the KN40 key box
#   console       the console command in cmd.exe: both conversions from an argument and
#                 from a pipe, a refused key and a usage error, with their exit statuses,
#                 Qt's own options handed to the windows' program, and keys from files
#                 and pipes in the console code pages 437, 850 and 65001 of a terminal
#   resources     both program files carry the icon, the version block and the manifest
#   installer     a silent install, twice, starts; the uninstaller leaves nothing; an
#                 install page by page starts Keywright from its last page
#   reproducible  a second build, in a folder one level deeper, gives the same program
#                 files, zip and installer, byte for byte
# Exits with 77 (skipped) while there is no Windows build of Qt, or the host's Qt is
# older than the one that Keywright for Windows is built from.
#   tests/windows/check_windows.sh STEP <source folder> <Windows build folder> <name> <version>
set -euo pipefail
step=$1
source_dir=$2
build=$3
name=$4
version=$5
here=$(cd "$(dirname "$0")" && pwd)

if ! qt=$("$source_dir/tools/windows/qt_prefix.sh" 2>&1); then
    echo "skipped: $qt; the debian13 test runs these checks there"
    exit 77
fi
if [ ! -e "$qt/keywright-qt-complete" ]; then
    echo "skipped: no Windows build of Qt in $qt; tools/windows/build_qt.sh makes it (about an hour;" \
        "in the Debian 13 root: tools/debian13/in_root.sh tools/windows/build_qt.sh)"
    exit 77
fi
package=$build/$name-$version-win64
work=$(mktemp -d)
source "$here/wine_prefix.sh"
trap 'end_wine_prefix; chmod -R u+w "$work"; rm -rf "$work"' EXIT

fail() {
    echo "FAIL ($step): $*" >&2
    exit 1
}

# Unpacks the zip into the folder; prints where the programs are.
unpack() {
    mkdir -p "$1"
    unzip -q "$package.zip" -d "$1"
    echo "$1/${package##*/}"
}

# Walks a scenario of the e2e script; Wine's own processes end with the walk,
# before its display does.
walk() { # scenario program
    "$source_dir/tests/support/on_own_display.sh" bash -c '"$@"; status=$?; wineserver -k; exit $status' \
        walk "$source_dir/tests/e2e/e2e.sh" "$1" wine "$2"
}

step_build() {
    "$source_dir/tools/windows/build.sh" "$build"
}

# On a display, for the suite that runs on Windows' own display platform.
step_suites() {
    "$source_dir/tests/support/on_own_display.sh" ctest --test-dir "$build" --output-on-failure
}

step_program() {
    # Read-only, with spaces and letters beyond ASCII in its path.
    local program
    program=$(unpack "$work/Schlüssel für WEP")
    (cd "$program" && find . -type f | LC_ALL=C sort) >"$work/files"
    diff -u "$here/zip_files.txt" "$work/files" || fail "the zip holds other files than these"
    chmod -R a-w "$work/Schlüssel für WEP"
    make_wine_prefix
    walk kn40_user_joins_kn85 "$program/$name.exe"
    # Again as on Windows 11 in dark mode, where Qt would pick another style
    # and a dark palette: the designed look, colours and places hold there too.
    set_dark_mode
    E2E_GROUND='#D4D0C8' walk kn40_user_joins_kn85 "$program/$name.exe"
    # At a larger text size the windows grow with it, and the walk clicks
    # and reads at its scale; under a contrast theme as well, in its colours.
    local size
    for size in 150 225; do
        set_text_size "$size"
        E2E_SCALE=$(awk "BEGIN { print $size / 100 }") walk kn40_user_joins_kn85 "$program/$name.exe"
    done
    set_contrast_colours
    KEYWRIGHT_HIGH_CONTRAST=1 E2E_SCALE=2.25 E2E_GROUND='#202020' \
        walk kn40_user_joins_kn85 "$program/$name.exe"
}

# What a UI Automation client reads through Wine's own UI Automation, in
# order: each window as the walks reach it, then the focus changes and the
# notifications as they come. The key box takes the focus once per Convert.
heard_through_ui_automation() {
    cat <<'HEARD'
window "Which Product"
group "Select the 11Mbps Tarvex WiFi product which you are using:"
radio button "Tarvex KN45 Wireless PC Card"
radio button "Tarvex KN40 Wireless PC Card"
window "Select Product Connecting To"
group "Please select the Tarvex product which you are trying to communicate with:"
radio button "KN85 Access Point"
window "Keywright"
group "Please enter the KN85 Access Point  ASCII Encryption Key (5 or 13 characters):"
edit "ASCII key"
button "Convert"
notification: Enter the following information into your KN40 configuration utility under 128-bit Encryption Manual Entry: 61 73 63 69 69 20 74 65 73 74 24 24 24
window "Keywright"
group "Please enter the KN40 Adhoc Hex Encryption Keys (5 or 13 boxes).  Must be in HEX range (20->7E)"
image "Client Manager profile"
edit "Key byte 1"
edit "Key byte 13"
edit "ASCII key for the Client Manager"
focus: edit "ASCII key for the Client Manager"
HEARD
}

step_ui_automation() {
    local program client=$work/read_window told=$work/told.txt wine_log=$work/wine.log walked=0
    local heard=0 line at scenario
    program=$(unpack "$work/program")
    make_wine_prefix
    # Wine's notification function writes what it is given to its log.
    export WINEDEBUG=-all,fixme+uiautomation
    # The walks run this as each window comes up: the first one starts the
    # listener of focus changes too.
    cat >"$client" <<CLIENT
#!/bin/sh
if [ "\$1" = "Which Product" ] && ! grep -q -s '^listening' "$told"; then
    wine "$build/tests/windows/helpers/uia_client.exe" focus >>"$told" &
    for _ in \$(seq 300); do
        grep -q -s '^listening' "$told" && break
        sleep 0.1
    done
    grep -q -s '^listening' "$told" ||
        { echo "the UI Automation client did not listen for focus changes within 30 s" >&2; exit 1; }
fi
exec wine "$build/tests/windows/helpers/uia_client.exe" tree "\$1" >>"$told"
CLIENT
    chmod +x "$client"
    for scenario in kn40_user_joins_kn85 kn45_user_copies_adhoc_key; do
        : >"$told"
        E2E_ON_WINDOW=$client walk "$scenario" "$program/$name.exe" 2>"$wine_log" || walked=1
        grep -v ':fixme:' "$wine_log" >&2 || true
        sed -n 's/^.*:UiaRaiseNotificationEvent ([^,]*, [0-9]*, [0-9]*, L"\(.*\)", L"[^"]*"): stub$/notification: \1/p' \
            "$wine_log" >>"$told"
        cat "$told" >>"$work/heard.txt"
    done
    echo "What the UI Automation client read:"
    sed 's/^/    /' "$work/heard.txt"
    [ "$walked" -eq 0 ] || fail "a walk failed (above)"
    while IFS= read -r line; do
        at=$(tail -n +$((heard + 1)) "$work/heard.txt" | grep -n -F -m 1 -- "$line" | cut -d: -f1) ||
            fail "UI Automation did not tell, in its place: $line"
        heard=$((heard + at))
    done < <(heard_through_ui_automation)
    [ "$(grep -c '^focus: edit "ASCII key for the Client Manager"' "$work/heard.txt")" -eq 1 ] ||
        fail "the key box did not take the focus exactly once for one Convert"
}

# Each line, separated by tabs: what the batch file does, the command, the
# exit status it must see, and the file that holds the answer or the message,
# with what its first line must be.
console_walk() {
    local tab=$'\t'
    cat <<WALK
to-hex, argument${tab}$name --to-hex abcde > hex.txt 2>&1${tab}0${tab}hex.txt${tab}61 62 63 64 65
to-hex, pipe${tab}echo ascii test\$\$\$| $name --to-hex > hex-piped.txt 2>&1${tab}0${tab}hex-piped.txt${tab}61 73 63 69 69 20 74 65 73 74 24 24 24
to-ascii, argument${tab}$name --to-ascii 4b:65:79:21:7e > ascii.txt 2>&1${tab}0${tab}ascii.txt${tab}Key!~
to-ascii, pipe${tab}echo 4B6579217E| $name --to-ascii > ascii-piped.txt 2>&1${tab}0${tab}ascii-piped.txt${tab}Key!~
refused key${tab}$name --to-hex abc > refused.txt 2>&1${tab}1${tab}refused.txt${tab}Ascii WEP string must be 5 or 13 characters long!, please re-enter
usage error${tab}$name --to-base64 > usage.txt 2>&1${tab}2${tab}usage.txt${tab}$name: Unknown option 'to-base64'.
windows, Qt's own option${tab}$name -platform bogus > windows.txt 2>&1${tab}0${tab}windows.txt${tab}$name: its windows cannot start. Qt says:
WALK
}

subsystem() {
    x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^Subsystem.*(\(.*\))$/\1/p'
}

step_console() {
    local program
    program=$(unpack "$work/program")
    # The console waits for a console program only: Wine's cmd waits inside a
    # batch file for any program, so the subsystems are read from the files.
    [ "$(subsystem "$program/$name.com")" = "Windows CUI" ] || fail "$name.com is not a console program"
    [ "$(subsystem "$program/$name.exe")" = "Windows GUI" ] || fail "$name.exe is not a program with windows"

    # The bare word, as a user types it: cmd.exe finds the .com first.
    {
        echo '@echo off'
        echo 'echo PATHEXT %PATHEXT%'
        console_walk | while IFS=$'\t' read -r what command _; do
            echo "$command"
            echo "echo $what: %ERRORLEVEL%"
        done
        echo 'exit /b 0'
    } | sed 's/$/\r/' >"$program/walk.bat"
    make_wine_prefix
    (cd "$program" && wine cmd /c walk.bat) | tr -d '\r' | tee "$work/said"
    wine_ended # the windows' program, started and left by the console command, has spoken
    grep -q -i '^PATHEXT \.COM;.*\.EXE' "$work/said" || fail "cmd.exe does not try .COM before .EXE"
    local what status file answer
    while IFS=$'\t' read -r what _ status file answer; do
        grep -q -x -F "$what: $status" "$work/said" || fail "$what: not exit status $status"
        [ "$(tr -d '\r' <"$program/$file" | head -n 1)" = "$answer" ] ||
            fail "$what: \"$(cat "$program/$file")\", not \"$answer\""
    done < <(console_walk)
    handed_over "$program"
    code_pages "$program"
}

# Each line, separated by tabs: the console's code page, what the key is,
# where it comes from (a file, or cmd.exe's echo), and the exit status and
# the pattern of the first line of the answer or message (tst_terminal
# checks the advice that follows the readings). Wine's ANSI code page is 1252.
code_page_walk() {
    local tab=$'\t'
    local two_keys="$name: the key reads as different keys in code page 850 (the console's) and in"
    two_keys+=" code page 1252 (the ANSI one): *"
    cat <<WALK
437${tab}an ANSI file with é${tab}< ansi.txt${tab}0${tab}63 6C E9 31 32
850${tab}an ANSI file with é${tab}< ansi.txt${tab}1${tab}$two_keys
850${tab}cmd's echo of é${tab}echo-850${tab}1${tab}$two_keys
850${tab}UTF-8 with a mark${tab}< utf8-marked.txt${tab}0${tab}63 6C E9 31 32
850${tab}UTF-8 without a mark${tab}< utf8.txt${tab}0${tab}63 6C E9 31 32
850${tab}UTF-16 with an odd byte${tab}< utf16-odd.txt${tab}1${tab}$name: the key is not UTF-16 after its byte-order mark.
65001${tab}UTF-8 without a mark${tab}< utf8.txt${tab}0${tab}63 6C E9 31 32
437${tab}plain ASCII${tab}< ascii.txt${tab}0${tab}61 62 63 64 65
WALK
}

# Keys from files and pipes, read by the console command in the console's
# code page that a terminal gives Wine's console: the locale's (437 in the
# United States, 850 in Germany), or UTF-8 after chcp 65001.
code_pages() { # program folder
    local folder=$1 locales=$work/locales page locale number=0 what status answer said
    printf 'cl\xe912\r\n' >"$folder/ansi.txt" # Windows PowerShell 5.1's Set-Content, old Notepad
    printf '\xef\xbb\xbfcl\xc3\xa912\r\n' >"$folder/utf8-marked.txt"
    printf 'cl\xc3\xa912\r\n' >"$folder/utf8.txt" # PowerShell 7, most editors
    printf '\xff\xfec\x00l\x00\xe9\x001\x002\x00\n' >"$folder/utf16-odd.txt"
    printf 'abcde\r\n' >"$folder/ascii.txt"
    mkdir -p "$locales"
    for locale in en_US de_DE; do
        localedef -i "$locale" -f UTF-8 "$locales/$locale.UTF-8"
    done
    # Row N of the walk answers into out-N.txt and status-N.txt.
    for page in 437 850 65001; do
        {
            echo '@echo off'
            [ "$page" != 65001 ] || echo 'chcp 65001 >nul'
            code_page_walk | grep -n '' | while IFS=$'\t' read -r at _ from _; do
                [ "${at#*:}" = "$page" ] || continue
                if [ "$from" = echo-850 ]; then
                    printf 'echo cl\x8212| %s --to-hex > out-%s.txt 2>&1\n' "$name" "${at%%:*}"
                else
                    echo "$name --to-hex $from > out-${at%%:*}.txt 2>&1"
                fi
                echo "echo %ERRORLEVEL% > status-${at%%:*}.txt"
            done
            echo 'exit /b 0'
        } | sed 's/$/\r/' >"$folder/code-page-$page.bat"
        locale=en_US.UTF-8
        [ "$page" != 850 ] || locale=de_DE.UTF-8
        (cd "$folder" && LOCPATH=$locales LC_ALL=$locale script --quiet --return \
            --command "wine cmd /c code-page-$page.bat" /dev/null </dev/null >/dev/null)
    done
    while IFS=$'\t' read -r page what _ status answer; do
        number=$((number + 1))
        said=$(tr -d '\r' <"$folder/out-$number.txt" | head -n 1)
        [ "$(tr -d '\r ' <"$folder/status-$number.txt")" = "$status" ] && [[ "$said" == $answer ]] ||
            fail "code page $page, $what: status $(cat "$folder/status-$number.txt"), \"$said\""
        echo "code page $page, $what: $said"
    done < <(code_page_walk)
}

# What Keywright.com hands the windows' program, as a stand-in for that
# program tells it: the caller's files, but never a pipe of the caller's,
# which a script that captures the output would read until the last window
# closed. Wine's cmd.exe returns at once either way.
handed_over() { # program folder, whose windows' program the stand-in replaces
    local stand_in=$1 handles=$work/handles.txt
    cp "$build/tests/windows/helpers/standard_handles.exe" "$stand_in/$name.exe"
    KEYWRIGHT_HANDLES_LOG=$(winepath -w "$handles" 2>/dev/null)
    export KEYWRIGHT_HANDLES_LOG
    (cd "$stand_in" && wine "$name.com" -style fusion </dev/null 2>&1 | cat >/dev/null)
    wine_ended
    [ "$(tr '\n' ' ' <"$handles")" = "input: character device output: character device error: character device " ] ||
        fail "the windows' program was handed a pipe of the caller's: $(cat "$handles")"
    (cd "$stand_in" && wine "$name.com" -style fusion <"$stand_in/LICENSE.txt" >"$work/out.txt" 2>&1)
    wine_ended
    [ "$(tr '\n' ' ' <"$handles")" = "input: file output: file error: file " ] ||
        fail "the windows' program was not handed the caller's files: $(cat "$handles")"
    echo "handed over: nothing for a pipe, the caller's files"
}

# What the version block of a program file must say: what its resource script says.
expected_versions() { # program file
    sed -n 's/^ *VALUE "\(.*\)", "\(.*\)"$/\1 \2/p' "$build/resources/$1.rc"
}

step_resources() {
    local program field expected value
    for program in "$name.exe" "$name.com"; do
        wrestool -l "$build/$program" >"$work/resources"
        grep -q -- '--type=14 --name=1 ' "$work/resources" || fail "$program: no icon group 1"
        grep -q -- '--type=3 --name=30001 ' "$work/resources" || fail "$program: no icon image 30001"
        # The version block's strings, one to a line, each name followed by its value.
        wrestool -x --raw -t 16 "$build/$program" | iconv -f UTF-16LE -t UTF-8 -c | tr '\0' '\n' |
            grep -v '^$' >"$work/version"
        while read -r field expected; do
            value=$(grep -A1 -- "$field\$" "$work/version" | sed -n 2p)
            [ "$value" = "$expected" ] || fail "$program: $field reads \"$value\", not \"$expected\""
        done < <(expected_versions "$program")
        wrestool -x --raw -t 24 "$build/$program" >"$work/manifest"
        for part in 'level="asInvoker"' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' \
            'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
            '>PerMonitorV2</dpiAwareness>' '>true/pm</dpiAware>'; do
            grep -q -F -- "$part" "$work/manifest" || fail "$program: the manifest lacks $part"
        done
    done
    echo "both programs: icon group 1, icon image 30001, the version block and the manifest"
}

installed_keywright() {
    { grep -il "$name" "$WINEPREFIX"/*.reg || true
      find "$WINEPREFIX/drive_c" -iname "*$name*"; } | sed "s|$WINEPREFIX/||"
}

step_installer() {
    make_wine_prefix
    installed_keywright >"$work/before"
    for _ in 1 2; do
        wine "$package.exe" /S
        wine_ended
    done
    local folder="$WINEPREFIX/drive_c/Program Files/$name"
    [ -e "$folder/$name.exe" ] && [ -e "$folder/$name.com" ] ||
        fail "the programs are not installed in Program Files\\$name"
    [ "$(find "$WINEPREFIX/drive_c" -iname "$name.exe" | wc -l)" -eq 1 ] ||
        fail "more than one installation"
    find "$WINEPREFIX/drive_c" -ipath '*Start Menu*' -iname "$name.lnk" | grep -q . ||
        fail "no Start-menu entry"
    local uninstall="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$name"
    wine reg query "$uninstall" /v DisplayVersion | grep -q "$version" || fail "no version under Apps"
    wine reg query "$uninstall" /v DisplayIcon | grep -qi "$name.exe" || fail "no icon under Apps"
    wine_ended # the next one starts with the display

    walk start_program "$folder/$name.exe"

    wine "$folder/Uninstall.exe" /S
    wine_ended
    installed_keywright >"$work/after"
    diff -u "$work/before" "$work/after" || { grep -i -B2 -A3 "$name" "$WINEPREFIX"/*.reg; fail "the uninstaller left these behind"; }
    echo "installed twice as one, started, and uninstalled without a trace"

    "$source_dir/tests/support/on_own_display.sh" bash -c \
        "$(declare -f through_the_pages); through_the_pages \"\$@\"" pages "$package.exe" "$name" ||
        fail "the last page of the installer did not start $name"
    wine "$folder/Uninstall.exe" /S
    wine_ended
    echo "installed page by page, and started from the last page"
}

# Goes through the installer's pages as a user does, Enter on each, with
# "Run Keywright" ticked on the last: it must start Keywright, which the
# installer hands to the desktop's shell, so that it runs as the user who is
# logged on rather than with the installer's administrator rights.
through_the_pages() { # installer, name
    wine "$1" &
    local started=0
    for _ in $(seq 60); do
        # A page takes a moment to take the keyboard after it shows.
        sleep 2
        # Looked for just before each Enter: the installer's window may still
        # show when Keywright's comes up, and an Enter would take it a page on.
        if xdotool search --onlyvisible --name "^Which Product\$" >/dev/null 2>&1; then
            started=1
            break
        fi
        xdotool search --onlyvisible --name "$2 Setup" >/dev/null 2>&1 && xdotool key Return
    done
    wineserver -k
    ((started))
}

step_reproducible() {
    local again=$work/one/level/deeper file
    "$source_dir/tools/windows/build.sh" "$again" >"$work/build.log" 2>&1 ||
        { cat "$work/build.log"; fail "the second build failed"; }
    for file in "$name.exe" "$name.com" "${package##*/}.zip" "${package##*/}.exe"; do
        if ! cmp "$build/$file" "$again/$file"; then
            cmp -l "$build/$file" "$again/$file" | head -n 20
            fail "$file differs between two builds of one commit"
        fi
        echo "$(sha256sum <"$build/$file" | cut -d' ' -f1)  $file"
    done
}

"step_$step"
