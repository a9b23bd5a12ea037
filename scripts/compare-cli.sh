#!/usr/bin/env bash
# Before and after a change that must not change behaviour: runs a fixed list of commands over
# synthetic images with two builds of tolvane-cli, in the C locale under a fixed clock, and
# compares every step's exit code, output and error, and every file left behind (images,
# histories, backups). Prints each difference; exit 0 when there is none. Needs faketime.
# Usage: compare-cli.sh OLD_CLI NEW_CLI [MAKEDEMO]
#   MAKEDEMO  the tolvane-makedemo that makes the inputs (default: tools/ beside NEW_CLI)
set -euo pipefail
old=$(readlink -f "$1")
new=$(readlink -f "$2")
export TOLVANE_MAKEDEMO=$(readlink -f "${3:-$(dirname "$new")/tools/tolvane-makedemo}")
here=$(dirname "$(readlink -f "$0")")
preload=$(dpkg -L libfaketime 2>/dev/null | grep -m1 'libfaketime\.so\.1$' || true)
[ -n "$preload" ] || { echo "compare-cli.sh needs faketime (apt-get install faketime)" >&2; exit 2; }
results=$(mktemp -d /tmp/compare-cli.XXXXXX)
# One instant for every save; the monotonic clock runs on, so waits still end.
export LC_ALL=C LANG=C LANGUAGE= TZ=UTC FAKETIME='2026-01-02 03:04:05' DONT_FAKE_MONOTONIC=1
unset TOLVANE_EMULATOR
# Messages name the files, so both runs work in one folder, taken under a lock.
exec 8>/tmp/compare-cli.lock
flock 8
LD_PRELOAD=$preload "$here/lib/cli-cases.sh" "$old" /tmp/compare-cli-work "$results/old"
LD_PRELOAD=$preload "$here/lib/cli-cases.sh" "$new" /tmp/compare-cli-work "$results/new"
flock -u 8
if diff -r "$results/old" "$results/new" >"$results/diff"; then
    echo "identical: $(find "$results/old/steps" -name '*.cmd' | wc -l) steps," \
        "$(find "$results/old/files" -type f | wc -l) files (in $results)"
    exit 0
fi
echo "different (in $results):"
head -c 20000 "$results/diff"
exit 1
