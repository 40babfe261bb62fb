# Sourced by the benchmark scripts.

# Waits until a visible window with that exact title is there; prints the
# milliseconds since BEGIN (nanoseconds, from date +%s%N).
milliseconds_to_window() {
    local begin=$1 title=$2
    until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
        if (($(date +%s%N) - begin > 20000000000)); then
            echo "no window \"$title\" came up" >&2
            exit 1
        fi
        sleep 0.002
    done
    echo $((($(date +%s%N) - begin) / 1000000))
}

median() {
    sort -n | awk '{ values[NR] = $1 } END { print (NR % 2) ? values[(NR + 1) / 2] : (values[NR / 2] + values[NR / 2 + 1]) / 2 }'
}
