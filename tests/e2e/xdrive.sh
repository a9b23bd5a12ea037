# Sourced by the real-window tests beside it: what they share to drive the editor through the X
# server as a person would. Every wait waits on a condition: keys go to a window only once it has
# the keyboard focus, and a typed field is read back.
# shellcheck source=../../scripts/lib/xserver.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/xserver.sh"
title="Tolvane, v0.2.0"

# begin_real_window_test TOLVANE DEMO_IMAGE [SCREENSHOT_DIR]: sets tolvane, demo, shots and work
# (a temporary folder, removed at exit), and starts an X server of the test's own. The test may
# take E2E_BUDGET seconds (CTest's timeout is larger), so that a failure still names its step.
begin_real_window_test() {
    set -euo pipefail
    tolvane=$(realpath "$1") demo=$(realpath "$2") shots=${3:-}
    [ -z "$shots" ] || mkdir -p "$shots"
    work=$(mktemp -d)
    poll_deadline=$((EPOCHSECONDS + ${E2E_BUDGET:-240})) started=$EPOCHREALTIME
    use_program "$tolvane"
    trap cleanup EXIT
    at "start Xvfb"
    start_own_xvfb "$work/xvfb.log" || fail "Xvfb did not come up"
}
# use_program TOLVANE: how the editor is started. A Windows build (tolvane.exe) runs under Wine on
# Qt's windows platform, with a UTF-8 locale so that paths beyond ASCII pass; the caller sets
# WINEPREFIX and WINEPATH (scripts/windows.sh does), and its screenshots are named windows-*.
use_program() {
    launch=("$1") shot_prefix=
    [[ $1 == *.exe ]] || return 0
    launch=(env LC_ALL=C.UTF-8 wine "$1") shot_prefix=windows-
    # Without a window manager Wine makes a window the active one only when it gets the X focus,
    # and only with UseTakeFocus off; a click alone leaves keys going nowhere for a while.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseTakeFocus /d N /f >/dev/null 2>&1
    # Wine's desktop and clipboard stay on the X display its server started with; the test needs
    # a server of its own, on its own display.
    wineserver -k 2>/dev/null || true
}
# native_path PATH: PATH as the program takes it; Wine shows / as Z:.
native_path() {
    if [ -n "$shot_prefix" ]; then printf 'Z:%s' "${1//\//\\}"; else printf '%s' "$1"; fi
}
# at STEP: names the step a failure reports; with E2E_TRACE set, prints when each step starts.
at() {
    step=$1
    [ -z "${E2E_TRACE:-}" ] || echo "$(date +%s.%N | cut -c7-14) $1" >&2
}
cleanup() { set +e; stop_own_processes; rm -rf "$work"; }
fail() {
    echo "FAIL at step '$step': $*" >&2
    [ -s "$work/app.log" ] && sed 's/^/editor: /' "$work/app.log" >&2
    if [ -n "$shots" ] && [ -n "${DISPLAY:-}" ]; then
        import -window root "$shots/failure.png" 2>/dev/null || true
        echo "screen saved to $shots/failure.png" >&2
    fi
    exit 1
}
window_named() { xdotool search --onlyvisible --name "^$1\$" | head -n 1; }
has_window() { [ -n "$(window_named "$1")" ]; }
no_window() { [ -z "$(window_named "$1")" ]; }
wait_gone() { poll 60 no_window "$1" || fail "the window '$1' did not close"; }
focused_on() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
# focus WINDOW: waits until WINDOW has the keyboard focus; keys sent before would go elsewhere.
# Qt gives it to the window it shows; under Wine the test gives it (see use_program).
focus() {
    [ -z "$shot_prefix" ] || xdotool windowfocus "$1"
    poll 60 focused_on "$1" || fail "window $1 did not get the keyboard focus"
}
shot() { [ -z "$shots" ] || import -window "$(window_named "$1")" "$shots/${shot_prefix:-}$2.png"; }
clear_clipboard() { printf '' | xclip -selection clipboard; }
# End, then shift+Home selects a whole field in Qt's fields and in Windows' own, also while the
# file name completer's popup is open (it takes Home and End only with ctrl).
select_field() { xdotool key End shift+Home; }
clipboard_holds_text() { [ -n "$(timeout 5 xclip -o -selection clipboard 2>/dev/null)" ]; }
# read_focused: the text of the focused field, through the clipboard. read_field WINDOW X Y: of
# the field of WINDOW at (X, Y).
read_focused() {
    clear_clipboard
    select_field
    xdotool key ctrl+c
    poll 10 clipboard_holds_text || true
    timeout 5 xclip -o -selection clipboard
}
read_field() { xdotool mousemove --window "$1" "$2" "$3" click 1 && read_focused; }
# type_into WINDOW X Y TEXT EXPECTED: types TEXT into the field at (X, Y) of WINDOW, which has the
# focus (without X and Y: into its focused field), until the field reads EXPECTED; a key the
# program lost under load is typed again, a field that reads otherwise each time fails the test.
type_into() {
    local try value
    for ((try = 0; try < 3; try++)); do
        [ -z "$2" ] || xdotool mousemove --window "$1" "$2" "$3" click 1
        select_field
        xdotool type --delay 20 "$4"
        value=$(read_focused)
        [ "$value" != "$5" ] || return 0
        focus "$1"
    done
    fail "the field reads '$value' after typing '$4', not '$5'"
}
# retype_hp EDITOR: types into the enemy editor's HP field a value other than the one it shows;
# `hp` then holds what it showed, `new` what was typed.
retype_hp() {
    hp=$(read_field "$1" 140 41)
    new=$((hp == 777 ? 778 : 777))
    type_into "$1" 140 41 "$new" "$new"
}
# ten_bits FILE N OFFSET: enemy N's 10-bit value at OFFSET in its record (HP 3, PP 5), as FILE holds
# it: the low byte, then bits 0-1 of the next.
ten_bits() {
    local at=$((0x2C030 + 32 * $2 + $3)) low high
    low=$(od -An -tu1 -j "$at" -N1 "$1" | tr -d ' ')
    high=$(od -An -tu1 -j $((at + 1)) -N1 "$1" | tr -d ' ')
    echo $((low | (high & 3) << 8))
}
# press_until WINDOW X Y TITLE: presses at (X, Y) of WINDOW until a window titled TITLE appears,
# then waits for it to take the keyboard, and prints its id.
press_until() {
    for ((try = 0; try < 5; try++)); do
        xdotool mousemove --window "$1" "$2" "$3" click 1
        if poll 12 has_window "$4"; then
            focus "$(window_named "$4")"
            window_named "$4"
            return 0
        fi
    done
    fail "no window '$4' appeared"
}
# start_editor ARGUMENT...: starts the editor in $work on our X server, logging to app.log.
start_editor() {
    (cd "$work" && exec env -u QT_QPA_PLATFORM -u WINEQT_QPA_PLATFORM "${launch[@]}" "$@" \
        >"$work/app.log" 2>&1) &
    app_pid=$!
}
# Without a window manager nothing sends the close request; the editor is stopped by its id.
stop_editor() { kill "$app_pid" && { wait "$app_pid" 2>/dev/null || true; } && app_pid=""; }
# shows_hp_of_entry_0 WINDOW IMAGE: the enemy editor WINDOW, on entry 0, shows the HP that IMAGE
# holds: the low byte, then bits 0-1 of the next.
shows_hp_of_entry_0() {
    local entry=$((0x2C030)) low high hp
    low=$(od -An -tu1 -j $((entry + 3)) -N1 "$2" | tr -d ' ')
    high=$(od -An -tu1 -j $((entry + 4)) -N1 "$2" | tr -d ' ')
    hp=$(read_field "$1" 140 41)
    [ "$hp" = $((low | (high & 3) << 8)) ] ||
        fail "HP reads '$hp', the file holds $((low | (high & 3) << 8))"
}
# passed WHAT: the closing line, with the time the test took.
passed() { awk -v a="$started" -v b="$EPOCHREALTIME" -v w="$1" 'BEGIN { printf "%s: passed in %.1f s\n", w, b - a }'; }
