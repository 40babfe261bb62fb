# Sourced: the Debian packages that building Keywright for Windows, packing it
# and checking it under Wine take (ImageMagick reads colours off the screen).
windows_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 nsis icoutils zip unzip locales
    strip-nondeterminism imagemagick)
