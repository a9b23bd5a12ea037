#!/usr/bin/env bash
# Runs each real-window test N times in a row on a loaded machine: the tests at nice 5, three
# busy loops at normal priority beside them, so that the program is slow to take the keyboard
# and to handle what it is sent. A test that waits on a time instead of a condition fails here.
# Not part of the test command. Usage: stress-real-window.sh N [--windows]
#   Linux: the sanitizer build in build-san/ (TOLVANE_SANITIZED_BUILD_DIR), as the test command
#   makes it. --windows: tolvane.exe in build-win/ (TOLVANE_WINDOWS_BUILD_DIR) under Wine, after
#   scripts/windows.sh has built it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:?usage: stress-real-window.sh N [--windows]}
if [ "${2:-}" = "--windows" ]; then
    build=${TOLVANE_WINDOWS_BUILD_DIR:-$root/build-win}
    program=$build/tolvane.exe
    qt=${TOLVANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tolvane-windows}/qt-6.4.2-mingw64
    winpath() { printf 'Z:%s' "${1//\//\\}"; }
    gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX=$build/wine WINEPATH
    WINEPATH="$(winpath "$qt/bin");$(winpath "$gcc_runtime");$(winpath /usr/x86_64-w64-mingw32/lib)"
else
    build=${TOLVANE_SANITIZED_BUILD_DIR:-$root/build-san}
    program=$build/tolvane
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
fi
[ -x "$program" ] || { echo "stress-real-window.sh: no $program; build it first" >&2; exit 1; }
logs=$(mktemp -d)
loops=()
stop_loops() { [ ${#loops[@]} -eq 0 ] || kill "${loops[@]}" 2>/dev/null || true; }
trap stop_loops EXIT
for _ in 1 2 3; do
    (while :; do :; done) &
    loops+=($!)
done

failed=0
for test in "$root"/tests/e2e/typical_edit.sh "$root"/tests/e2e/open_argument.sh; do
    name=$(basename "$test" .sh)
    passes=0
    for ((run = 1; run <= runs; run++)); do
        if nice -n 5 bash "$test" "$program" "$build/demo.nes" >"$logs/$name-$run.log" 2>&1; then
            passes=$((passes + 1))
        else
            echo "$name, run $run failed:" >&2
            sed 's/^/    /' "$logs/$name-$run.log" >&2
        fi
    done
    echo "$name: $passes of $runs passed"
    [ "$passes" = "$runs" ] || failed=1
done
rm -rf "$logs"
exit "$failed"
