# Sourced by the real-window tests beside it, after scripts/lib/xserver.sh: what they share to
# drive the editor through the X server as a person would. The sourcing script sets work (its
# temporary folder, removed at exit) and shots (a folder for screenshots, or empty).

# use_program TOLVANE: how the editor is started, and how it is driven. A Windows build
# (tolvane.exe) runs under Wine on Qt's windows platform, with a UTF-8 locale so that paths beyond
# ASCII pass; the caller sets WINEPREFIX and WINEPATH (scripts/windows.sh does), and its
# screenshots are named windows-*.
use_program() {
    if [[ $1 == *.exe ]]; then
        launch=(env LC_ALL=C.UTF-8 wine "$1")
        shot_prefix=windows-
        # Wine's desktop and clipboard stay on the X display its server started with; the test
        # needs a server of its own, on its own display.
        wineserver -k 2>/dev/null || true
    else
        launch=("$1")
        shot_prefix=
    fi
}
# native_path PATH: PATH as the program takes it; Wine shows / as Z:.
native_path() {
    if [ -n "$shot_prefix" ]; then printf 'Z:%s' "${1//\//\\}"; else printf '%s' "$1"; fi
}
# focus WINDOW: without a window manager Wine gives a window the keyboard only when it is clicked.
focus() {
    [ -z "$shot_prefix" ] || xdotool mousemove --window "$1" 2 2 click 1
}
# at STEP: names the step a failure reports; with E2E_TRACE set, prints when each step starts.
at() {
    step=$1
    [ -z "${E2E_TRACE:-}" ] || echo "$(date +%s.%N | cut -c7-14) $1" >&2
}
cleanup() {
    set +e
    stop_own_processes
    rm -rf "$work"
}
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
shot() { [ -z "$shots" ] || import -window "$(window_named "$1")" "$shots/${shot_prefix:-}$2.png"; }
# Reads a text field of window $1 at ($2, $3) through the clipboard.
read_field() {
    printf '' | xclip -selection clipboard
    xdotool mousemove --window "$1" "$2" "$3" click 1
    xdotool key ctrl+a ctrl+c
    poll 30 test -n "$(timeout 5 xclip -o -selection clipboard 2>/dev/null)" || true
    timeout 5 xclip -o -selection clipboard
}
# press_until WINDOW X Y TITLE: presses at (X, Y) of WINDOW until a window titled TITLE appears.
press_until() {
    for ((try = 0; try < 5; try++)); do
        xdotool mousemove --window "$1" "$2" "$3" click 1
        poll 30 has_window "$4" && return 0
    done
    return 1
}
# start_editor PROGRAM ARGUMENT...: starts the editor in $work on the X server, logging to app.log.
start_editor() {
    (cd "$work" && exec env -u QT_QPA_PLATFORM -u WINEQT_QPA_PLATFORM "$@" >"$work/app.log" 2>&1) &
    app_pid=$!
}
# Without a window manager nothing sends the close request; the editor is stopped by its id.
stop_editor() {
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
}
