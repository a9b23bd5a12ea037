#!/usr/bin/env bash
# Configures and builds Tolvane into build/ (or $TOLVANE_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TOLVANE_BUILD_DIR:-$root/build}
# shellcheck source=lib/compilercache.sh
source "$root/scripts/lib/compilercache.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${cache_launcher[@]}" "$@" \
    >/dev/null
cmake --build "$build" -j"$(nproc)"
