#!/usr/bin/env bash
# Builds the program again in a second folder and packs both builds: the two
# Debian packages must be the same, byte for byte.
#   tests/packaging/check_reproducible_package.sh <source folder> <build folder> <second folder>
set -euo pipefail
source_dir=$1
build=$2
second=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
cmake --fresh -S "$source_dir" -B "$second" -DCMAKE_BUILD_TYPE="$build_type" -DBUILD_TESTING=OFF >/dev/null
cmake --build "$second" --parallel "$(nproc)" >/dev/null

for folder in "$build" "$second"; do
    mkdir -p "$work/${folder##*/}"
    cpack -G DEB --config "$folder/CPackConfig.cmake" -B "$work/${folder##*/}" >/dev/null
done
first_package=$(echo "$work/${build##*/}"/keywright_*.deb)
second_package=$(echo "$work/${second##*/}"/keywright_*.deb)
if ! cmp "$first_package" "$second_package"; then
    for package in "$first_package" "$second_package"; do
        echo "--- $package"
        dpkg-deb -c "$package"
        dpkg-deb -x "$package" "$package.files"
    done
    diff -r "$first_package.files" "$second_package.files" || true
    exit 1
fi
echo "the same package from both folders: $(sha256sum <"$first_package" | cut -c1-16)…"
