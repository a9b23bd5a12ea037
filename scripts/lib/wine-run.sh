#!/usr/bin/env bash
# Runs a Windows program of the build under Wine: CTest's emulator in the Windows build, and the
# runner the command-line scripts use there. A Qt Test program's standard output does not come
# back through Wine, so its log goes to a file that is printed afterwards; the exit code does
# come back as it is.
# The caller sets WINEPREFIX, WINEPATH and DISPLAY (scripts/windows.sh does).
program=$1
shift
# Wine keeps the host's QT_ variables from Windows programs; with a WINE prefix they pass.
for name in ${!QT_@}; do
    export "WINE$name=${!name}"
done
case "$(basename "$program")" in
tst_*.exe)
    log=$(mktemp --suffix=.txt)
    wine "$program" "$@" -o "Z:${log//\//\\},txt" >/dev/null 2>&1
    status=$?
    # Wine's consoles end lines with CR LF.
    tr -d '\r' <"$log"
    rm -f "$log"
    exit "$status"
    ;;
*)
    exec wine "$program" "$@"
    ;;
esac
