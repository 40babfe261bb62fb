#!/usr/bin/env bash
# Runs a command of this repository as root inside the Debian 13 root that
# make_root.sh made, in mount and process namespaces of its own, with this
# repository at /root/Keywright. What the command changes in the root stays
# there, and what it writes into the repository too, owned by the
# repository's owner; every process that it starts ends with it. On Debian 12, the Windows edition is built so, from
# Debian 13's Qt:
#   tools/debian13/in_root.sh tools/windows/build_qt.sh   (once: Qt for Windows into the root)
#   tools/debian13/in_root.sh tools/windows/build.sh      (the zip and the installer, in build-windows/)
set -euo pipefail
repository=$(cd "$(dirname "$0")/../.." && pwd)
source "$repository/tools/debian13/machine.sh"
root=$("$repository/tools/debian13/root_path.sh")

if [ "${1:-}" != --inside ]; then
    [ "$(id -u)" -eq 0 ] || { echo "The Debian 13 root is entered as root (mounts, chroot): run this as root." >&2; exit 1; }
    [ -e "$root.complete" ] || { echo "No Debian 13 root in $root: tools/debian13/make_root.sh makes it." >&2; exit 1; }
    status=0
    unshare --mount --propagation private --pid --fork --kill-child "$0" --inside "$@" || status=$?
    # What the command wrote into the checkout belongs to the checkout's owner.
    owner=$(stat -c %u:%g "$repository")
    [ "$owner" = 0:0 ] || find "$repository" -xdev -user 0 -exec chown -h "$owner" {} +
    exit "$status"
fi
shift
inside_own_namespaces
mount_machine "$root"
mkdir -p "$root/root/Keywright"
mount --bind "$repository" "$root/root/Keywright"
run_in_machine "$root" /root/Keywright "$(printf '%q ' "$@")"
