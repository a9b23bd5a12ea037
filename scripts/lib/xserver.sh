# Sourced by the scripts that drive the editor in a real window under an X server of their own.
# They set app_pid and xvfb_pid as they start things; stop_own_processes ends both by their ids.

app_pid=""
xvfb_pid=""

# start_own_xvfb FIRST LAST LOGFILE: starts Xvfb on the first free display number in FIRST..LAST,
# exports DISPLAY and waits (bounded) until it answers.
start_own_xvfb() {
    local n display=""
    for n in $(seq "$1" "$2"); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=":$n"; break; }
    done
    [ -n "$display" ] || { echo "no free X display in $1..$2" >&2; return 1; }
    # -noreset: the server must not reset when a probing client disconnects.
    Xvfb "$display" -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset >"$3" 2>&1 &
    xvfb_pid=$!
    export DISPLAY=$display
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb did not come up on $display" >&2
    return 1
}

stop_own_processes() {
    if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
    app_pid=""
    xvfb_pid=""
}
