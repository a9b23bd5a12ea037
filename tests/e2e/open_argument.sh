#!/usr/bin/env bash
# The start with an image named on the command line, in a real window under its own Xvfb, as a
# file manager's "Open with" starts the program: the image opens as if chosen in the open dialog,
# so the enemy editor shows that file's entry 0; a path that cannot be opened brings the open's
# message, and the main window still starts, with no image.
# Usage: open_argument.sh TOLVANE DEMO_IMAGE [SCREENSHOT_DIR]
# shellcheck source=xdrive.sh
source "$(dirname "$0")/xdrive.sh"
begin_real_window_test "$@"

# A space and a letter beyond ASCII in the name: the path must reach the open intact.
image="$work/Démo image.nes"
cp "$demo" "$image"
chmod u+w "$image"

at "start with the image"
start_editor "$(native_path "$image")"
main=$(wait_main_window "$title" 120) || fail "the main window did not appear"
shot "$title" argument-main

at "the enemy editor shows the image's entry 0"
enemy=$(press_until "$main" 84 92 "Enemy Editor")
# The editor opens only once the open is done, and the open's message would have come before.
no_window "Open ROM" || fail "a message came up beside the image"
entry=$((0x2C030))
low=$(od -An -tu1 -j $((entry + 3)) -N1 "$image" | tr -d ' ')
high=$(od -An -tu1 -j $((entry + 4)) -N1 "$image" | tr -d ' ')
hp=$(read_field "$enemy" 140 41)
[ "$hp" = $((low | (high & 3) << 8)) ] || fail "HP reads '$hp', the file holds $((low | (high & 3) << 8))"
focus "$enemy"
xdotool key Escape
wait_gone "Enemy Editor"
stop_editor

at "start with a path that cannot be opened"
start_editor "$(native_path "$work/gone.nes")"
message=$(wait_main_window "Open ROM" 120) || fail "no message named the missing file"
main=$(wait_main_window "$title" 60) || fail "the main window did not appear"
shot "Open ROM" argument-cannot-open
focus "$message"
xdotool key Return
wait_gone "Open ROM"

at "the main window starts with no image"
xdotool mousemove --window "$main" 84 92 click 1
# The open dialog comes from a later click, so the first one has been handled when it shows.
press_until "$main" 12 12 "Open" >/dev/null
no_window "Enemy Editor" || fail "an editor opened although no image is open"
xdotool key Escape
wait_gone "Open"
stop_editor
passed "start with an image argument in a real window"
