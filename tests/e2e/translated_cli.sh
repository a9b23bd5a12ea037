#!/usr/bin/env bash
# tolvane-cli in a Japanese and in a German session: its help, a refusal and a report read in the
# user's language, while its exit codes and the tables it exports stay the C locale's, byte for
# byte, for the programs that read them. Usage: translated_cli.sh TOLVANE_CLI IMAGE
set -u
cli=$1 image=$2 failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" && failures=$((failures + 1)); }
exports="items.csv enemies.csv items.json enemies.json"
# runs TAG SETTING: each command with the locale SETTING alone; TAG/NAME.out, .err and .code.
runs() {
    mkdir "$work/$1"
    while read -r name args; do
        # shellcheck disable=SC2086 # the words of the command
        env -u LC_ALL -u LC_MESSAGES -u LANGUAGE "$2" "$cli" ${args//IMAGE/$image} \
            >"$work/$1/$name.out" 2>"$work/$1/$name.err"
        echo $? >"$work/$1/$name.code"
    done <<EOF
help --help
missing info $work/missing.nes
error export IMAGE --table weapons
report info IMAGE
items.csv export IMAGE
enemies.csv export IMAGE --table enemies
items.json export IMAGE --format json
enemies.json export IMAGE --table enemies --format json
EOF
}
runs C LC_ALL=C
for name in $exports; do [ -s "$work/C/$name.out" ] || fail "C: no $name export"; done
for locale in ja_JP de_DE; do
    if ! locale -a | grep -qix "$locale.utf-\?8"; then
        fail "no $locale.UTF-8 locale: run scripts/setup.sh" && continue
    fi
    runs $locale LANG=$locale.UTF-8
    # The refusal that must read translated is worded by the program alone: the system's reasons,
    # as in the missing file's, the C library translates.
    for name in help error report; do
        ! cmp -s <(cat "$work"/C/$name.{out,err}) <(cat "$work"/$locale/$name.{out,err}) ||
            fail "$locale: the $name is not translated"
    done
    for name in help missing error report $exports; do
        cmp -s "$work"/{C,$locale}/"$name".code || fail "$locale: $name exits with another code"
    done
    for name in $exports; do
        cmp -s "$work"/{C,$locale}/"$name".out || fail "$locale: the $name export differs"
    done
done
# The patch notes head a field as its description does, in the user's language: one cost
# changed, then its notes in the C locale and in German.
"$cli" export "$image" -o "$work/items.csv" >/dev/null
awk -F, -v OFS=, 'NR == 2 { $7 = ($7 + 1) % 65536 } 1' "$work/items.csv" >"$work/changed.csv"
cp "$image" "$work/changed.nes"
"$cli" import "$work/changed.nes" "$work/changed.csv" --no-backup >/dev/null ||
    fail "the changed cost is not imported"
notes() { env -u LC_ALL -u LC_MESSAGES -u LANGUAGE "$1" "$cli" changes "$work/changed.nes" \
    --base "$image" --format markdown; }
notes LC_ALL=C | grep -q '^- Cost: ' || fail "C: the notes do not head the cost \"Cost\""
notes LANG=de_DE.UTF-8 | grep -q '^- Preis: ' || fail "de_DE: the notes do not head the cost \"Preis\""
exit $((failures > 0))
