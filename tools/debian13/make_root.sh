#!/usr/bin/env bash
# Makes a minimal Debian 13 root with debootstrap, from the Debian mirror that
# the machine's own apt sources name, for the debian13 test: a fresh machine of
# the current release. Does nothing when the root is already complete. Prints
# where the root went. Run as root.
set -euo pipefail
repository=$(cd "$(dirname "$0")/../.." && pwd)
"$repository/tools/install_packages.sh" debootstrap

root=$("$repository/tools/debian13/root_path.sh")
complete_mark="$root.complete"
if [ -e "$complete_mark" ]; then
    echo "$root"
    exit 0
fi

# The archive whose release is labelled plain "Debian" (not its security archive).
mirror=$(apt-cache policy | awk '$2 ~ /^https?:/ { url = $2 } /o=Debian,.*l=Debian,/ { print url; exit }')
[ -n "$mirror" ] || {
    echo "The machine's apt sources name no Debian mirror." >&2
    exit 1
}

rm -rf "$root"
mkdir -p "$(dirname "$root")"
debootstrap --variant=minbase --include=git,sudo,ca-certificates trixie "$root" "$mirror"
echo "$mirror trixie $(cat "$root/etc/debian_version")" >"$complete_mark"
echo "$root"
