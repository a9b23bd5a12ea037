#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
exec "${TOLVANE_BUILD_DIR:-$root/build}/tolvane"
