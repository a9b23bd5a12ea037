#!/usr/bin/env bash
# F5 in the enemy editor with an edit of entry 0's HP not yet saved: the editor asks first, the
# default answer (Save) saves it, and the stand-in emulator of TOLVANE_EMULATOR gets the image,
# whose bytes then hold the edit, as one argument though its path holds a blank and non-ASCII.
# Usage: play_from_editor.sh TOLVANE DEMO_IMAGE [SCREENSHOT_DIR]
# shellcheck source=xdrive.sh
source "$(dirname "$0")/xdrive.sh"
begin_real_window_test "$@"

at "a stand-in emulator that records its arguments"
image="$work/play test é.nes"
cp "$demo" "$image"
chmod u+w "$image"
cat >"$work/stand-in emulator" <<'SCRIPT'
#!/bin/sh
printf '%s\n' "$#" "$@" >"$STANDIN_LOG.part" && mv "$STANDIN_LOG.part" "$STANDIN_LOG"
SCRIPT
chmod +x "$work/stand-in emulator"
export STANDIN_LOG="$work/arguments" TOLVANE_EMULATOR="\"$work/stand-in emulator\" --rom %f -f"

at "edit entry 0's HP in the enemy editor, unsaved"
start_editor "$image"
main=$(wait_main_window "$title" 120) || fail "the main window did not appear"
enemy=$(press_until "$main" 84 92 "Enemy Editor")
retype_hp "$enemy"
[ ! -e "$STANDIN_LOG" ] || fail "the emulator ran before F5"

at "F5 asks, and Save is the default answer"
xdotool key F5
poll 30 has_window "Play-test" || fail "F5 asked nothing about the unsaved edit"
shot "Play-test" play-test-question
focus "$(window_named "Play-test")"
xdotool key Return
wait_gone "Play-test"

at "the stand-in gets the image, which holds the edit"
poll 30 test -s "$STANDIN_LOG" || fail "the stand-in emulator was not started"
expected=$(printf '%s\n' 3 --rom "$image" -f)
[ "$(cat "$STANDIN_LOG")" = "$expected" ] ||
    fail "the stand-in got: $(cat "$STANDIN_LOG"), not: $expected"
shows_hp_of_entry_0 "$enemy" "$image"
entry=$((0x2C030))
low=$(od -An -tu1 -j $((entry + 3)) -N1 "$image" | tr -d ' ')
high=$(od -An -tu1 -j $((entry + 4)) -N1 "$image" | tr -d ' ')
[ $((low | (high & 3) << 8)) = "$new" ] || fail "the image does not hold HP $new"
focus "$enemy"
stop_editor
passed "Play-test from the enemy editor"
