#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while.
#   tests/fuzz/run_fuzzers.sh <build dir> [seconds per target, default 30]
# A longer hunt, for example ten minutes each:
#   tests/fuzz/run_fuzzers.sh build/fuzz 600
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build_dir=$1
seconds=${2:-30}

cmake -S "$here" -B "$build_dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" >/dev/null

for fuzzer in fuzz_ascii_to_hex fuzz_hex_to_ascii; do
    corpus="$build_dir/corpus/$fuzzer"
    mkdir -p "$corpus"
    log="$build_dir/$fuzzer.log"
    status=0
    "$build_dir/$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build_dir/$fuzzer-" -dict="$here/hex_boxes.dict" "$corpus" >"$log" 2>&1 || status=$?
    echo "$fuzzer: $(grep -E '^Done' "$log" || echo 'stopped')"
    if [ "$status" -ne 0 ]; then
        grep -E 'invariant|ERROR|SUMMARY|artifact' "$log"
        echo "$fuzzer found a fault"
        exit 1
    fi
done
