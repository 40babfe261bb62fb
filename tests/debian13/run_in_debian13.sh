#!/usr/bin/env bash
# The README's test command on a fresh Debian 13: a clean clone of this
# checkout, run as root in a throwaway layer over the root that
# tools/debian13/make_root.sh made, in mount and process namespaces of its
# own. Whatever the outcome, every process started there is ended and every
# mount undone, and both are checked; the work folder goes however the run
# ends, also when CTest's timeout kills it. Prints each inner test's outcome,
# the inner summary and time; the whole inner output goes to the log file.
#   run_in_debian13.sh <source dir> <log file>
set -euo pipefail
source_dir=$1
log=$2
root=$("$source_dir/tools/debian13/root_path.sh")
source "$source_dir/tools/debian13/machine.sh"

# The first process of the new namespaces: when it ends, the kernel ends
# every process still there.
run_inside() {
    local work=$1 machine=$1/machine status=0 started process left
    inside_own_namespaces
    mount -t overlay overlay -o "lowerdir=$root,upperdir=$work/changes,workdir=$work/layer" "$machine"
    mount_machine "$machine"
    git clone --quiet --no-hardlinks "$source_dir" "$machine/root/Keywright"

    started=$(date +%s)
    run_in_machine "$machine" /root/Keywright \
        'tools/setup.sh && ctest --test-dir build --output-on-failure' || status=$?
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

if [ "${3:-}" = --inside ]; then # the namespaces' first process, with the work folder
    run_inside "$4"
    exit
fi

# Root's own root is not a user's: a user is told of root first.
if [ "$(id -u)" -ne 0 ]; then
    echo "Skipped: the Debian 13 run mounts and changes root, which takes root: run it as root."
    exit 77
fi
if [ ! -e "$root.complete" ]; then
    echo "Skipped: no Debian 13 root in $root; tools/debian13/make_root.sh makes it."
    exit 77
fi

work=$(mktemp -d /var/tmp/keywright-debian13.XXXXXX)
trap 'rm -rf "$work"' EXIT
# CTest's timeout kills the whole run at once, trap and all: a watcher outside
# it removes the work folder once the run and its namespaces are gone.
(setsid bash -c 'while kill -0 "$1" 2>/dev/null; do sleep 1; done
    for _ in $(seq 30); do rm -rf "$2" 2>/dev/null && break; sleep 1; done' watch $$ "$work" \
    </dev/null >/dev/null 2>&1 &)
mkdir -p "$work/changes" "$work/layer" "$work/machine"
echo "Debian 13 root: $(cat "$root.complete"); the whole output: $log"

status=0
unshare --mount --propagation private --pid --fork --kill-child \
    "$0" "$source_dir" "$log" --inside "$work" >"$log" 2>&1 || status=$?

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
