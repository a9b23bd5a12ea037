#!/usr/bin/env bash
# The start with an image named on the command line, in a real window under its own Xvfb, as a
# file manager's "Open with" starts the program: the image opens as if chosen in the open dialog,
# so the enemy editor shows that file's entry 0; a path that cannot be opened brings the open's
# message, and the main window still starts, with no image. Qt's own options pass, "--" lets a
# name begin with "-", and --help, --version and an unknown option end without a window.
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
shows_hp_of_entry_0 "$enemy" "$image"
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
at "start with a Qt option and a name that begins with -"
cp "$image" "$work/-odd.nes"
start_editor -style Fusion -- -odd.nes
main=$(wait_main_window "$title" 120) || fail "the main window did not appear"
press_until "$main" 84 92 "Enemy Editor" >/dev/null
# The editor opens only once the open is done, and the open's message would have come before.
no_window "Open ROM" || fail "a message came up instead of -odd.nes"
stop_editor

# A windowed program on Windows shows these in a message box; the terminal's answer is Linux's.
if [ -z "$shot_prefix" ]; then
    at "--help and --version answer without a display"
    env -u DISPLAY "$tolvane" --help >"$work/help" || fail "--help did not exit with 0"
    grep -q 'tolvane \[options\] \[IMAGE\]$' "$work/help" || fail "--help printed: $(cat "$work/help")"
    [ "$(env -u DISPLAY "$tolvane" --version)" = "tolvane 0.2.0" ] || fail "--version"
    at "an unknown option is a usage error"
    code=0
    "$tolvane" --frobnicate 2>"$work/err" || code=$?
    [ "$code" = 2 ] || fail "--frobnicate exited with $code, not 2"
    grep -q "frobnicate" "$work/err" || fail "the error does not name the option: $(cat "$work/err")"
fi
passed "start with an image argument in a real window"
