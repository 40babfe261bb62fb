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
test -x "$prefix/bin/$name"
test -f "$prefix/share/icons/hicolor/32x32/apps/$app_id.png"
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
# Every finding fails but pedantic hints, and the one that the build accepts.
accepted=()
[ -z "$accepted_finding" ] || accepted=(--override="$accepted_finding=pedantic")
appstreamcli validate --no-net --strict --pedantic --explain "${accepted[@]}" \
    "$prefix/share/metainfo/$app_id.metainfo.xml"
grep -q "release version=\"$version\"" "$prefix/share/metainfo/$app_id.metainfo.xml"
grep -q "^Exec=$name\$" "$prefix/share/applications/$app_id.desktop"
echo "desktop files: installed and valid"
