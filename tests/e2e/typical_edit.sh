#!/usr/bin/env bash
# The typical edit in a real window, driven only through the X server as a person would: open the
# demo image through the open dialog, pick enemy 12, type 1500 into HP (it must read 1023), Save,
# and check the file's bytes. Usage: typical_edit.sh TOLVANE DEMO_IMAGE [SCREENSHOT_DIR]
# A Windows build (TOLVANE is tolvane.exe) runs under Wine (see use_program in xdrive.sh).
set -euo pipefail

tolvane=$(realpath "$1")
demo=$(realpath "$2")
shots=${3:-}
[ -z "$shots" ] || mkdir -p "$shots"
work=$(mktemp -d)
# shellcheck source=../../scripts/lib/xserver.sh
source "$(dirname "$0")/../../scripts/lib/xserver.sh"
# shellcheck source=xdrive.sh
source "$(dirname "$0")/xdrive.sh"
use_program "$tolvane"
trap cleanup EXIT
at "start"
started=$(date +%s.%N)

at "start Xvfb"
start_own_xvfb 90 140 "$work/xvfb.log" || fail "Xvfb did not come up"

at "start the editor"
cp "$demo" "$work/demo.nes"
chmod u+w "$work/demo.nes"
cp "$work/demo.nes" "$work/original.nes"
start_editor "${launch[@]}"
poll 300 has_window "Tolvane, v0.2.0" || fail "the main window did not appear"
main=$(window_named "Tolvane, v0.2.0")
shot "Tolvane, v0.2.0" main-before-open

at "open the image through the dialog"
xdotool mousemove --window "$main" 12 12 click 1
poll 100 has_window "Open" || fail "the open dialog did not appear"
focus "$(window_named "Open")"
xdotool type --delay 10 "$(native_path "$work/demo.nes")"
xdotool key Return
if ! poll 30 no_window "Open"; then
    # The file name completer may take the first Return.
    xdotool key Return
    poll 50 no_window "Open" || fail "the open dialog did not close"
fi
sleep 0.2
shot "Tolvane, v0.2.0" main-after-open

at "show the item editor"
press_until "$main" 84 60 "Item Editor" || fail "the item editor did not appear"
sleep 0.2
shot "Item Editor" item-editor
focus "$(window_named "Item Editor")"
xdotool key Escape
poll 50 no_window "Item Editor" || fail "the item editor did not close"

at "show the enemy editor"
press_until "$main" 84 92 "Enemy Editor" || fail "the enemy editor did not appear"
enemy=$(window_named "Enemy Editor")

at "pick entry 12 with the keyboard"
xdotool mousemove --window "$enemy" 2 2
focus "$enemy"
for _ in $(seq 12); do xdotool key Down; done

at "type 1500 into HP"
xdotool mousemove --window "$enemy" 140 41 click 1
xdotool key ctrl+a
xdotool type --delay 20 1500
hp=$(read_field "$enemy" 140 41)
[ "$hp" = "1023" ] || fail "HP reads '$hp', not 1023"
shot "Enemy Editor" enemy-editor

at "save"
xdotool mousemove --window "$enemy" 56 380 click 1
base=$((0x2C030 + 32 * 12))
expect_changes() {
    local low high
    low=$(od -An -tu1 -j $((base + 3)) -N1 "$work/demo.nes" | tr -d ' ')
    high=$(od -An -tu1 -j $((base + 4)) -N1 "$work/demo.nes" | tr -d ' ')
    [ "$low" = 255 ] && [ $((high & 3)) = 3 ]
}
poll 50 expect_changes || fail "HP 1023 did not reach the file"

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
pointer=$(od -An -tu2 -j $((base + 0x18)) -N2 --endian=little "$work/demo.nes" | tr -d ' ')
shown_pointer=$(read_field "$enemy" 140 353)
[ "$shown_pointer" = "$(printf '%X' "$pointer")" ] || fail "pointer field shows '$shown_pointer'"
hp=$(read_field "$enemy" 140 41)
[ "$hp" = "1023" ] || fail "HP reads '$hp' after the save"

at "close"
focus "$enemy"
xdotool key Escape
poll 50 no_window "Enemy Editor" || fail "the enemy editor did not close"
stop_editor

awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "typical edit in a real window: passed in %.1f s\n", b - a }'
