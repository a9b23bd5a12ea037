#!/usr/bin/env bash
# The cases of compare-cli.sh: runs tolvane-cli ($1) through a fixed list of commands
# in the folder $2 (always the same path, so that messages name the same files), recording each
# step's exit code, standard output and standard error in $3, then every file left in $2.
set -u
cli=$1
work=$2
out=$3
demo=${TOLVANE_MAKEDEMO:?the tolvane-makedemo that makes the input images}
rm -rf "$work" "$out"
mkdir -p "$work" "$out/steps"
cd "$work" || exit 9
n=0
step() {
    n=$((n + 1))
    local id
    id=$(printf '%03d' "$n")
    printf '%s\n' "$*" >"$out/steps/$id.cmd"
    "$cli" "$@" >"$out/steps/$id.out" 2>"$out/steps/$id.err" </dev/null
    echo $? >"$out/steps/$id.code"
}
# Input files, made by the same old tools for both runs.
"$demo" base.nes || exit 9
cp base.nes a.nes
cp base.nes b.nes
printf 'not an image at all\n' >junk.nes
: >empty.nes
mkdir folder.nes
head -c 4000 base.nes >short.nes

# Usage.
step
step nonsense
step --help
step export
step export a.nes --table weapons
step export a.nes --format xml
step changes a.nes --format yaml
step rename a.nes --item 1 --enemy 2 X
step rename a.nes --item 999 X
step rename a.nes X
step undo a.nes --save zero
step merge base.nes a.nes b.nes
step merge base.nes a.nes b.nes -o - 
step merge base.nes a.nes b.nes -o out.nes --prefer both
step apply x.ips a.nes
step patch base.nes a.nes -o out.txt
step import a.nes x.csv --shared
step info
for command in info export import rename history undo changes diff merge patch apply play; do
    step "$command" --help
done

# Reading.
for image in a.nes junk.nes empty.nes folder.nes missing.nes short.nes; do
    step info "$image"
    step info "$image" --json
    step export "$image"
    step history "$image"
    step changes "$image"
done
step export a.nes --table enemies
step export a.nes --format json
step export a.nes --table enemies --format json -o enemies.json
step export a.nes -o items.csv
step export a.nes -o a.nes
step export a.nes -o folder.nes

# Import: good rows, a dry run, and refusals of every kind.
awk -F, -v OFS=, 'NR == 1 { for (k = 1; k <= NF; k++) if ($k == "cost") c = k; print; next }
    NR % 7 == 0 { $c = ($c * 3 + 11) % 65536 } { print }' items.csv >costs.csv
step import a.nes costs.csv --dry-run
step import a.nes costs.csv
step import a.nes costs.csv
sed 's/^5,/5x,/' costs.csv >badindex.csv
step import a.nes badindex.csv
awk -F, -v OFS=, 'NR == 3 { $3 = "99999" } { print }' costs.csv >range.csv
step import a.nes range.csv
printf 'index,name,bogus\n1,a,2\n' >unknown.csv
step import a.nes unknown.csv
printf 'index,name\n1,"a"b\n' >stray.csv
step import a.nes stray.csv
printf 'index,name\n1,"open\n' >open.csv
step import a.nes open.csv
: >emptytable.csv
step import a.nes emptytable.csv
head -1 costs.csv >headeronly.csv
sed -n 2p costs.csv >>headeronly.csv
sed -n 2p costs.csv >>headeronly.csv
step import a.nes headeronly.csv
sed 's/,Bo/,Zq/' costs.csv >names.csv
step import a.nes names.csv
step import a.nes names.csv --names --dry-run
step import a.nes names.csv --names
printf '{"table": "items", "entries": [ {"index": 1, "cost": "x"} ]}' >bad.json
step import a.nes bad.json
printf '{"table": "spells"}' >badtable.json
step import a.nes badtable.json
printf '{ nope' >syntax.json
step import a.nes syntax.json
step export b.nes --table enemies -o enemies.csv
awk -F, -v OFS=, 'NR == 1 { for (k = 1; k <= NF; k++) if ($k == "hp") c = k; print; next }
    NR % 5 == 0 { $c = ($c + 100) % 65536 } { print }' enemies.csv >hp.csv
step import b.nes hp.csv

# Renames.
step rename a.nes --item 3 Qel --dry-run
step rename a.nes --item 3 Qel
step rename a.nes --enemy 4 Vorn
step rename a.nes --item 3 'Far too long a name for this slot'
step rename a.nes --item 3 'B@d~'
step rename a.nes --enemy 7 Quo --shared
step rename a.nes --item 200 X

# The history and undo.
step history a.nes
step history a.nes --json
step undo a.nes --dry-run
step undo a.nes
step undo a.nes --save 1
step undo a.nes --save 1
step undo a.nes --save 99
step history a.nes
step history a.nes --json

# Changes, diff, merge.
for format in text csv json markdown; do
    step changes a.nes --format "$format"
    step changes b.nes --format "$format" --table enemies
done
step changes a.nes --base base.nes
step changes a.nes --base short.nes
step changes base.nes
step diff base.nes a.nes
step diff a.nes b.nes
step diff a.nes junk.nes
step diff a.nes short.nes
step merge base.nes a.nes b.nes -o merged.nes
cp base.nes c.nes
step rename c.nes --item 3 Wex --no-backup
step merge base.nes a.nes c.nes -o conflict.nes
step merge base.nes a.nes c.nes -o conflict.nes --prefer theirs
step merge base.nes a.nes c.nes -o a.nes.history
step merge base.nes a.nes c.nes -o a.nes.bak
step merge base.nes a.nes short.nes -o m2.nes

# Patches.
step patch base.nes a.nes -o a.ips
step patch base.nes a.nes -o a.bps
cp base.nes p.nes
step apply a.ips p.nes -o p1.nes
step apply a.bps p.nes -o p2.nes
step apply a.bps b.nes -o p3.nes
head -c 20 a.ips >cut.ips
step apply cut.ips p.nes -o p4.nes
head -c 30 a.bps >cut.bps
step apply cut.bps p.nes -o p5.nes
step apply junk.nes p.nes -o p6.nes
step patch base.nes short.nes -o s.ips

# A damaged history: bytes flipped in the middle, and one cut short.
cp a.nes d.nes
cp a.nes.history d.nes.history
printf '\x55\x55\x55\x55' | dd of=d.nes.history bs=1 seek=200 conv=notrunc 2>/dev/null
step history d.nes
step changes d.nes
step undo d.nes --dry-run
cp a.nes e.nes
head -c 150 a.nes.history >e.nes.history
step history e.nes
step changes e.nes
step rename e.nes --item 2 Ord
printf 'garbage' >g.nes.history
cp a.nes g.nes
step history g.nes
step rename g.nes --item 2 Ord

# Saves cut short: the history's last bytes gone, so its last record never got its end.
for cut in 4 12 20 40; do
    cp base.nes "t$cut.nes"
    "$cli" rename "t$cut.nes" --item 6 Brox --no-backup >/dev/null 2>&1
    cp "t$cut.nes.history" whole.history
    head -c "-$cut" whole.history >"t$cut.nes.history"
    cp "t$cut.nes.history" "u$cut.nes.history"
    rm whole.history
    step info "t$cut.nes"
    step history "t$cut.nes"
    step changes "t$cut.nes"
    step export "t$cut.nes"
    step history "t$cut.nes"
    step rename "t$cut.nes" --item 7 Zed --no-backup
    # The same history beside the image as it was before that save's writes landed.
    cp base.nes "u$cut.nes"
    step export "u$cut.nes"
    step rename "u$cut.nes" --item 8 Pim --no-backup
    step history "u$cut.nes"
done

# An ordinary user's refusals: an image it may read but not write, in a folder it may not write.
cp base.nes ro.nes
chmod 644 ro.nes
chmod 755 "$work"
nobody() {
    n=$((n + 1))
    local id
    id=$(printf '%03d' "$n")
    printf 'as nobody: %s\n' "$*" >"$out/steps/$id.cmd"
    setpriv --reuid=65534 --regid=65534 --clear-groups "$cli" "$@" >"$out/steps/$id.out" \
        2>"$out/steps/$id.err" </dev/null
    echo $? >"$out/steps/$id.code"
}
nobody rename ro.nes --item 2 Ord
nobody import ro.nes costs.csv
nobody undo a.nes
nobody export ro.nes -o /tmp/tolvane-harness/work/no.csv
nobody info ro.nes

# Play, printed only.
TOLVANE_EMULATOR='/bin/echo --flag %f' step play a.nes --print
TOLVANE_EMULATOR='"unclosed %f' step play a.nes --print

rm -rf folder.nes
# Every file left, by name, as bytes.
mkdir "$out/files"
for file in *; do
    cp -p "$file" "$out/files/$file"
done
