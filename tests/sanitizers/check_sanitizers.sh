#!/usr/bin/env bash
# Builds the project again with Clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the suite there but for the Windows
# checks; any report fails a test. The main build uses GCC, so every run
# checks both compilers.
#   tests/sanitizers/check_sanitizers.sh <source dir> <build dir>
set -euo pipefail
source_dir=$1
build_dir=$2
here=$(cd "$(dirname "$0")" && pwd)

cmake --fresh -S "$source_dir" -B "$build_dir" -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=Debug -DKEYWRIGHT_SANITIZE=ON -DKEYWRIGHT_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" >/dev/null

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export ASAN_SYMBOLIZER_PATH=$(command -v llvm-symbolizer || true)
export LSAN_OPTIONS=suppressions=$here/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build_dir" --output-on-failure --label-exclude "nested|windows"
