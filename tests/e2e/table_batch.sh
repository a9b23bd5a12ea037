#!/usr/bin/env bash
# A batch in Lua in the real enemy table, driven only through the X server: the Where box chooses
# entries 0 to 2, a Set past HP's range is refused in a message box with nothing taken, a Set that
# holds is taken as unsaved edits, Ctrl+S; the image must hold HP 1000 in those three entries and
# no other byte changed, its history one record.
# Usage: table_batch.sh TOLVANE DEMO_IMAGE [SCREENSHOT_DIR], with TOLVANE_CLI set.
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
table=$(press_until "$main" 84 220 "Enemy Table")

# Entry N's HP as the image holds it.
hp() { ten_bits "$image" "$1" 3; }

# The message box has the window's title: while it is up, two windows are named so.
tables() { xdotool search --onlyvisible --name '^Enemy Table$' | wc -l; }
box_shown() { [ "$(tables)" -ge 2 ]; }
box_gone() { [ "$(tables)" -eq 1 ]; }

at "choose entries 0 to 2 in the Where box"
xdotool key alt+w
xdotool type --delay 30 'index < 3'

at "a Set past the range is refused"
xdotool key alt+e
xdotool type --delay 30 'hp = 5000'
xdotool key Return
poll 30 box_shown || fail "no message box for a Set past the range"
xdotool key Return
poll 30 box_gone || fail "the message box did not close"
[ "$(hp 0)" != 1000 ] && cmp -s "$work/original.nes" "$image" || fail "the refused Set wrote"

at "a Set that holds"
# Without a window manager, the X focus does not go back to the window by itself once the box is
# gone.
xdotool windowfocus "$table"
focus "$table"
xdotool key alt+e
xdotool key ctrl+a
xdotool type --delay 30 'hp = 1000'
xdotool key Return
sleep 0.5
xdotool key ctrl+s
saved() { [ "$(hp 0)" = 1000 ] && [ "$(hp 1)" = 1000 ] && [ "$(hp 2)" = 1000 ]; }
poll 60 saved || fail "the image holds HP $(hp 0), $(hp 1), $(hp 2)"
shot "Enemy Table" table-batch

at "check the image's bytes"
allowed=" "
for entry in 0 1 2; do
    base=$((0x2C030 + 32 * entry))
    allowed+="$((base + 3)) $((base + 4)) "
done
changed=$( (cmp -l "$work/original.nes" "$image" || true) | awk '{print $1 - 1}')
for offset in $changed; do
    case "$allowed" in *" $offset "*) ;; *) fail "byte $offset changed" ;; esac
done

at "one record"
records=$("$TOLVANE_CLI" history "$image" | awk '/^ *[0-9]/ { print $1 }' | sort -u | wc -l)
[ "$records" = 1 ] || fail "the history lists $records records: $("$TOLVANE_CLI" history "$image")"

at "close"
focus "$table"
xdotool key Escape
wait_gone "Enemy Table"
stop_editor
passed "a batch in Lua in the enemy table"
