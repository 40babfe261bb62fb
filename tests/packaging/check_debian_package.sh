#!/usr/bin/env bash
# Builds the Debian package, has lintian check it, unpacks it into a
# temporary folder and starts the unpacked program until its first window
# shows. Run on a display of its own:
#   xvfb-run -a tests/packaging/check_debian_package.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d)
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill -KILL -- "-$program_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
package=$(echo "$work"/keywright_*.deb)
lintian --fail-on error,warning "$package"

dpkg-deb -x "$package" "$work/unpacked"
setsid "$work/unpacked/usr/bin/Keywright" &
program_pid=$!
for _ in $(seq 600); do
    if xdotool search --onlyvisible --name '^Which Product$' >/dev/null 2>&1; then
        echo "$(basename "$package"): lintian is content, and the unpacked program starts"
        exit 0
    fi
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.05
done
echo "The unpacked program showed no window \"Which Product\"" >&2
exit 1
