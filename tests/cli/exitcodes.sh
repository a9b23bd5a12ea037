#!/usr/bin/env bash
# The built tolvane-cli, as a shell sees it: exit code 0 on success, 1 for invalid input with the
# image left as it was, 2 for a usage error. A Windows build (tolvane-cli.exe) runs under Wine.
set -u
cli=$1
image=$2
run=("$cli")
[[ $cli != *.exe ]] || run=(wine "$cli")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$image" "$work/a.nes"
failures=0

expect() {
    local want=$1
    shift
    "${run[@]}" "$@" >"$work/out" 2>"$work/err"
    local got=$?
    if [ "$got" -ne "$want" ]; then
        echo "FAIL: tolvane-cli $* exited with $got, expected $want"
        cat "$work/err"
        failures=$((failures + 1))
    fi
}

expect 0 --version
grep -q '^tolvane-cli [0-9]' "$work/out" || { echo "FAIL: --version printed $(cat "$work/out")"; failures=$((failures + 1)); }
expect 0 export "$work/a.nes" -o "$work/items.csv"
expect 0 import "$work/a.nes" "$work/items.csv"
printf 'index,name\n1,2,3\n' >"$work/bad.csv"
expect 1 import "$work/a.nes" "$work/bad.csv"
grep -q 'bad.csv:' "$work/err" || { echo "FAIL: the error does not name the file"; failures=$((failures + 1)); }
cmp -s "$image" "$work/a.nes" || { echo "FAIL: the image changed"; failures=$((failures + 1)); }
expect 1 export "$work/missing.nes"
expect 0 info "$work/a.nes"
grep -q '^Tables look right: *yes' "$work/out" || { echo "FAIL: info does not find the tables"; failures=$((failures + 1)); }
expect 0 info "$work/a.nes" --json
grep -q '"tables_look_right": true' "$work/out" || { echo "FAIL: info --json printed $(cat "$work/out")"; failures=$((failures + 1)); }
expect 1 info "$work/missing.nes"
grep -q 'missing.nes' "$work/err" || { echo "FAIL: info does not name the missing file"; failures=$((failures + 1)); }
# Arguments and paths beyond ASCII reach the program intact.
mkdir "$work/Zoë"
cp "$image" "$work/Zoë/ï.nes"
expect 0 export "$work/Zoë/ï.nes" -o "$work/Zoë/items.csv"
cmp -s "$work/items.csv" "$work/Zoë/items.csv" || { echo "FAIL: the export from Zoë/ï.nes differs"; failures=$((failures + 1)); }
expect 2 frobnicate
expect 2 export
expect 2 info
expect 2 info "$work/a.nes" --frobnicate
exit $((failures > 0))
