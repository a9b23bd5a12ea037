#!/usr/bin/env bash
# Fails when an #include between the program's folders points sideways or up. Each folder has a
# level; a file may include its own folder and folders of a lower level only, so the shell stands
# on the editors, the editors on the window helpers and the core, and no circle can close.
# Usage: layering.sh SOURCE_DIR
set -euo pipefail
root=$1

declare -A level=(
    [rom]=0
    [fields]=1    # the pure rules for field texts
    [play]=1      # which emulator plays an image, and starting it
    [tables]=2    # field descriptions, the transaction, and the tables as rows
    [batch]=3     # batches in Lua over the tables' edits
    [wording]=4   # every text about what the core did
    [windowkit]=5 # shows an entry's fields in controls
    [items]=6
    [tablewindow]=6 # the table window, handed its table, image and item names
    [enemies]=7 # the enemy editor lists the item names
    [historywindow]=8 # the editors reach it through what the main window hands them
    [main]=9 [cli]=9 [tools]=9
)

faults=0
for folder in "${!level[@]}"; do
    while IFS= read -r hit; do
        file=${hit%%:*}
        target=${hit#*\"}
        target=${target%%/*}
        [ "$target" = "$folder" ] && continue
        if [ -z "${level[$target]+set}" ]; then
            echo "${file#"$root"/}: includes $target/, a folder with no level here" >&2
            faults=$((faults + 1))
        elif [ "${level[$target]}" -ge "${level[$folder]}" ]; then
            echo "${file#"$root"/}: $folder/ (level ${level[$folder]}) includes $target/ (level ${level[$target]})" >&2
            faults=$((faults + 1))
        fi
    done < <(grep -HoE '^#include "[A-Za-z0-9_]+/' "$root/$folder"/*.h "$root/$folder"/*.cpp || true)
done
if [ "$faults" -ne 0 ]; then
    echo "$faults include(s) against the layering" >&2
    exit 1
fi
echo "every include between folders points down"
