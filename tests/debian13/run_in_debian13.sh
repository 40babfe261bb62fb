#!/usr/bin/env bash
# The README's test command on a fresh Debian 13: a clean clone of this
# checkout, run as root in a throwaway layer over the root that
# tools/debian13/make_root.sh made, in mount and process namespaces of its
# own. Whatever the outcome, every process started there is ended and every
# mount undone, and both are checked. Prints each inner test's outcome, the
# inner summary and time; the whole inner output goes to the log file.
#   run_in_debian13.sh <source dir> <log file>
set -euo pipefail
source_dir=$1
log=$2
root=$("$source_dir/tools/debian13/root_path.sh")

# The first process of the new namespaces: when it ends, the kernel ends
# every process still there.
run_inside() {
    local work=$1 machine=$1/machine status=0 started process left
    mount -t overlay overlay -o "lowerdir=$root,upperdir=$work/changes,workdir=$work/layer" "$machine"
    mount -t proc proc "$machine/proc"
    mount --bind /sys "$machine/sys"
    mount --bind /dev "$machine/dev"
    mount --bind /dev/pts "$machine/dev/pts"
    mount -t tmpfs shm "$machine/dev/shm"
    cp /etc/resolv.conf "$machine/etc/resolv.conf"
    git clone --quiet --no-hardlinks "$source_dir" "$machine/root/Keywright"

    started=$(date +%s)
    chroot "$machine" /usr/bin/env -i HOME=/root TERM=dumb /bin/bash -l -c \
        'cd /root/Keywright && tools/setup.sh && ctest --test-dir build --output-on-failure' ||
        status=$?
    echo "Inner run: $(($(date +%s) - started)) s, status $status"

    # This shell is process 1 here; any other one was left by the inner run.
    left=()
    for process in "$machine"/proc/[0-9]*; do
        [ "${process##*/}" = 1 ] || [ ! -r "$process/comm" ] || left+=("${process##*/}")
    done
    if ((${#left[@]})); then
        echo "FAIL: still running after the inner run: ${left[*]}"
        kill -KILL "${left[@]}" 2>/dev/null || true
        sleep 1
        status=1
    fi
    umount --recursive "$machine"
    if grep -F " $machine" /proc/self/mountinfo; then
        echo "FAIL: still mounted after the inner run (above)"
        status=1
    fi
    return "$status"
}

if [ "${3:-}" ]; then # the namespaces' first process, with the work folder
    run_inside "$3"
    exit
fi

if [ ! -e "$root.complete" ]; then
    echo "Skipped: no Debian 13 root in $root; tools/debian13/make_root.sh makes it."
    exit 77
fi
if [ "$(id -u)" -ne 0 ]; then
    echo "Skipped: the Debian 13 run mounts and changes root, which takes root."
    exit 77
fi

work=$(mktemp -d /var/tmp/keywright-debian13.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/changes" "$work/layer" "$work/machine"
echo "Debian 13 root: $(cat "$root.complete"); the whole output: $log"

status=0
unshare --mount --propagation private --pid --fork --kill-child \
    "$0" "$source_dir" "$log" "$work" >"$log" 2>&1 || status=$?

# Each inner test's line, then CTest's summary and what the run itself said.
grep -E '^ *[0-9]+/[0-9]+ Test +#' "$log" || tail -n 30 "$log"
sed -n '/tests passed, /,$p' "$log" | grep -v '^Inner run' || true
grep -E '^(Inner run|FAIL)' "$log" || true

left=$(for process in /proc/[0-9]*; do
    [[ "$(readlink "$process/root" 2>/dev/null)" == "$work"* ]] && echo "${process#/proc/}"
done || true)
if [ -n "$left" ]; then
    echo "FAIL: processes left in the root: $left"
    status=1
fi
if grep -F " $work" /proc/self/mountinfo; then
    echo "FAIL: left mounted (above)"
    status=1
fi
exit "$status"
