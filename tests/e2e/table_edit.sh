#!/usr/bin/env bash
# The enemy table in a real window, driven only through the X server: HP of entries 0 and 1 typed
# (1500 must read 1023), a block of HP and PP pasted at entry 5 from the clipboard as a spreadsheet
# copies it, Ctrl+S; the image must hold those values and no other byte changed, its history one
# record more, which one tolvane-cli undo takes back.
# Usage: table_edit.sh TOLVANE DEMO_IMAGE [SCREENSHOT_DIR], with TOLVANE_CLI set.
# shellcheck source=xdrive.sh
source "$(dirname "$0")/xdrive.sh"
begin_real_window_test "$@"

at "start the editor with the image"
image="$work/demo.nes"
cp "$demo" "$image"
chmod u+w "$image"
cp "$image" "$work/original.nes"
start_editor "$image"
main=$(wait_main_window "$title" 120) || fail "the main window did not appear"

at "open the enemy table"
# Enemy Table: left 120, top 2640 inside the frame at 480; 15 twips a pixel.
table=$(press_until "$main" 84 220 "Enemy Table")

at "type HP of entries 0 and 1"
# The grid has the keyboard at (index of entry 0): three cells right is HP.
xdotool key Right Right Right
xdotool type --delay 30 1500
xdotool key Return
xdotool key Down
xdotool type --delay 30 777
xdotool key Return

at "paste a block at entry 5's HP"
printf '11\t12\r\n13\t14\r\n' | xclip -selection clipboard
poll 10 clipboard_holds_text || fail "the clipboard does not hold the block"
xdotool key Down Down Down Down
xdotool key ctrl+v
shot "Enemy Table" enemy-table-edited

at "save"
xdotool key ctrl+s
saved() {
    [ "$(ten_bits "$image" 0 3)" = 1023 ] && [ "$(ten_bits "$image" 1 3)" = 777 ] &&
        [ "$(ten_bits "$image" 5 3)" = 11 ] && [ "$(ten_bits "$image" 5 5)" = 12 ] &&
        [ "$(ten_bits "$image" 6 3)" = 13 ] && [ "$(ten_bits "$image" 6 5)" = 14 ]
}
poll 60 saved || fail "the image holds HP $(ten_bits "$image" 0 3), $(ten_bits "$image" 1 3), $(ten_bits "$image" 5 3)"
shot "Enemy Table" enemy-table

at "check the image's bytes"
allowed=" "
for entry in 0 1 5 6; do
    base=$((0x2C030 + 32 * entry))
    allowed+="$((base + 3)) $((base + 4)) "
    [ "$entry" -lt 5 ] || allowed+="$((base + 5)) $((base + 6)) "
done
changed=$( (cmp -l "$work/original.nes" "$image" || true) | awk '{print $1 - 1}')
for offset in $changed; do
    case "$allowed" in *" $offset "*) ;; *) fail "byte $offset changed" ;; esac
done
[ "$(stat -c %s "$work/original.nes")" = "$(stat -c %s "$image")" ] || fail "the length changed"

at "one record, which one undo takes back"
# A line per entry, each starting with its record's number.
records=$("$TOLVANE_CLI" history "$image" | awk '/^ *[0-9]/ { print $1 }' | sort -u | wc -l)
[ "$records" = 1 ] || fail "the history lists $records records: $("$TOLVANE_CLI" history "$image")"

at "close"
focus "$table"
xdotool key Escape
wait_gone "Enemy Table"
stop_editor
"$TOLVANE_CLI" undo "$image" >/dev/null || fail "the undo failed"
cmp -s "$work/original.nes" "$image" || fail "the undo did not put the image back"
passed "the enemy table in a real window"
