#!/usr/bin/env bash
# Builds the Debian package, has lintian check it, unpacks it into a
# temporary folder and starts the unpacked program until its first window
# shows. Run on a display of its own:
#   tests/support/on_own_display.sh tests/packaging/check_debian_package.sh <build folder> <program name>
set -euo pipefail
build=$1
name=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
package=$(echo "$work"/keywright_*.deb)
lintian --fail-on error,warning "$package"

dpkg-deb -x "$package" "$work/unpacked"
"$here/../e2e/e2e.sh" start_program "$work/unpacked/usr/bin/$name"
