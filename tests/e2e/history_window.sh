#!/usr/bin/env bash
# The save history window in a real window: a Save of enemy 0's HP in the enemy editor (by
# Ctrl+S), then the history window undoes it (the image's bytes back, one undo record) and redoes
# it; an undo refused because another program changed the field since (a message box, the image
# untouched); and "Put back the original" on the tinted field, then Save: the image is the demo
# again. The window is shot in English and in Japanese.
# Usage: history_window.sh TOLVANE DEMO_IMAGE [SCREENSHOT_DIR], with TOLVANE_CLI set.
# shellcheck source=xdrive.sh
source "$(dirname "$0")/xdrive.sh"
begin_real_window_test "$@"
image="$work/history.nes"
cp "$demo" "$image"
chmod u+w "$image"
hp_at=$((0x2C030 + 3))
# records: the history's records as "NUMBER COMMAND UNDOES", one a line.
records() {
    "$TOLVANE_CLI" history "$image" --json |
        python3 -c 'import json,sys; [print(r["number"], r["command"], r["undoes"]) for r in json.load(sys.stdin)]'
}
same_as() { cmp -s "$image" "$1"; }
# undo_in_window: Ctrl+Z in the history window, which has the keyboard.
undo_in_window() { focus "$history" && xdotool key ctrl+z; }

at "save enemy 0's HP with Ctrl+S"
start_editor "$image"
main=$(wait_main_window "$title" 120) || fail "the main window did not appear"
enemy=$(press_until "$main" 84 92 "Enemy Editor")
retype_hp "$enemy"
xdotool key ctrl+s
poll 30 eval '! same_as "$demo"' || fail "Ctrl+S saved nothing"
cp "$image" "$work/saved.nes"
focus "$enemy"
xdotool key Escape
wait_gone "Enemy Editor"

at "the history window lists the save, selected, and undoes it"
history=$(press_until "$main" 84 252 "Save History")
shot "Save History" history-window
undo_in_window
poll 30 same_as "$demo" || fail "the undo did not put the image back"
[ "$(records)" = "$(printf '1 editor None\n2 undo 1')" ] || fail "the history reads: $(records)"

at "the undo, now selected, is undone: the save is redone"
undo_in_window
poll 30 same_as "$work/saved.nes" || fail "the redo did not bring the save back"
[ "$(records | tail -n 1)" = "3 undo 2" ] || fail "the history reads: $(records)"

at "another program changes the HP: the undo is refused, nothing is written"
changed=$((new + 1 == hp ? new + 2 : new + 1))
printf "\\x$(printf %02x $((changed & 0xFF)))" |
    dd of="$image" bs=1 seek=$hp_at conv=notrunc status=none
cp "$image" "$work/changed.nes"
# The Undo button this time, at its place in the window's first size (860 x 560).
xdotool mousemove --window "$history" 722 537 click 1
poll 30 has_window "Undo" || fail "no message box said why the undo was refused"
shot "Undo" history-refused
focus "$(window_named "Undo")"
xdotool key Return
wait_gone "Undo"
same_as "$work/changed.nes" || fail "the refused undo wrote into the image"
[ "$(records | wc -l)" = 3 ] || fail "the refused undo was recorded: $(records)"
xdotool mousemove --window "$history" 808 537 click 1
wait_gone "Save History"

at "put back the original HP, then save: the image is the demo again"
enemy=$(press_until "$main" 84 92 "Enemy Editor")
windows() { xdotool search --onlyvisible --pid "$app_pid" | wc -l; }
before=$(windows)
xdotool mousemove --window "$enemy" 140 41 click 3
poll 30 eval '[ "$(windows)" -gt "$before" ]' || fail "no context menu"
xdotool key Down Return
[ "$(read_field "$enemy" 140 41)" = "$hp" ] || fail "the field does not read the original $hp"
xdotool key ctrl+s
poll 30 same_as "$demo" || fail "the image is not the demo after putting back the original"
stop_editor

at "the window in Japanese"
catalogue=$(dirname "$0")/../../translations/tolvane_ja.ts
ja_title=$(grep -A1 -F "<source>Save History</source>" "$catalogue" |
    sed -n 's:.*<translation>\(.*\)</translation>.*:\1:p' | head -n 1)
[ -n "$ja_title" ] || fail "the Japanese catalogue lacks the window's title"
launch=(env -u LANGUAGE LC_ALL=ja_JP.UTF-8 "$tolvane")
start_editor "$image"
main=$(wait_main_window "$title" 120) || fail "the main window did not appear in Japanese"
press_until "$main" 84 252 "$ja_title" >/dev/null
shot "$ja_title" japanese-history-window
stop_editor
passed "the save history window"
