# Sourced by the scripts that drive the editor in a real window under an X server of their own:
# the real-window tests, scripts/windows.sh and bench/startup.sh. They set app_pid as they start
# the program; stop_own_processes ends it and the server by their ids.

app_pid=""
xvfb_pid=""
# How long poll sleeps between tries; the benchmark, which times a wait, looks more often.
poll_interval=0.1
# With poll_deadline set (in EPOCHSECONDS), no poll runs past it: the script's own budget.
poll_deadline=""

# poll SECONDS COMMAND...: runs COMMAND, a program or a function, again on every try until it
# succeeds; fails after SECONDS, or at poll_deadline if that comes first.
poll() {
    local until=$((EPOCHSECONDS + $1))
    shift
    if [ -n "$poll_deadline" ] && [ "$poll_deadline" -lt "$until" ]; then until=$poll_deadline; fi
    while ! "$@" >/dev/null 2>&1; do
        [ "$EPOCHSECONDS" -lt "$until" ] || return 1
        sleep "$poll_interval"
    done
}

xserver_alive() { kill -0 "$xvfb_pid" 2>/dev/null; }
xserver_ready() { xserver_alive && xdpyinfo >/dev/null 2>&1; }

# start_own_xvfb LOGFILE: starts Xvfb on a display number it picks itself, exports DISPLAY and
# waits until that server, our own, answers.
start_own_xvfb() {
    local fifo display=""
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # -noreset: the server must not reset when a probing client disconnects. -displayfd: the
    # server takes a free number itself, so no other script can take it between choice and start;
    # it writes the number once it accepts clients, and the pipe ends if it fails first.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset >"$1" 2>&1 3>"$fifo" &
    xvfb_pid=$!
    read -r -t 60 display <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$display" ]; then
        echo "Xvfb did not report a display; its log says: $(tail -n 3 "$1")" >&2
        return 1
    fi
    export DISPLAY=:$display
    poll 30 xserver_ready || { echo "Xvfb on $DISPLAY is gone or does not answer" >&2; return 1; }
}

# wait_main_window TITLE SECONDS: prints the id of the program's visible window titled TITLE once
# it is there; fails at once if the program (app_pid) ends first.
wait_main_window() {
    local until=$((EPOCHSECONDS + $2)) id
    if [ -n "$poll_deadline" ] && [ "$poll_deadline" -lt "$until" ]; then until=$poll_deadline; fi
    while :; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [ -z "$id" ] || { echo "$id"; return 0; }
        kill -0 "$app_pid" 2>/dev/null || { echo "the program ended before its window" >&2; return 1; }
        [ "$EPOCHSECONDS" -lt "$until" ] || { echo "no window '$1' within $2 s" >&2; return 1; }
        sleep "$poll_interval"
    done
}

stop_own_processes() {
    if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null; wait "$app_pid" 2>/dev/null; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
    app_pid=""
    xvfb_pid=""
}
