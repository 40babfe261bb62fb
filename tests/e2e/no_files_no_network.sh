#!/usr/bin/env bash
# Walks a scenario with the program under strace, then checks that it wrote no
# file outside the system's own caches and runtime folder, and opened no
# socket but the display connection, the desktop bus and the system's own
# name service cache.
#   xvfb-run -a tests/e2e/no_files_no_network.sh <program>
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/traced" <<TRACED
#!/bin/sh
exec strace -f -qq -o "$work/trace" -e trace=open,openat,creat,mkdir,rename,unlink,socket,connect "$program"
TRACED
chmod +x "$work/traced"
"$here/e2e.sh" "$work/traced" kn40_user_joins_kn85

allowed_paths="\"(/dev/|/proc/|/sys/|${HOME}/\\.cache/|/var/cache/|/tmp/runtime-|/run/user/)"
writes=$(grep -E '(open|openat|creat|mkdir|rename|unlink)\(' "$work/trace" |
    grep -E 'O_WRONLY|O_RDWR|O_CREAT|creat\(|mkdir\(|rename\(|unlink\(' |
    grep -v -E "$allowed_paths" || true)
network=$(grep -E 'socket\((AF_INET|AF_INET6|AF_PACKET)' "$work/trace" || true)
connections=$(grep -E '^[0-9]+ +connect\(' "$work/trace" | grep -v -E 'sun_path=@?"(/tmp/\.X11-unix/X[0-9]+|/run/dbus/system_bus_socket|/run/user/[0-9]+/bus|/var/run/dbus/system_bus_socket|/var/run/nscd/socket)"' || true)

if [ -n "$writes$network$connections" ]; then
    echo "Files written:"; echo "${writes:-none}"
    echo "Network sockets:"; echo "${network:-none}"
    echo "Other connections:"; echo "${connections:-none}"
    exit 1
fi
echo "no files written, no network used ($(grep -c . "$work/trace") calls traced)"
