#!/usr/bin/env bash
# Installs what is missing, builds the benchmark in Release into build-bench/ (or
# $TOLVANE_BENCH_BUILD_DIR), runs it, then times the program's start from outside under Xvfb.
# Arguments go to the benchmark: --quick for a short check, --benchmark_filter=REGEX, ...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TOLVANE_BENCH_BUILD_DIR:-$root/build-bench}
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target tolvane-bench tolvane tolvane-barewindow
status=0
"$build/tolvane-bench" "$@" || status=$?
# The editor's start against a bare Qt window's, measured alike and in turn, three times each.
: >"$build/starts"
for round in 1 2 3; do
    for program in tolvane tolvane-barewindow; do
        out=$(bash "$root/bench/startup.sh" "$build/$program") || status=$?
        [ "$program" = tolvane ] && [ "$round" = 1 ] && printf '%s\n' "$out"
        printf '%s %s\n' "$program" "$(sed -n 's/.*Xvfb: \([0-9.]*\) ms.*/\1/p' <<<"$out")" >>"$build/starts"
    done
done
awk '{ sum[$1] += $2; n[$1]++ } END {
    e = sum["tolvane"] / n["tolvane"]; b = sum["tolvane-barewindow"] / n["tolvane-barewindow"]
    printf "Start against a bare Qt window (mean of three medians): %.1f ms against %.1f ms, %.2fx (goal <= 1.15x: %s)\n", e, b, e / b, e <= 1.15 * b ? "met" : "MISSED" }' "$build/starts"
exit "$status"
