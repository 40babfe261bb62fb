#!/usr/bin/env bash
# Runs a command as a native Wayland client of a headless weston of its own,
# and stops both afterwards, whatever the command's outcome.
#   tests/support/under_weston.sh COMMAND [ARGUMENT...]
set -euo pipefail

runtime=$(mktemp -d)
chmod 0700 "$runtime"
socket=keywright-test-$$
weston_pid=
client_pid=
cleanup() {
    for pid in $client_pid $weston_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$runtime"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --no-config \
    --socket="$socket" --width=1280 --height=1024 --idle-time=0 --log="$runtime/weston.log" &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || { cat "$runtime/weston.log" >&2; exit 1; }
    sleep 0.05
done
[ -S "$runtime/$socket" ] || { echo "weston made no socket within 5 s" >&2; exit 1; }

# A headless compositor has no seat, and Qt's Wayland text input would look
# for one at every key; the compose input method needs none.
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose \
    "$@" &
client_pid=$!
status=0
wait "$client_pid" || status=$?
client_pid=
exit "$status"
