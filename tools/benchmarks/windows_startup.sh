#!/usr/bin/env bash
# Prints the start-up time to the first window of Keywright.exe under Wine
# against a bare Qt window built with the same Qt for Windows, both started
# from the unpacked zip (medians, and their ratio). Needs tools/windows/build.sh.
#   tests/support/on_own_display.sh tools/benchmarks/windows_startup.sh [Windows build folder] [runs]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build-windows}
runs=${2:-10}
source "$here/window_timing.sh"
source "$here/../../tests/windows/wine_prefix.sh"
trap end_wine_prefix EXIT
make_wine_prefix
wineserver -p # one server for every start, as on a running desktop

folder=$WINEPREFIX/unpacked
unzip -q "$build"/Keywright-*-win64.zip -d "$folder"
folder=$(echo "$folder"/Keywright-*-win64)
cp "$build/bare_window.exe" "$folder/"

start_once() { # program title
    local begin milliseconds program
    begin=$(date +%s%N)
    wine "$folder/$1" >/dev/null 2>&1 &
    program=$!
    milliseconds=$(milliseconds_to_window "$begin" "$2")
    kill "$program"
    wait "$program" || true
    echo "$milliseconds"
    echo "  $2: $milliseconds ms" >&2
}

measure() {
    for _ in $(seq "$runs"); do start_once "$@"; done | median
}

start_once Keywright.exe 'Which Product' >/dev/null # a cold start, for Wine's own caches
keywright_ms=$(measure Keywright.exe 'Which Product')
bare_ms=$(measure bare_window.exe 'Bare Window')
echo "Start-up under Wine to the first window, median of $runs runs:"
printf '  Keywright.exe %6s ms   bare Qt window %6s ms   ratio %.2f\n' "$keywright_ms" "$bare_ms" \
    "$(awk "BEGIN { print $keywright_ms / $bare_ms }")"
