#!/usr/bin/env bash
# Runs a Windows program under Wine, in a Wine prefix of its own that is made
# afresh and removed afterwards. The program finds the Windows build of Qt and
# the MinGW runtime on its path, and the fonts of the look in one folder for
# Qt's offscreen platform. WINE_TEXT_SIZE (per cent), KEYWRIGHT_HIGH_CONTRAST
# and WINE_DARK_MODE give the prefix that text size, a contrast theme's
# colours and Windows 11's dark mode. The Windows build's
# CMAKE_CROSSCOMPILING_EMULATOR.
#   tests/windows/under_wine.sh PROGRAM.exe [ARGUMENT...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
qt=$("$here/../../tools/windows/qt_prefix.sh")

source "$here/wine_prefix.sh"
trap end_wine_prefix EXIT
make_wine_prefix
[ -z "${WINE_TEXT_SIZE:-}" ] || set_text_size "$WINE_TEXT_SIZE"
[ -z "${KEYWRIGHT_HIGH_CONTRAST:-}" ] || set_contrast_colours
[ -z "${WINE_DARK_MODE:-}" ] || set_dark_mode

windows_path() {
    winepath -w "$1" 2>/dev/null
}
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
threads=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$runtime");$(windows_path "$threads")"
WINEQT_PLUGIN_PATH=$(windows_path "$qt/plugins")
WINEQT_QPA_FONTDIR=$(windows_path "$WINEPREFIX/fonts")
export WINEPATH WINEQT_PLUGIN_PATH WINEQT_QPA_FONTDIR
export WINEQT_FORCE_STDERR_LOGGING=1

wine "$@"
