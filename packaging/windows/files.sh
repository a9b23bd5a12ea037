#!/usr/bin/env bash
# Prints the setup's file lists for tolvane.nsi, as NSIS macros, from the zip's staging folder:
# what it installs (all but the demo image, which a Save would change inside the program folder),
# the same files for the uninstaller to delete, and the folders it may remove once they are empty.
# Usage: files.sh STAGE >files.nsh
set -euo pipefail
stage=$(realpath "$1")
# nsis_path PATH: PATH (relative, / separated) inside the program folder, as NSIS names it.
# shellcheck disable=SC2016 # $INSTDIR is NSIS's.
nsis_path() { if [ "$1" = . ]; then printf '$INSTDIR'; else printf '$INSTDIR\\%s' "${1//\//\\}"; fi; }
files=$(cd "$stage" && find . -type f ! -path ./demo.nes -printf '%P\n' | sort)
[ -n "$files" ] || { echo "files.sh: no files in $stage" >&2; exit 1; }

echo '!macro TolvaneInstallFiles'
folder=""
while read -r file; do
    [ "$(dirname "$file")" = "$folder" ] ||
        { folder=$(dirname "$file"); echo "    SetOutPath \"$(nsis_path "$folder")\""; }
    echo "    File \"$stage/$file\""
done <<<"$files"
echo '!macroend'
echo '!macro TolvaneDeleteFiles'
while read -r file; do echo "    Delete \"$(nsis_path "$file")\""; done <<<"$files"
echo '!macroend'
# Deepest first, so that a folder's own folders are gone by the time its turn comes.
echo '!macro TolvaneRemoveFolders'
(cd "$stage" && find . -mindepth 1 -type d -printf '%P\n' | sort -r) |
    while read -r folder; do echo "    RMDir \"$(nsis_path "$folder")\""; done
echo '!macroend'
