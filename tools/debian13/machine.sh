# Sourced by what runs inside the Debian 13 root: mounts what a machine needs
# on the root, and makes sure that this is the first process of fresh mount
# and process namespaces, where those mounts and every process started end
# with it, and where none of it can reach the machine outside.

# Refuses unless this shell is process 1 of a process namespace of its own,
# in a mount namespace other than the machine's.
inside_own_namespaces() {
    # /proc is still the machine's here: its process 1 is the machine's own.
    if [ "$$" -ne 1 ] || [ "$(readlink /proc/self/ns/mnt)" = "$(readlink /proc/1/ns/mnt)" ]; then
        echo "Refused: this runs only as the first process of namespaces of its own." >&2
        exit 2
    fi
}

# Mounts the machine's file systems into the root, privately.
mount_machine() { # root folder
    mount -t proc proc "$1/proc"
    mount --bind /sys "$1/sys"
    mount --bind /dev "$1/dev"
    mount --bind /dev/pts "$1/dev/pts"
    mount -t tmpfs shm "$1/dev/shm"
    cp /etc/resolv.conf "$1/etc/resolv.conf"
}

# Runs a command line as root in the root, from a folder there, with a clean
# environment. Git trusts that folder, which may belong to a user outside:
# git refuses a repository of another owner.
run_in_machine() { # root folder, folder there, command line
    chroot "$1" /usr/bin/env -i HOME=/root TERM=dumb GIT_CONFIG_COUNT=1 \
        GIT_CONFIG_KEY_0=safe.directory GIT_CONFIG_VALUE_0="$2" /bin/bash -l -c "cd $2 && $3"
}
