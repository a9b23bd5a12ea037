#!/usr/bin/env bash
# The marks of what changed, as a real window draws them: enemy 0's HP is saved once by
# tolvane-cli import, so the image's history holds that save; the enemy editor must then draw the
# HP field in another colour than the unchanged PP and Offense fields, which look alike.
# Usage: marks_shown.sh TOLVANE DEMO_IMAGE [SCREENSHOT_DIR], with TOLVANE_CLI set.
# shellcheck source=xdrive.sh
source "$(dirname "$0")/xdrive.sh"
begin_real_window_test "$@"

at "save enemy 0's HP with tolvane-cli"
image="$work/marked.nes"
cp "$demo" "$image"
chmod u+w "$image"
"$TOLVANE_CLI" export "$image" --table enemies -o "$work/enemies.csv"
awk -F, -v OFS=, 'NR == 2 { $4 = ($4 == 1000 ? 999 : 1000) } { print }' "$work/enemies.csv" \
    >"$work/edited.csv"
"$TOLVANE_CLI" import "$image" "$work/edited.csv" >/dev/null
[ -s "$image.history" ] || fail "the import left no history"

at "show enemy 0"
start_editor "$image"
main=$(wait_main_window "$title" 120) || fail "the main window did not appear"
enemy=$(press_until "$main" 84 92 "Enemy Editor")
shot "Enemy Editor" enemy-editor-marks

# colour_at X Y: the colour the editor's window shows at (X, Y), right of any digits in a field.
colour_at() { import -window "$enemy" -depth 8 -crop "1x1+$1+$2" txt:- | grep -o '#[0-9A-F]\{6\}'; }
at "the saved field is tinted, the unchanged ones are not"
hp=$(colour_at 165 41) pp=$(colour_at 165 65) offense=$(colour_at 165 89)
{ [ -n "$pp" ] && [ "$pp" = "$offense" ]; } || fail "PP ($pp) and Offense ($offense) differ"
[ "$hp" != "$pp" ] || fail "HP looks as the unchanged fields do ($hp)"
stop_editor
passed "marks in a real window"
