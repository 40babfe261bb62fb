#!/usr/bin/env bash
# Prints where tools/windows/build_qt.sh installs the Windows build of Qt: a
# cache folder named after the version of the host Qt, which it must match.
set -euo pipefail

upstream=$(dpkg-query -W -f='${source:Upstream-Version}' qt6-base-dev 2>/dev/null) || {
    echo "qt6-base-dev is not installed: run tools/setup.sh first" >&2
    exit 1
}
echo "${XDG_CACHE_HOME:-$HOME/.cache}/keywright/qt-${upstream%%+*}-mingw64"
