# Sourced: start_own_bus FOLDER starts a session bus of the test's own, with
# no service folders (nothing is started on the program's behalf), and sets
# DBUS_SESSION_BUS_ADDRESS to it; stop_own_bus ends it.
start_own_bus() {
    local socket=$1/bus
    cat >"$1/bus.conf" <<CONFIG
<busconfig>
  <type>session</type>
  <listen>unix:path=$socket</listen>
  <policy context="default">
    <allow send_destination="*"/><allow receive_sender="*"/><allow own="*"/>
  </policy>
</busconfig>
CONFIG
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$socket
    dbus-daemon --config-file="$1/bus.conf" --nofork --nopidfile &
    own_bus_pid=$!
    for _ in $(seq 100); do
        [ -S "$socket" ] && return 0
        sleep 0.05
    done
    echo "the session bus did not come up in 5 s" >&2
    return 1
}

stop_own_bus() {
    [ -z "${own_bus_pid:-}" ] || kill "$own_bus_pid" 2>/dev/null || true
}
