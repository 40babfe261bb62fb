#!/usr/bin/env bash
# Walks a scenario with the program under strace, then checks that it wrote no
# file outside the system's own caches and runtime folder, and opened no
# socket but the display connection, the desktop bus and the system's own
# name service cache. The program gets a desktop bus of this test's own, or
# one that cannot be reached, so that what the machine runs does not matter.
#   tests/support/on_own_display.sh tests/e2e/no_files_no_network.sh <program> own-bus|no-bus
set -euo pipefail
program=$1
bus=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
source "$here/../support/own_bus.sh"
cleanup() {
    stop_own_bus
    rm -rf "$work"
}
trap cleanup EXIT

if [ "$bus" = own-bus ]; then
    start_own_bus "$work"
else
    # A set address also keeps libdbus from starting a bus of its own.
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus
fi

"$here/e2e.sh" kn40_user_joins_kn85 strace -f -qq -o "$work/trace" \
    -e trace=open,openat,creat,mkdir,rename,unlink,socket,connect "$program"

allowed_paths="\"(/dev/|/proc/|/sys/|${HOME}/\\.cache/|/var/cache/|/tmp/runtime-|/run/user/)"
writes=$(grep -E '(open|openat|creat|mkdir|rename|unlink)\(' "$work/trace" |
    grep -E 'O_WRONLY|O_RDWR|O_CREAT|creat\(|mkdir\(|rename\(|unlink\(' |
    grep -v -E "$allowed_paths" || true)
network=$(grep -E 'socket\((AF_INET|AF_INET6|AF_PACKET)' "$work/trace" || true)
connections=$(grep -E '^[0-9]+ +connect\(' "$work/trace" |
    grep -v -F "sun_path=\"$bus_socket\"" |
    grep -v -E 'sun_path=@?"(/tmp/\.X11-unix/X[0-9]+|/run/dbus/system_bus_socket|/var/run/dbus/system_bus_socket|/var/run/nscd/socket)"' || true)

if [ -n "$writes$network$connections" ]; then
    echo "Files written:"; echo "${writes:-none}"
    echo "Network sockets:"; echo "${network:-none}"
    echo "Other connections:"; echo "${connections:-none}"
    exit 1
fi
echo "no files written, no network used, with $bus ($(grep -c . "$work/trace") calls traced)"
