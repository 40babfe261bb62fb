#!/usr/bin/env bash
# Runs a command under the Orca screen reader, on the X display given, in a
# desktop session of its own: a home and XDG folders of its own, a session
# bus, the accessibility bus, a window manager and a speech server whose
# synthesiser says nothing. Orca's debug log, which holds every
# "SPEECH OUTPUT", is $ORCA_LOG for the command. Everything started here ends
# with it, and the session's folder goes.
#   tests/support/on_own_display.sh tests/screen_reader/under_orca.sh COMMAND [ARGUMENT...]
set -euo pipefail

work=$(mktemp -d)
# Every process of the session carries this mark, daemons included.
export KEYWRIGHT_SCREEN_READER_SESSION=$work
session_processes() {
    grep -l -s -a "KEYWRIGHT_SCREEN_READER_SESSION=$work" /proc/[0-9]*/environ |
        cut -d/ -f3 | grep -v -x -e $$ -e "$BASHPID" || true
}
end_session() {
    local status=$?
    kill -TERM $(session_processes) 2>/dev/null || true
    for _ in $(seq 50); do
        [ -z "$(session_processes)" ] && break
        sleep 0.1
    done
    kill -KILL $(session_processes) 2>/dev/null || true
    rm -rf "$work"
    exit "$status"
}
trap end_session EXIT
trap 'exit 143' TERM INT

export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache \
    XDG_STATE_HOME=$HOME/.local/state XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME" \
    "$XDG_RUNTIME_DIR" "$work/speech/modules"
chmod 700 "$XDG_RUNTIME_DIR"
unset GTK_MODULES QT_ACCESSIBILITY QT_LINUX_ACCESSIBILITY_ALWAYS_ON

wait_for() { # what, then a test that passes once it is there
    local what=$1
    shift
    for _ in $(seq 600); do # a minute, for a loaded machine
        "$@" && return 0
        sleep 0.1
    done
    echo "$what did not come up" >&2
    return 1
}

export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus
dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" >"$work/bus.log" 2>&1 &
wait_for "the session bus" test -S "$work/bus"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
openbox --sm-disable >"$work/openbox.log" 2>&1 &

# Speech goes to a synthesiser that runs "true", and sound nowhere.
cat >"$work/speech/speechd.conf" <<'CONF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "silent" "sd_generic" "silent.conf"
DefaultModule silent
CONF
cat >"$work/speech/modules/silent.conf" <<'CONF'
GenericExecuteSynth "true"
AddVoice "en" "MALE1" "silent"
CONF
speech-dispatcher --run-single --timeout 0 --config-dir "$work/speech" >"$work/speech.log" 2>&1 &
wait_for "the speech server" test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"

# Orca refuses to start beside another Orca of the same user, which it
# looks for among the processes it can see: the user's own screen reader may
# be running. This one runs in a process namespace of its own, where it sees
# only itself, and the user's Orca is left as it is. Root (CI, the Debian 13
# run, where a chroot allows no user namespace) needs none to make one.
own_processes=(unshare --pid --fork --mount-proc)
[ "$(id -u)" -eq 0 ] || own_processes=(unshare --user --map-current-user --pid --fork --mount-proc)
if ! "${own_processes[@]}" true 2>"$work/unshare.log"; then
    echo "Skipped: Orca cannot run in a process namespace of its own here, and would not start" \
        "beside the user's own Orca: $(cat "$work/unshare.log")"
    exit 77
fi

# Orca writes its debug file through a buffer, but line by line to a
# terminal: on a terminal of its own, the log is there as Orca speaks.
export ORCA_LOG=$work/orca.log
script --quiet --flush --command "${own_processes[*]} orca --debug-file=/dev/tty" "$ORCA_LOG" \
    </dev/null >/dev/null 2>&1 &
wait_for "Orca" grep -q -s "SPEECH OUTPUT: 'Screen reader on.'" "$ORCA_LOG" || {
    echo "What Orca said:" >&2
    tail -n 20 "$ORCA_LOG" >&2
    exit 1
}
disown -a # ended by end_session, quietly

"$@"
