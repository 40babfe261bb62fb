#!/usr/bin/env bash
# Installs the build into a scratch prefix and validates what the desktop sees.
#   check_desktop_files.sh <build folder> <command> <version> [accepted finding]
set -euo pipefail
build_dir=$1
name=$2
version=$3
accepted_finding=${4:-} # an AppStream finding that the build accepts
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
app_id=net.keywright.Keywright
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
# The command that software centres find the package by is the one that it
# installs and the one that the desktop entry starts.
binary=$(sed -n 's|^ *<binary>\(.*\)</binary>$|\1|p' "$metainfo")
[ "$binary" = "$name" ] && [ "$(ls "$prefix/bin")" = "$name" ] && test -x "$prefix/bin/$name" ||
    { echo "the metainfo provides \"$binary\"; bin/ holds: $(ls "$prefix/bin")" >&2; exit 1; }
grep -q "^Exec=$binary\$" "$prefix/share/applications/$app_id.desktop" ||
    { echo "the desktop entry does not start $binary" >&2; exit 1; }
test -f "$prefix/share/icons/hicolor/32x32/apps/$app_id.png"
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
# Every finding fails but pedantic hints, and the one that the build accepts.
accepted=()
[ -z "$accepted_finding" ] || accepted=(--override="$accepted_finding=pedantic")
appstreamcli validate --no-net --strict --pedantic --explain "${accepted[@]}" \
    "$metainfo"
grep -q "release version=\"$version\"" "$metainfo"
echo "desktop files: installed and valid"
