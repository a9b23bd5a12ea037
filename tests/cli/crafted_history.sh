#!/usr/bin/env bash
# A history of 90 bytes whose one done record claims to have written offset 0xFFFFFF00, far past
# the end of any image: the commands that read the original from it must report that record and
# go on, within a memory limit far below what following its claim would take.
# Usage: crafted_history.sh TOLVANE_CLI DEMO_IMAGE
set -u
cli=$1
if [[ $cli == *.exe ]]; then
    echo "SKIP: prlimit limits no program that runs under Wine"
    exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$2" "$work/a.nes"
chmod u+w "$work/a.nes"
# Header; record 1, made by import, one range of 1 byte at 0xFFFFFF00; its mark D.
printf '%b' '\x54\x4f\x4c\x56\x48\x49\x53\x54\x01\x00\x00\x00\x00\x00\x00\x00' \
    '\x54\x56\x48\x45\x34\x00\x00\x00\x54\x01\x00\x00\x00\xd7\x79\xe9\x59\xa2\x01\x00\x00' \
    '\x00\x00\x00\x00\x02\x00\x00\x00\x00\x01\x00\x00\x00\x00\xff\xff\xff\x01\x00\x00\x00' \
    '\x00\x01\xe0\xdf\xf7\x60\x34\x00\x00\x00' \
    '\x54\x56\x48\x45\x16\x00\x00\x00\x4d\x01\x00\x00\x00\x44\x6a\xe5\xa4\x02\x16\x00\x00\x00' \
    >"$work/a.nes.history"
size=$(stat -c %s "$work/a.nes.history")
[ "$size" -eq 90 ] || { echo "FAIL: the crafted history is $size bytes, not 90"; exit 1; }
failures=0
fail() {
    echo "FAIL: $1"
    cat "$work/err" "$work/out"
    failures=$((failures + 1))
}
# 512 MiB of address space: a Qt program's own needs, and nothing like the 8 GiB of the claim.
limit=(prlimit --as=$((512 << 20)) --)
# A sanitized build's shadow memory alone is past any such cap: there the claim is checked by what
# the commands say, and its cost by the plain build.
[ -z "${TOLVANE_SANITIZED:-}" ] || limit=()
limited() { "${limit[@]}" "$cli" "$@" >"$work/out" 2>"$work/err"; }
limited history "$work/a.nes" || fail "history exited with $? under the memory limit"
limited changes "$work/a.nes" || fail "changes exited with $? under the memory limit"
grep -q "record 1 reaches past the end of the image" "$work/err" ||
    fail "changes did not report the record outside the image"
# Nothing of the record is taken: the image is its own original.
grep -q "Every field and name is as in the original" "$work/out" || fail "changes printed otherwise"
[ "$failures" -eq 0 ] && echo "passed" || exit 1
