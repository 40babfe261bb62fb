#!/usr/bin/env bash
# Runs a command on an X display of its own. Xvfb picks a free display number
# itself (-displayfd), so that two runs never race for one; the command starts
# once the display takes connections. The server is stopped whatever the
# outcome, its log is shown when the command fails, and a lock or socket left
# behind fails the run.
#   tests/support/on_own_display.sh COMMAND [ARGUMENT...]
set -euo pipefail

work=$(mktemp -d)
server_pid=
command_pid=
display=
stop() {
    local status=$?
    [ -z "$command_pid" ] || kill -TERM "$command_pid" 2>/dev/null || true
    if [ -n "$server_pid" ]; then
        kill -TERM "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    if [ -n "$display" ] && [ -e "/tmp/.X$display-lock" -o -e "/tmp/.X11-unix/X$display" ]; then
        echo "display :$display left its lock or socket behind" >&2
        status=1
    fi
    if [ "$status" -ne 0 ]; then
        echo "--- Xvfb's log (display :${display:-none}) ---" >&2
        cat "$work/log" >&2 || true
    fi
    rm -rf "$work"
    exit "$status"
}
trap stop EXIT
trap 'exit 143' TERM INT

# Xvfb writes the number to the pipe once it listens. It must not reset when
# its last client leaves: a client that connects during a reset is dropped,
# as the program was once right after the readiness probe below.
mkfifo "$work/number"
Xvfb -displayfd 3 -noreset -screen 0 1920x1200x24 -nolisten tcp 3>"$work/number" >"$work/log" 2>&1 &
server_pid=$!
read -r -t 30 display <"$work/number" || { echo "Xvfb gave no display number" >&2; exit 1; }

for _ in $(seq 100); do
    xdpyinfo -display ":$display" >/dev/null 2>&1 && break
    kill -0 "$server_pid" 2>/dev/null || { echo "Xvfb ended" >&2; exit 1; }
    sleep 0.05
done
xdpyinfo -display ":$display" >/dev/null 2>&1 || { echo "Xvfb :$display did not answer within 5 s" >&2; exit 1; }

DISPLAY=:$display "$@" &
command_pid=$!
status=0
wait "$command_pid" || status=$?
command_pid=
exit "$status"
