#!/usr/bin/env bash
# Compiles the generated resource script of Keywright.exe with the MinGW
# resource compiler, reads it back, and checks every field of the version
# block, the icon and the manifest. The version block's texts stand here as
# designed, padding and all.
set -euo pipefail
rc_file=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

windres=x86_64-w64-mingw32-windres
"$windres" --preprocessor=cpp --preprocessor-arg=-P -i "$rc_file" -o "$work/keywright.res" -O res
"$windres" -i "$work/keywright.res" -O rc >"$work/read_back.rc"

failures=0
expect() {
    if ! grep -qF -- "$1" "$work/read_back.rc"; then
        echo "missing: $1"
        failures=$((failures + 1))
    fi
}
expect 'FILEVERSION 1, 0, 0, 7'
expect 'PRODUCTVERSION 1, 0, 0, 7'
expect 'BLOCK "040904B0"'
expect 'VALUE "CompanyName", "Tarvex"'
expect 'VALUE "ProductName", "Keywright"'
expect 'VALUE "FileVersion", "1.00.0007"'
expect 'VALUE "ProductVersion", "1.00.0007"'
expect 'VALUE "InternalName", "Keywright"'
expect 'VALUE "OriginalFilename", "Keywright.exe"'
expect 'VALUE "Translation", 0x409, 1200'
expect '30001 3 /* RT_ICON */'
expect '1 14 /* RT_GROUP_ICON */'
expect '1 24 /* RT_MANIFEST */'
expect '"\040\040\020\000", 1, 4, 0x2e8L, 30001'
# The icons are language neutral; the version block is US English.
[ "$(grep -B3 '30001 3 /\* RT_ICON' "$work/read_back.rc" | grep -c 'LANGUAGE 0, 0')" -eq 1 ] ||
    { echo "the icon is not language neutral"; failures=$((failures + 1)); }
grep -A2 'LANGUAGE 9, 1' "$work/read_back.rc" | grep -q VERSIONINFO ||
    { echo "the version block is not US English"; failures=$((failures + 1)); }

if [ "$failures" -ne 0 ]; then
    cat "$work/read_back.rc" | grep -v '0x' | head -60
    exit 1
fi
echo "version resource: all fields read back"
