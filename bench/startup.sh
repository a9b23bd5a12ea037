#!/usr/bin/env bash
# The program's start from outside: starts its own Xvfb, launches TOLVANE RUNS times (9 unless
# given) and times each launch until its main window is visible, then prints the median and the
# program's peak memory at that point. One launch before them is not counted: it only brings the
# program and its libraries into the page cache. Usage: startup.sh TOLVANE [RUNS]
set -euo pipefail

tolvane=$(realpath "$1")
runs=${2:-9}
root=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^project(Tolvane VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
work=$(mktemp -d)
# shellcheck source=../scripts/lib/xserver.sh
source "$root/scripts/lib/xserver.sh"

cleanup() {
    set +e
    stop_own_processes
    rm -rf "$work"
}
trap cleanup EXIT

start_own_xvfb "$work/xvfb.log"

# One launch: prints the milliseconds until the main window was visible and the peak memory in kB.
# The wait looks every 10 ms ("xdotool search --sync" looks only every half second), so the figure
# is late by at most one search and one pause, about 20 ms.
poll_interval=0.01
launch() {
    local start found peak
    start=$EPOCHREALTIME
    (cd "$work" && exec env -u QT_QPA_PLATFORM "$tolvane" >>"$work/app.log" 2>&1) &
    app_pid=$!
    wait_main_window "Tolvane, v$version" 60 >/dev/null || exit 1
    found=$EPOCHREALTIME
    peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$app_pid/status")
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    awk -v a="$start" -v b="$found" -v p="$peak" 'BEGIN { printf "%.1f %d\n", (b - a) * 1000, p }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

launch >/dev/null
: >"$work/times"
for run in $(seq "$runs"); do
    launch | tee -a "$work/times" | awk -v r="$run" '{ printf "launch %d: %s ms, peak %s kB\n", r, $1, $2 }'
done
start=$(cut -d' ' -f1 "$work/times" | median)
peak=$(cut -d' ' -f2 "$work/times" | median)
awk -v s="$start" -v p="$peak" -v n="$runs" 'BEGIN {
    printf "Start until the main window is shown, from outside under Xvfb: %.1f ms (median of %d; goal <= 150 ms: %s)\n", s, n, s <= 150 ? "met" : "MISSED"
    printf "Peak memory of the program at that point: %.1f MB\n", p * 1024 / 1e6 }'
