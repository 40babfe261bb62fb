#!/usr/bin/env bash
# Installs the build into a scratch prefix and validates what the desktop sees.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null
app_id=net.keywright.Keywright
test -x "$prefix/bin/Keywright"
test -f "$prefix/share/icons/hicolor/32x32/apps/$app_id.png"
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$app_id.metainfo.xml"
grep -q 'release version="1.0.7"' "$prefix/share/metainfo/$app_id.metainfo.xml"
echo "desktop files: installed and valid"
