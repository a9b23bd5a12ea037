#!/usr/bin/env bash
# A real emulator from Debian's packages, found on PATH as the search finds it: tolvane-cli play
# starts it on a synthetic image under Xvfb and returns, the emulator runs on with the image's
# path among its arguments, and it is then ended by its own process id.
# Usage: real_emulator.sh TOLVANE DEMO_IMAGE [SCREENSHOT_DIR], with TOLVANE_CLI set.
# shellcheck source=xdrive.sh
source "$(dirname "$0")/xdrive.sh"
begin_real_window_test "$@"

emulator_pid=""
end_emulator() { [ -z "$emulator_pid" ] || kill "$emulator_pid" 2>/dev/null || true; }
trap 'end_emulator; cleanup' EXIT

at "a synthetic image and no TOLVANE_EMULATOR"
image="$work/real emulator.nes"
cp "$demo" "$image"
unset TOLVANE_EMULATOR
export PATH="/usr/games:$PATH" HOME="$work" SDL_AUDIODRIVER=dummy
printed=$("$TOLVANE_CLI" play --print "$image") || fail "play --print failed"
program=$(basename "${printed%% *}")
case $program in fceux | nestopia | mednafen) ;; *) fail "play --print gave: $printed" ;; esac

at "play starts $program and returns"
timeout 20 "$TOLVANE_CLI" play "$image" || fail "tolvane-cli play failed"
# runs_on_image: sets emulator_pid to the process whose arguments hold the image's path.
runs_on_image() {
    local dir
    for dir in /proc/[0-9]*; do
        if tr '\0' '\n' <"$dir/cmdline" 2>/dev/null | grep -qxF "$image"; then
            emulator_pid=${dir#/proc/}
            return 0
        fi
    done
    return 1
}
poll 30 runs_on_image || fail "no process runs with $image"
[ "$(basename "$(readlink "/proc/$emulator_pid/exe")")" = "$program" ] ||
    fail "process $emulator_pid is $(readlink "/proc/$emulator_pid/exe"), not $program"

at "it goes on running, then ends by its id"
# Ended, or a zombie: detached, it is no child of ours, and whoever it was handed to reaps it.
gone() { ! kill -0 "$emulator_pid" 2>/dev/null || [ "$(awk '{ print $3 }' "/proc/$emulator_pid/stat" 2>/dev/null)" = Z ]; }
sleep 3
! gone || fail "$program ended on the synthetic image by itself"
[ -z "$shots" ] || import -window root "$shots/real-emulator.png" 2>/dev/null || true
# fceux goes on through SIGTERM while it runs a game; SIGKILL, to the same id, ends anything.
kill "$emulator_pid"
poll 5 gone || kill -KILL "$emulator_pid"
poll 20 gone || fail "$program did not end on its kill"
emulator_pid=""
passed "a real emulator"
