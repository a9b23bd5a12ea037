#!/usr/bin/env bash
# The built tolvane-cli, as a shell sees it: exit code 0 on success, 1 for invalid input or an
# output not written in full, with the image left as it was, 2 for a usage error. A Windows build
# (tolvane-cli.exe) runs under Wine, which has no device nodes or FIFOs: those cases are skipped.
set -u
cli=$1
image=$2
run=("$cli")
[[ $cli != *.exe ]] || run=(wine "$cli")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$image" "$work/a.nes"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

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
printf 'index,name\n1,2,3\n' >"$work/bad%1.csv"
expect 1 import "$work/a.nes" "$work/bad%1.csv"
grep -q 'bad%1.csv:1:1: the column' "$work/err" || fail "the error does not name the file as written"
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
expect 0 export "$work/a.nes" -o -
cmp -s "$work/out" "$work/items.csv" || fail "-o - did not write the table to the standard output"
if [[ $cli != *.exe ]]; then
    # A pipe is refused as OUT, but not the command's own output named /dev/stdout.
    "$cli" export "$work/a.nes" -o /dev/stdout | cat >"$work/piped.csv"
    cmp -s "$work/piped.csv" "$work/items.csv" || fail "-o /dev/stdout into a pipe"
fi
# Nodes of the test's own (mknod needs the right to make them): written into, never replaced, and
# a full one reported with the system's reason.
if [[ $cli != *.exe ]] && mknod "$work/null" c 1 3 2>/dev/null && mknod "$work/full.ips" c 1 7; then
    expect 0 export "$work/a.nes" -o "$work/null"
    [ -c "$work/null" ] || fail "-o replaced a device node"
    expect 1 patch "$image" "$work/a.nes" -o "$work/full.ips"
    [ -c "$work/full.ips" ] || fail "-o replaced a device node"
    "${run[@]}" export "$work/a.nes" >"$work/full.ips" 2>"$work/err"
    [ $? -eq 1 ] && grep -q 'standard output: No space' "$work/err" || fail "a full standard output"
fi
if [[ $cli != *.exe ]] && mkfifo "$work/fifo.csv"; then
    run=(timeout 20 "$cli")
    expect 1 import "$work/a.nes" "$work/fifo.csv"
    grep -q 'is a FIFO' "$work/err" || fail "a FIFO as the table: $(cat "$work/err")"
    # As OUT, a FIFO is refused at once, never waited on or replaced.
    expect 1 merge "$work/a.nes" "$work/a.nes" "$image" -o "$work/fifo.csv"
    grep -q 'is a FIFO' "$work/err" && [ -p "$work/fifo.csv" ] || fail "merge -o FIFO: $(cat "$work/err")"
    run=("$cli")
fi
# An input of gigabytes (sparse: it costs no disk) is refused by its size, before it is read: the
# commands run within a tenth of the memory reading it would take.
if [[ $cli != *.exe ]] && truncate -s 3G "$work/huge.nes"; then
    for command in "info $work/huge.nes" "diff $work/a.nes $work/huge.nes" \
        "merge $work/huge.nes $work/a.nes $work/a.nes -o $work/m.nes" "export $work/huge.nes"; do
        # shellcheck disable=SC2086 # the words of the command
        (if [ -z "${TOLVANE_SANITIZED:-}" ]; then ulimit -v 400000; fi && exec "$cli" $command) \
            >"$work/out" 2>"$work/err"
        code=$?
        [ $code -eq 1 ] && grep -q 'more than the 16777216 bytes' "$work/err" ||
            fail "$command: exit $code, $(cat "$work/err")"
    done
    rm -f "$work/huge.nes"
fi
# Whatever stands at IMAGE.bak as a link is replaced by the backup, never followed.
echo theirs >"$work/theirs"
for target in l.nes theirs nowhere/none; do
    cp "$image" "$work/l.nes"
    rm -f "$work/l.nes.bak"
    ln -s "$target" "$work/l.nes.bak" || continue
    if [[ $cli == *.exe && $target == l.nes ]]; then
        # Wine will not move a file over a link to a file it holds open: refused, nothing written.
        expect 1 rename "$work/l.nes" --item 1 Ush
        cmp -s "$work/l.nes" "$image" && [ -L "$work/l.nes.bak" ] || fail "a refused backup wrote"
        continue
    fi
    expect 0 rename "$work/l.nes" --item 1 Ush
    [ ! -L "$work/l.nes.bak" ] && cmp -s "$work/l.nes.bak" "$image" && ! cmp -s "$work/l.nes" "$image" &&
        [ "$(cat "$work/theirs")" = theirs ] && [ ! -e "$work/nowhere" ] ||
        fail "a link at the backup's name to $target was followed"
done
# An output that is an input is refused, and an oversized table is not read.
expect 1 export "$work/a.nes" -o "$work/a.nes"
cmp -s "$image" "$work/a.nes" || fail "export -o IMAGE changed the image"
truncate -s 9M "$work/big.csv"
expect 1 import "$work/a.nes" "$work/big.csv"
grep -q 'more than the 8388608 bytes' "$work/err" || fail "an oversized table: $(cat "$work/err")"
if [[ $cli != *.exe ]]; then
    # A full standard output fails every command that prints, not only export.
    for command in "info $work/a.nes --json" "diff $work/a.nes $image"; do
        # shellcheck disable=SC2086 # the words of the command
        "$cli" $command >/dev/full 2>"$work/err"
        [ $? -eq 1 ] && grep -q 'standard output: No space' "$work/err" || fail "$command >/dev/full"
    done
    # A regular file under /dev is replaced like any other, never appended to.
    shm=$(mktemp /dev/shm/tolvane-XXXXXX.csv)
    expect 0 export "$work/a.nes" -o "$shm"
    expect 0 export "$work/a.nes" -o "$shm"
    cmp -s "$shm" "$work/items.csv" || fail "a second export into $shm did not replace the first"
    rm -f "$shm"
    # A name that is no UTF-8 is refused, not taken for the file whose name decodes alike.
    cp "$image" "$work/caf"$'\xef\xbf\xbd'.nes
    expect 2 rename "$work/caf"$'\xe9'.nes --item 1 Ush
    cmp -s "$image" "$work/caf"$'\xef\xbf\xbd'.nes || fail "a non-UTF-8 name edited another file"
fi
# A writer of ours that finds the image held past its wait gives up without writing anything. (The
# rounds below show the wait: each of the two writers holds the image while the other starts.)
if [[ $cli != *.exe ]] && command -v flock >/dev/null; then
    cp "$image" "$work/w.nes"
    rm -f "$work/w.nes.bak"
    flock "$work/w.nes" sleep 9 &
    holder=$!
    sleep 0.3
    expect 1 rename "$work/w.nes" --item 1 Ush
    grep -q 'kept writing to the image for more than 5 seconds' "$work/err" ||
        fail "a held image: $(cat "$work/err")"
    cmp -s "$image" "$work/w.nes" && [ ! -e "$work/w.nes.bak" ] || fail "a refused writer wrote"
    kill "$holder"
    wait
fi
# Two writers at once each land whole, and the backup holds the image as one of them left it,
# never a part of the other's writes.
awk -F, -v OFS=, 'NR == 1 { for (k = 1; k <= NF; k++) if ($k == "cost") c = k; print; next }
    { $c = ($c + 1) % 65536; print }' "$work/items.csv" >"$work/costs.csv"
cp "$image" "$work/seq.nes"
"${run[@]}" import "$work/seq.nes" "$work/costs.csv" --no-backup >/dev/null
cp "$work/seq.nes" "$work/import-first.nes"
"${run[@]}" rename "$work/seq.nes" --item 1 Ush --no-backup >/dev/null
cp "$image" "$work/rename-first.nes"
"${run[@]}" rename "$work/rename-first.nes" --item 1 Ush --no-backup >/dev/null
for round in 1 2 3; do
    cp "$image" "$work/both.nes"
    rm -f "$work/both.nes.bak" "$work/both.nes.history"
    "${run[@]}" import "$work/both.nes" "$work/costs.csv" >/dev/null 2>"$work/err1" &
    "${run[@]}" rename "$work/both.nes" --item 1 Ush >/dev/null 2>"$work/err2" ||
        fail "round $round: the rename failed: $(cat "$work/err2")"
    wait $! || fail "round $round: the import failed: $(cat "$work/err1")"
    cmp -s "$work/both.nes" "$work/seq.nes" || fail "round $round: a writer did not land whole"
    cmp -s "$work/both.nes.bak" "$work/import-first.nes" ||
        cmp -s "$work/both.nes.bak" "$work/rename-first.nes" ||
        fail "round $round: the backup holds neither image as one writer left it"
    expect 0 history "$work/both.nes" --json
    [ "$(grep -c '"state": "done"' "$work/out")" = 2 ] ||
        fail "round $round: the history does not hold both saves, done: $(cat "$work/out")"
done
# The history is made with the image's permissions, and never written through a link.
if [[ $cli != *.exe ]]; then
    cp "$image" "$work/p.nes"
    chmod 640 "$work/p.nes"
    expect 0 rename "$work/p.nes" --item 1 Ush --no-backup
    [ "$(stat -c %a "$work/p.nes.history")" = 640 ] ||
        fail "the history's mode is $(stat -c %a "$work/p.nes.history"), not the image's 640"
    cp "$image" "$work/h.nes"
    ln -s theirs "$work/h.nes.history"
    expect 1 rename "$work/h.nes" --item 1 Ush --no-backup
    grep -q 'h.nes.history cannot be written: it is a link' "$work/err" ||
        fail "a link at the history's name: $(cat "$work/err")"
    cmp -s "$image" "$work/h.nes" && [ "$(cat "$work/theirs")" = theirs ] ||
        fail "a link at the history's name was written through, or the image written"
    # A refused command makes no history; one written through a link keeps its history and its
    # backup beside the file the link leads to.
    cp "$image" "$work/r.nes"
    mkdir "$work/r.nes.bak"
    expect 1 rename "$work/r.nes" --item 1 Ush
    [ ! -e "$work/r.nes.history" ] || fail "a refused command left a history"
    ln -s r.nes "$work/link.nes"
    rmdir "$work/r.nes.bak"
    expect 0 rename "$work/link.nes" --item 1 Ush
    [ -f "$work/r.nes.history" ] && [ -f "$work/r.nes.bak" ] && [ ! -e "$work/link.nes.history" ] ||
        fail "the history or the backup of an image named by a link is not beside the image"
    # The history's name is the image's and 8 bytes more: too long a name is said so.
    long=$work/$(printf 'n%.0s' {1..246}).nes
    cp "$image" "$long"
    expect 1 rename "$long" --item 1 Ush --no-backup
    grep -q 'cannot be made: that name is 258 bytes long' "$work/err" ||
        fail "a name too long for the history: $(cat "$work/err")"
fi
# Batches in Lua, in the real program: one that runs away and one that allocates without end are
# each stopped with their message in seconds, and write nothing, not even a history; one that
# holds is one record.
cp "$image" "$work/b.nes"
printf 'items[0].cost = 1\nwhile true do end\n' >"$work/loop.lua"
printf 'items[0].cost = 1\nlocal t = {}\nwhile true do t[#t + 1] = string.rep("x", 65536) .. #t end\n' \
    >"$work/grow.lua"
for script in loop grow; do
    started=$SECONDS
    expect 1 script "$work/b.nes" "$work/$script.lua"
    [ $((SECONDS - started)) -lt 30 ] || fail "$script.lua ran for $((SECONDS - started)) s"
    grep -qE 'it runs too long|memory cap of 64 MiB' "$work/err" || fail "$script.lua: $(cat "$work/err")"
done
cmp -s "$image" "$work/b.nes" && [ ! -e "$work/b.nes.history" ] || fail "a stopped script wrote"
expect 0 edit "$work/b.nes" --table enemies --where "hp < 100" --set "hp = hp * 1.5"
expect 0 history "$work/b.nes"
[ "$(grep -c '  edit  ' "$work/out")" -ge 1 ] && [ "$(cut -c1 "$work/out" | sort -u)" = 1 ] ||
    fail "the edit is not one record made by edit: $(cat "$work/out")"
expect 2 frobnicate
expect 2 export
expect 2 info
expect 2 info "$work/a.nes" --frobnicate
exit $((failures > 0))
