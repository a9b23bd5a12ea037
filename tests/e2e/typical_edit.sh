#!/usr/bin/env bash
# The typical edit in a real window, driven only through the X server as a person would: open the
# demo image through the open dialog, pick enemy 12, type 1500 into HP (it must read 1023), Save,
# and check the file's bytes. Usage: typical_edit.sh TOLVANE DEMO_IMAGE [SCREENSHOT_DIR]
# A Windows build (TOLVANE is tolvane.exe) runs under Wine (see use_program in xdrive.sh).
# shellcheck source=xdrive.sh
source "$(dirname "$0")/xdrive.sh"
begin_real_window_test "$@"

at "start the editor"
cp "$demo" "$work/demo.nes"
chmod u+w "$work/demo.nes"
cp "$work/demo.nes" "$work/original.nes"
start_editor
main=$(wait_main_window "$title" 120) || fail "the main window did not appear"
shot "$title" main-before-open

at "open the image through the dialog"
dialog=$(press_until "$main" 12 12 "Open")
type_into "$dialog" "" "" "$(native_path "$work/demo.nes")" "$(native_path "$work/demo.nes")"
# The file name completer takes the first Return when its popup is open, and the dialog stays.
# The copy behind the Return shows that the Return has been handled: the dialog is gone, or the
# copy arrived from the dialog, which then takes a second Return.
clear_clipboard
xdotool key Return
select_field
xdotool key ctrl+c
handled_return() { no_window "Open" || clipboard_holds_text; }
poll 60 handled_return || fail "the open dialog did not handle Return"
! has_window "Open" || xdotool key Return
wait_gone "Open"

at "show the item editor"
press_until "$main" 84 60 "Item Editor" >/dev/null
shot "Item Editor" item-editor
xdotool key Escape
wait_gone "Item Editor"
shot "$title" main-after-open

at "pick entry 12 with the keyboard"
base=$((0x2C030 + 32 * 12))
pointer=$(od -An -tu2 -j $((base + 0x18)) -N2 --endian=little "$work/demo.nes" | tr -d ' ')
enemy=$(press_until "$main" 84 92 "Enemy Editor")
for _ in $(seq 12); do xdotool key Down; done
shown_pointer=$(read_field "$enemy" 140 353)
[ "$shown_pointer" = "$(printf '%X' "$pointer")" ] || fail "entry 12 is not shown: pointer '$shown_pointer'"

at "type 1500 into HP"
type_into "$enemy" 140 41 1500 1023
shot "Enemy Editor" enemy-editor

at "save"
xdotool mousemove --window "$enemy" 56 380 click 1
expect_changes() {
    local low high
    low=$(od -An -tu1 -j $((base + 3)) -N1 "$work/demo.nes" | tr -d ' ')
    high=$(od -An -tu1 -j $((base + 4)) -N1 "$work/demo.nes" | tr -d ' ')
    [ "$low" = 255 ] && [ $((high & 3)) = 3 ]
}
poll 60 expect_changes || fail "HP 1023 did not reach the file"

at "check the file's bytes"
original_high=$(od -An -tu1 -j $((base + 4)) -N1 "$work/original.nes" | tr -d ' ')
high=$(od -An -tu1 -j $((base + 4)) -N1 "$work/demo.nes" | tr -d ' ')
[ $((high & 0xFC)) = $((original_high & 0xFC)) ] || fail "bits 2-7 of byte 0x04 changed"
changed=$( (cmp -l "$work/original.nes" "$work/demo.nes" || true) | awk '{print $1 - 1}' | tr '\n' ' ')
allowed=" $((base + 3)) $((base + 4)) "
for offset in $changed; do
    case "$allowed" in *" $offset "*) ;; *) fail "byte $offset outside HP changed" ;; esac
done
[ "$(stat -c %s "$work/original.nes")" = "$(stat -c %s "$work/demo.nes")" ] || fail "file length changed"

at "entry 12 is still shown"
shown_pointer=$(read_field "$enemy" 140 353)
[ "$shown_pointer" = "$(printf '%X' "$pointer")" ] || fail "pointer field shows '$shown_pointer'"
hp=$(read_field "$enemy" 140 41)
[ "$hp" = "1023" ] || fail "HP reads '$hp' after the save"

at "close"
focus "$enemy"
xdotool key Escape
wait_gone "Enemy Editor"
stop_editor
passed "typical edit in a real window"
