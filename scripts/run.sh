#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor in run/, which holds a writable copy of
# the demo image. A copy that is already there is kept: it may hold your edits.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TOLVANE_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
mkdir -p "$root/run"
if [ ! -e "$root/run/demo.nes" ]; then
    cp "$build/demo.nes" "$root/run/demo.nes"
    chmod u+w "$root/run/demo.nes"
    echo "A fresh demo image is at run/demo.nes; Save writes into it at once."
else
    echo "Keeping run/demo.nes as it is (it may hold your edits). Delete it for a fresh copy."
fi
cd "$root/run"
exec "$build/tolvane"
