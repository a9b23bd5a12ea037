#!/usr/bin/env bash
# The editor in Japanese, in a real window under its own Xvfb: the enemy editor comes up under
# its Japanese title and still reads the image's numbers, the open dialog is Qt's own in Japanese,
# and the main window keeps the title that carries the version.
# Usage: translated_window.sh TOLVANE DEMO_IMAGE [SCREENSHOT_DIR]
# shellcheck source=xdrive.sh
source "$(dirname "$0")/xdrive.sh"
begin_real_window_test "$@"
launch=(env -u LANGUAGE LC_ALL=ja_JP.UTF-8 "$tolvane")
catalogue=$(dirname "$0")/../../translations/tolvane_ja.ts
qt_catalogue=$work/qtbase_ja.ts
/usr/lib/qt6/bin/lconvert -i /usr/share/qt6/translations/qtbase_ja.qm -o "$qt_catalogue" ||
    fail "cannot read Qt's Japanese catalogue"
# japanese CATALOGUE SOURCE: SOURCE's first translation in CATALOGUE.
japanese() {
    grep -A1 -F "<source>$2</source>" "$1" | sed -n 's:.*<translation>\(.*\)</translation>.*:\1:p' |
        head -n 1
}
enemy_title=$(japanese "$catalogue" "Enemy Editor")
open_title=$(japanese "$qt_catalogue" "Open")
[ -n "$enemy_title" ] && [ -n "$open_title" ] || fail "the catalogues lack the titles"

at "start in Japanese"
cp "$demo" "$work/demo.nes"
chmod u+w "$work/demo.nes"
start_editor "$work/demo.nes"
main=$(wait_main_window "$title" 120) || fail "the main window did not appear as '$title'"
shot "$title" japanese-main

at "the enemy editor is $enemy_title and reads the image"
enemy=$(press_until "$main" 84 92 "$enemy_title")
shot "$enemy_title" japanese-enemy
shows_hp_of_entry_0 "$enemy" "$work/demo.nes"
focus "$enemy"
xdotool key Escape
wait_gone "$enemy_title"

at "the open dialog is Qt's own, as $open_title"
press_until "$main" 12 12 "$open_title" >/dev/null
shot "$open_title" japanese-open
xdotool key Escape
wait_gone "$open_title"
stop_editor
passed "the editor in Japanese in a real window"
