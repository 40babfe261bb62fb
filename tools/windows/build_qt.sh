#!/usr/bin/env bash
# Builds Qt's base module for 64-bit Windows from Debian's own source package,
# at the version of the host Qt, with Debian's MinGW-w64, trimmed to what
# Keywright uses. Takes about an hour on two cores; does nothing when the
# install is already complete. Prints where Qt went.
set -euo pipefail
repository=$(cd "$(dirname "$0")/../.." && pwd)

source "$repository/tools/windows/packages.sh"
"$repository/tools/install_packages.sh" "${windows_packages[@]}" \
    dpkg-dev xz-utils qt6-base-dev qt6-base-dev-tools

prefix=$("$repository/tools/windows/qt_prefix.sh")
complete_mark="$prefix/keywright-qt-complete"
if [ -e "$complete_mark" ]; then
    echo "$prefix"
    exit 0
fi

work="$prefix-work"
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/lists/partial"

# Debian's source, through a deb-src list of our own made from the machine's
# own archives; the machine's apt sources stay as they are.
sources="$work/apt/sources.list"
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -e "$file" ] && sed -n 's/^deb /deb-src /p' "$file"
done >"$sources"
for file in /etc/apt/sources.list.d/*.sources; do
    [ -e "$file" ] && sed 's/^Types:.*/Types: deb-src/' "$file" >"$work/apt/$(basename "$file")"
done
apt_options=(-o "Dir::Etc::sourcelist=$sources" -o "Dir::Etc::sourceparts=$work/apt"
    -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=")
apt-get "${apt_options[@]}" update
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
# dpkg-source applies Debian's patch series (security fixes among them) as it unpacks.
(cd "$work" && apt-get "${apt_options[@]}" source "qt6-base=$version")
source_dir="$work/qt6-base-$(dpkg-query -W -f='${source:Upstream-Version}' qt6-base-dev)"
echo "Debian patches applied: $(wc -l <"$source_dir/.pc/applied-patches") of" \
    "$(grep -cv '^\s*\(#\|$\)' "$source_dir/debian/patches/series")"

cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$repository/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_pkg_config=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF \
    -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_direct2d1_1=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF \
    -DFEATURE_testlib=ON -DFEATURE_gif=ON -DFEATURE_ico=ON -DFEATURE_jpeg=ON
cmake --build "$work/build" --parallel "$(nproc)"
cmake --install "$work/build" --strip

rm -rf "$work"
# The mark of a complete install names the source, for the licence notes.
echo "$version" >"$complete_mark"
echo "$prefix"
