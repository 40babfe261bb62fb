#!/usr/bin/env bash
# One step of the Windows checks, run from the Linux build:
#   build      tools/windows/build.sh makes Keywright.exe, the suites, the zip and the installer
#   suites     the Windows builds of the suites pass under Wine
#   program    the zip holds exactly what it must, and Keywright.exe unpacked from
#              it converts a key on a display of its own, driven by real input
#   resources  the program file carries its icon and version block
#   installer  a silent install, twice, starts; the uninstaller leaves nothing
# Exits with 77 (skipped) while there is no Windows build of Qt.
#   tests/windows/check_windows.sh STEP <source folder> <Windows build folder> <version>
set -euo pipefail
step=$1
source_dir=$2
build=$3
version=$4
here=$(cd "$(dirname "$0")" && pwd)

qt=$("$source_dir/tools/windows/qt_prefix.sh")
if [ ! -e "$qt/keywright-qt-complete" ]; then
    echo "skipped: no Windows build of Qt in $qt; tools/windows/build_qt.sh makes it (about half an hour)"
    exit 77
fi
package=$build/Keywright-$version-win64
work=$(mktemp -d)
source "$here/wine_prefix.sh"
trap 'end_wine_prefix; chmod -R u+w "$work"; rm -rf "$work"' EXIT

fail() {
    echo "FAIL ($step): $*" >&2
    exit 1
}

# Starts a Windows program through a script, as the e2e walk starts a program.
wine_starter() {
    printf '#!/bin/sh\nexec wine "%s"\n' "$1" >"$work/start"
    chmod +x "$work/start"
    echo "$work/start"
}

# Walks a scenario of the e2e script; Wine's own processes end with the walk,
# before its display does.
walk() { # program scenario
    "$source_dir/tests/support/on_own_display.sh" bash -c '"$@"; status=$?; wineserver -k; exit $status' \
        walk "$source_dir/tests/e2e/e2e.sh" "$(wine_starter "$1")" "$2"
}

step_build() {
    "$source_dir/tools/windows/build.sh" "$build"
}

step_suites() {
    ctest --test-dir "$build" --output-on-failure
}

step_program() {
    # Read-only, with spaces and letters beyond ASCII in its path.
    local folder="$work/Schlüssel für WEP"
    mkdir -p "$folder"
    unzip -q "$package.zip" -d "$folder"
    (cd "$folder/${package##*/}" && find . -type f | LC_ALL=C sort) >"$work/files"
    diff -u "$here/zip_files.txt" "$work/files" || fail "the zip holds other files than these"
    chmod -R a-w "$folder"
    make_wine_prefix
    walk "$folder/${package##*/}/Keywright.exe" kn40_user_joins_kn85
}

step_resources() {
    local program=$build/Keywright.exe field expected value
    wrestool -l "$program" >"$work/resources"
    grep -q -- '--type=14 --name=1 ' "$work/resources" || fail "no icon group 1"
    grep -q -- '--type=3 --name=30001 ' "$work/resources" || fail "no icon image 30001"
    # The version block's strings, one to a line, each name followed by its value.
    wrestool -x --raw -t 16 "$program" | iconv -f UTF-16LE -t UTF-8 -c | tr '\0' '\n' |
        grep -v '^$' >"$work/version"
    while read -r field expected; do
        value=$(grep -A1 -- "$field\$" "$work/version" | sed -n 2p)
        [ "$value" = "$expected" ] || fail "$field reads \"$value\", not \"$expected\""
    done <<FIELDS
CompanyName Tarvex
ProductName Keywright
FileVersion 1.00.0007
ProductVersion 1.00.0007
InternalName Keywright
OriginalFilename Keywright.exe
FIELDS
    echo "icon group 1, icon image 30001, and the version block's strings"
}

installed_keywright() {
    { grep -il keywright "$WINEPREFIX"/*.reg || true
      find "$WINEPREFIX/drive_c" -iname '*keywright*'; } | sed "s|$WINEPREFIX/||"
}

step_installer() {
    make_wine_prefix
    installed_keywright >"$work/before"
    for _ in 1 2; do
        wine "$package.exe" /S
        wineserver -w
    done
    local folder="$WINEPREFIX/drive_c/Program Files/Keywright"
    [ -e "$folder/Keywright.exe" ] || fail "nothing installed in Program Files\\Keywright"
    [ "$(find "$WINEPREFIX/drive_c" -iname 'Keywright.exe' | wc -l)" -eq 1 ] ||
        fail "more than one installation"
    find "$WINEPREFIX/drive_c" -ipath '*Start Menu*' -iname 'Keywright.lnk' | grep -q . ||
        fail "no Start-menu entry"
    local uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Keywright'
    wine reg query "$uninstall" /v DisplayVersion | grep -q "$version" || fail "no version under Apps"
    wine reg query "$uninstall" /v DisplayIcon | grep -qi 'Keywright.exe' || fail "no icon under Apps"
    wineserver -w # the next one starts with the display

    walk "$folder/Keywright.exe" start_program

    wine "$folder/Uninstall.exe" /S
    wineserver -w
    installed_keywright >"$work/after"
    diff -u "$work/before" "$work/after" || { grep -i -B2 -A3 keywright "$WINEPREFIX"/*.reg; fail "the uninstaller left these behind"; }
    echo "installed twice as one, started, and uninstalled without a trace"
}

"step_$step"
