#!/usr/bin/env bash
# Prints where tools/windows/build_qt.sh installs the Windows build of Qt: a
# cache folder named after the version of the host Qt, which it must match.
# Keywright for Windows is built from a Qt that its makers still keep, 6.8 or
# later (Debian 13's): on an older host, this fails and names the way there.
set -euo pipefail

upstream=$(dpkg-query -W -f='${source:Upstream-Version}' qt6-base-dev 2>/dev/null) || {
    echo "qt6-base-dev is not installed: run tools/setup.sh first" >&2
    exit 1
}
version=${upstream%%+*}
if dpkg --compare-versions "$version" lt 6.8; then
    echo "Keywright for Windows is built from Qt 6.8 or later, not this machine's $version:" \
        "on Debian 12, in the Debian 13 root (tools/debian13/make_root.sh, then" \
        "tools/debian13/in_root.sh tools/windows/build_qt.sh)" >&2
    exit 1
fi
echo "${XDG_CACHE_HOME:-$HOME/.cache}/keywright/qt-$version-mingw64"
