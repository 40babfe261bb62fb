#!/usr/bin/env bash
# Installs what Keywright needs from Debian's packages (only what is missing),
# then configures and builds it in build/. Run as root or as a user with sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-qpa-plugins qt6-wayland libgl-dev
    fonts-comic-neue fonts-dejavu-core fonts-liberation
    xvfb xauth xdotool xclip x11-utils x11-xserver-utils strace weston dbus-daemon
    orca at-spi2-core speech-dispatcher speech-dispatcher-audio-plugins openbox
    clang-format
    binutils-mingw-w64-x86-64 desktop-file-utils appstream lintian
    clang libclang-rt-dev llvm time
)

tools/install_packages.sh "${packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEYWRIGHT_WARNINGS_AS_ERRORS=ON
cmake --build build --parallel "$(nproc)"
