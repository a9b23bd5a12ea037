#!/usr/bin/env bash
# The typical edit in a real window, driven only through the X server as a person would: open the
# demo image through the open dialog, pick enemy 12, type 1500 into HP (it must read 1023), Save,
# and check the file's bytes. Usage: typical_edit.sh TOLVANE DEMO_IMAGE [SCREENSHOT_DIR]
# A Windows build (TOLVANE is tolvane.exe) runs under Wine on Qt's windows platform; the caller
# sets WINEPREFIX and WINEPATH (scripts/windows.sh does), and its screenshots are named windows-*.
set -euo pipefail

tolvane=$(realpath "$1")
if [[ $tolvane == *.exe ]]; then
    launch=(wine "$tolvane")
    shot_prefix=windows-
    # The open dialog takes Windows paths; Wine shows / as Z:.
    native_path() { printf 'Z:%s' "${1//\//\\}"; }
    # Without a window manager Wine gives a window the keyboard only when it is clicked.
    focus() { xdotool mousemove --window "$1" 2 2 click 1; }
    # Wine's desktop and clipboard stay on the X display its server started with; the edit
    # needs a server of its own, on its own display.
    wineserver -k 2>/dev/null || true
else
    launch=("$tolvane")
    shot_prefix=
    native_path() { printf '%s' "$1"; }
    focus() { :; }
fi
demo=$(realpath "$2")
shots=${3:-}
[ -z "$shots" ] || mkdir -p "$shots"
work=$(mktemp -d)
# shellcheck source=../../scripts/lib/xserver.sh
source "$(dirname "$0")/../../scripts/lib/xserver.sh"

# at STEP: names the step a failure reports; with E2E_TRACE set, prints when each step starts.
at() {
    step=$1
    [ -z "${E2E_TRACE:-}" ] || echo "$(date +%s.%N | cut -c7-14) $1" >&2
}
at "start"

cleanup() {
    set +e
    stop_own_processes
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL at step '$step': $*" >&2
    [ -s "$work/app.log" ] && sed 's/^/editor: /' "$work/app.log" >&2
    if [ -n "$shots" ] && [ -n "${DISPLAY:-}" ]; then
        import -window root "$shots/failure.png" 2>/dev/null || true
        echo "screen saved to $shots/failure.png" >&2
    fi
    exit 1
}
# poll TRIES COMMAND...: runs COMMAND every 0.1 s until it succeeds, at most TRIES times.
poll() {
    local tries=$1
    shift
    for ((i = 0; i < tries; i++)); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    return 1
}
window_named() { xdotool search --onlyvisible --name "^$1\$" | head -n 1; }
has_window() { [ -n "$(window_named "$1")" ]; }
no_window() { [ -z "$(window_named "$1")" ]; }
shot() { [ -z "$shots" ] || import -window "$(window_named "$1")" "$shots/$shot_prefix$2.png"; }
# Reads a text field of window $1 at ($2, $3) through the clipboard.
read_field() {
    printf '' | xclip -selection clipboard
    xdotool mousemove --window "$1" "$2" "$3" click 1
    xdotool key ctrl+a ctrl+c
    poll 30 test -n "$(timeout 5 xclip -o -selection clipboard 2>/dev/null)" || true
    timeout 5 xclip -o -selection clipboard
}
started=$(date +%s.%N)

at "start Xvfb"
start_own_xvfb 90 140 "$work/xvfb.log" || fail "Xvfb did not come up"

at "start the editor"
cp "$demo" "$work/demo.nes"
chmod u+w "$work/demo.nes"
cp "$work/demo.nes" "$work/original.nes"
(cd "$work" && exec env -u QT_QPA_PLATFORM -u WINEQT_QPA_PLATFORM "${launch[@]}" >"$work/app.log" 2>&1) &
app_pid=$!
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

# Presses the button at ($1, $2) of the main window until window $3 appears.
open_editor() {
    for ((try = 0; try < 5; try++)); do
        xdotool mousemove --window "$main" "$1" "$2" click 1
        poll 30 has_window "$3" && return 0
    done
    return 1
}

at "show the item editor"
open_editor 84 60 "Item Editor" || fail "the item editor did not appear"
sleep 0.2
shot "Item Editor" item-editor
focus "$(window_named "Item Editor")"
xdotool key Escape
poll 50 no_window "Item Editor" || fail "the item editor did not close"

at "show the enemy editor"
open_editor 84 92 "Enemy Editor" || fail "the enemy editor did not appear"
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
# Without a window manager nothing sends the close request; the editor is stopped by its id.
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""

awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "typical edit in a real window: passed in %.1f s\n", b - a }'
