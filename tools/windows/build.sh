#!/usr/bin/env bash
# Cross-builds Keywright.exe and its Qt Test suites for 64-bit Windows against
# the Qt of tools/windows/build_qt.sh, and packs the zip and the installer:
#   build-windows/Keywright-<version>-win64.zip and .exe
#   tools/windows/build.sh [build folder]
set -euo pipefail
repository=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$repository/build-windows}

source "$repository/tools/windows/packages.sh"
"$repository/tools/install_packages.sh" "${windows_packages[@]}"

qt=$("$repository/tools/windows/qt_prefix.sh")
[ -e "$qt/keywright-qt-complete" ] || {
    echo "No Windows build of Qt in $qt: run tools/windows/build_qt.sh first." >&2
    exit 1
}

"$qt/bin/qt-cmake" -S "$repository" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$repository/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$repository/tests/windows/under_wine.sh" \
    -DKEYWRIGHT_QT_SOURCE_VERSION="$(cat "$qt/keywright-qt-complete")" \
    -DKEYWRIGHT_WARNINGS_AS_ERRORS=ON
cmake --build "$build" --parallel "$(nproc)"
(cd "$build" && cpack)
ls -l "$build"/Keywright-*-win64.{zip,exe}
