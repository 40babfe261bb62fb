#!/usr/bin/env bash
# Installs the build into a scratch prefix and validates what the desktop sees.
#   check_desktop_files.sh <build folder> <program name> <version>
set -euo pipefail
build_dir=$1
name=$2
version=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
app_id=net.keywright.Keywright
test -x "$prefix/bin/$name"
test -f "$prefix/share/icons/hicolor/32x32/apps/$app_id.png"
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
# Every finding fails but pedantic hints, with one accepted: Keywright has no
# homepage to give, which AppStream 1.0 asks for (0.16 does not).
accepted=()
[[ "$(appstreamcli --version)" == *"version: 0."* ]] ||
    accepted=(--override=url-homepage-missing=pedantic)
appstreamcli validate --no-net --strict --pedantic --explain "${accepted[@]}" \
    "$prefix/share/metainfo/$app_id.metainfo.xml"
grep -q "release version=\"$version\"" "$prefix/share/metainfo/$app_id.metainfo.xml"
grep -q "^Exec=$name\$" "$prefix/share/applications/$app_id.desktop"
echo "desktop files: installed and valid"
