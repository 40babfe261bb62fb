#!/usr/bin/env bash
# Prints Keywright's start-up time to the first window on screen and its peak
# memory against a bare Qt 6 window built by the same build (medians, and their
# ratios), then the time from a Convert press to the painted result.
#   tests/support/on_own_display.sh tools/benchmarks/run_benchmarks.sh <build dir> [runs]
set -euo pipefail
build_dir=$1
runs=${2:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/window_timing.sh"

# Starts a program, waits until its window is mapped, then ends it; prints the
# milliseconds to the window and the peak resident memory in KiB.
start_once() {
    local program=$1 title=$2 begin milliseconds timer
    begin=$(date +%s%N)
    /usr/bin/time -f %M -o "$work/memory" "$program" 2>/dev/null &
    timer=$!
    milliseconds=$(milliseconds_to_window "$begin" "$title")
    sleep 0.5 # let it settle, so that the peak includes the first paint
    pkill -TERM -P "$timer"
    wait "$timer" 2>/dev/null || true
    echo "$milliseconds $(tail -n 1 "$work/memory")"
    echo "  $title: $milliseconds ms" >&2
}

measure() {
    local name=$1 program=$2 title=$3
    for _ in $(seq "$runs"); do start_once "$program" "$title"; done >"$work/$name"
    echo "$(cut -d' ' -f1 "$work/$name" | median) $(cut -d' ' -f2 "$work/$name" | median)"
}

start_once "$build_dir/keywright" 'Which Product' >/dev/null # warm the caches
read -r keywright_ms keywright_kib < <(measure keywright "$build_dir/keywright" 'Which Product')
read -r bare_ms bare_kib < <(measure bare "$build_dir/tools/benchmarks/bare_window" 'Bare Window')

echo "Start-up to the first window, median of $runs runs:"
printf '  Keywright %6s ms   bare Qt window %6s ms   ratio %.2f\n' "$keywright_ms" "$bare_ms" \
    "$(awk "BEGIN { print $keywright_ms / $bare_ms }")"
echo "Peak resident memory, median of $runs runs:"
printf '  Keywright %6s KiB  bare Qt window %6s KiB  ratio %.2f\n' "$keywright_kib" "$bare_kib" \
    "$(awk "BEGIN { print $keywright_kib / $bare_kib }")"
echo "Convert press to painted result:"
"$build_dir/tools/benchmarks/convert_latency" | sed 's/^/  /'
