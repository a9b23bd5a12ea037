#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite three times: once as shipped
# (gcc); then built with clang under AddressSanitizer and UndefinedBehaviorSanitizer, where short
# runs of the fuzz targets join the suite; then built for Windows and run under Wine
# (scripts/windows.sh, which also makes and checks the Windows zip).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TOLVANE_BUILD_DIR:-$root/build}
sanitized=${TOLVANE_SANITIZED_BUILD_DIR:-$root/build-san}
"$root/scripts/setup.sh"

"$root/scripts/build.sh"
(cd "$build" && ctest --output-on-failure -j"$(nproc)")

TOLVANE_BUILD_DIR=$sanitized "$root/scripts/build.sh" \
    -DCMAKE_CXX_COMPILER=clang++ -DTOLVANE_SANITIZE=ON -DTOLVANE_FUZZ=ON
(cd "$sanitized" && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$(nproc)")
"$root/scripts/windows.sh"
