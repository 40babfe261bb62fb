#!/usr/bin/env bash
# Runs a command on a session bus of its own, where a desktop portal of the
# tests' own gives GNOME's text scaling and the contrast preference.
#   tests/support/with_desktop_portal.sh PORTAL TEXT_SCALING_FACTOR CONTRAST COMMAND [ARGUMENT...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
portal=$1 text_scale=$2 contrast=$3
shift 3
work=$(mktemp -d)
portal_pid=
source "$here/own_bus.sh"
cleanup() {
    [ -z "$portal_pid" ] || kill "$portal_pid" 2>/dev/null || true
    stop_own_bus
    rm -rf "$work"
}
trap cleanup EXIT

start_own_bus "$work"
mkfifo "$work/said"
"$portal" "$text_scale" "$contrast" >"$work/said" &
portal_pid=$!
read -r -t 10 ready <"$work/said" && [ "$ready" = ready ] ||
    { echo "the desktop portal did not come up in 10 s" >&2; exit 1; }
"$@"
