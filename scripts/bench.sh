#!/usr/bin/env bash
# Installs what is missing, builds the benchmark in Release into build-bench/ (or
# $TOLVANE_BENCH_BUILD_DIR), runs it, then times the program's start from outside under Xvfb.
# Arguments go to the benchmark: --quick for a short check, --benchmark_filter=REGEX, ...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TOLVANE_BENCH_BUILD_DIR:-$root/build-bench}
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target tolvane-bench tolvane
status=0
"$build/tolvane-bench" "$@" || status=$?
bash "$root/bench/startup.sh" "$build/tolvane" || status=$?
exit "$status"
