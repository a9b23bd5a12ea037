#!/usr/bin/env bash
# The Windows setup under Wine, in a fresh prefix: a silent install (files, shortcut, registry),
# the installed programs (an export equal to Linux's, the typical edit in a real window), an image
# opened through the "Open with" command, an upgrade, a silent uninstall that leaves the user's
# files, a failed install's exit code, and /D= with a space. scripts/windows.sh runs it.
# Usage: check_setup.sh SETUP ZIP LINUX_TOLVANE_CLI ICON [SCREENSHOT_DIR]
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../e2e/xdrive.sh
source "$here/../e2e/xdrive.sh"
set -euo pipefail
setup=$(realpath "$1") zip=$(realpath "$2") linux_cli=$(realpath "$3") icon=$(realpath "$4")
shots=${5:-}
version=$("$linux_cli" --version | sed 's/^tolvane-cli //')
# shellcheck disable=SC2034 # passed, of xdrive.sh, reads started.
work=$(mktemp -d) started=$EPOCHREALTIME
trap 'set +e; stop_own_processes; wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No .NET or HTML engine to download, and no menu entries on this machine for the shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WINEPATH
at "start Xvfb and a fresh prefix"
start_own_xvfb "$work/xvfb.log" || fail "Xvfb did not come up"
wineboot -i >/dev/null 2>&1
wineserver -w
unix_path() { winepath -u "$1" 2>/dev/null | tr -d '\r' | grep . || fail "winepath cannot name $1"; }
windows_path() { wine cmd /c echo "$1" 2>/dev/null | tr -d '\r'; }
zpath() { printf 'Z:%s' "${1//\//\\}"; }
cli_version() { wine "$1\\tolvane-cli.exe" --version 2>/dev/null | tr -d '\r'; }
classes='HKCU\Software\Classes' uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
default=$(windows_path '%LOCALAPPDATA%')'\Programs\Tolvane'
shortcut=$(unix_path "$(windows_path '%APPDATA%')\\Microsoft\\Windows\\Start Menu\\Programs\\Tolvane.lnk")

# reg_value KEY NAME (empty: the default value): its data; fails when it is not there.
reg_value() {
    local which=(/v "$2")
    [ -n "$2" ] || which=(/ve)
    wine reg query "$1" "${which[@]}" 2>/dev/null | tr -d '\r' |
        awk -F'    ' '$1 == "" && NF >= 4 { print $4; found = 1; exit } END { exit !found }'
}
expect_value() {
    local got
    got=$(reg_value "$1" "$2") || fail "$1 has no value '$2'"
    [ "$got" = "$3" ] || fail "$1 '$2' is '$got', not '$3'"
}
# gone KEY [NAME]: succeeds when the registry answers that KEY (or its value NAME) is not there.
gone() {
    local out
    out=$(wine reg query "$1" ${2:+/v "$2"} 2>&1 | tr -d '\r') && return 1
    [[ $out == *"Unable to find"* ]] || fail "reg query $1 $2 answered: $out"
}
# The zip's files but the demo image, and the uninstaller; a user's files beside them stay apart.
unzip -q "$zip" -d "$work/zip"
zipped=$(echo "$work"/zip/*)
expected=$( (cd "$zipped" && find . -type f ! -path ./demo.nes -printf '%P\n'; echo uninstall.exe) | sort)
# check_install FOLDER: the files, the shortcut and the registry of an install into FOLDER.
check_install() {
    local dir exe="$1\\tolvane.exe"
    dir=$(unix_path "$1")
    diff <(echo "$expected") <(cd "$dir" && find . -type f ! -name 'user *' -printf '%P\n' | sort) >&2 ||
        fail "$1 does not hold what the zip holds (< zip, > installed)"
    while read -r file; do
        [ "$file" = uninstall.exe ] || cmp -s "$zipped/$file" "$dir/$file" || fail "$file differs from the zip's"
    done <<<"$expected"
    strings -a "$shortcut" | grep -qxF "$exe" || fail "the shortcut does not start $exe"
    strings -a -el "$shortcut" | grep -qF "$exe" || fail "the shortcut has not the program's icon"
    # KEY|NAME|DATA, the user's own .nes choices among them, which must stay as they were.
    local key name data u="$uninstall\\Tolvane"
    while IFS='|' read -r -u 3 key name data; do
        expect_value "$key" "$name" "$data"
    done 3<<TABLE
$classes\\Tolvane.nes\\shell\\open\\command||"$exe" "%1"
$classes\\Tolvane.nes\\DefaultIcon||"$exe",0
$classes\\.nes\\OpenWithProgids|Tolvane.nes|
$classes\\Applications\\tolvane.exe\\SupportedTypes|.nes|
$classes\\.nes||Other.nes
$classes\\.nes\\OpenWithProgids|Other.nes|
$u|DisplayVersion|$version
$u|DisplayIcon|"$exe",0
$u|InstallLocation|$1
$u|UninstallString|"$1\\uninstall.exe"
$u|QuietUninstallString|"$1\\uninstall.exe" /S
TABLE
}

at "the setup carries the program's icon and version information"
# An ICO's one image follows its 22-byte header; the setup's icon resource holds the same bytes.
hex() { od -An -v -tx1 | tr -d ' \n'; }
grep -qF "$(tail -c +23 "$icon" | hex)" <(hex <"$setup") || fail "the setup has not the program's icon"
strings -a -el "$setup" | grep -qx "Tolvane $version setup" || fail "the setup has no version information"

at "install silently"
wine reg add "$classes\\.nes" /ve /d Other.nes /f >/dev/null 2>&1
wine reg add "$classes\\.nes\\OpenWithProgids" /v Other.nes /d "" /f >/dev/null 2>&1
wine "$setup" /S || fail "the setup exited with $?"
wineserver -w
check_install "$default"
dir=$(unix_path "$default")

at "run the installed tolvane-cli.exe"
answer=$(cli_version "$default")
[ "$answer" = "tolvane-cli $version" ] || fail "tolvane-cli.exe --version answered '$answer'"
cp "$zipped/demo.nes" "$work/demo.nes"
for table in items enemies; do
    "$linux_cli" export "$work/demo.nes" --table $table -o "$work/linux-$table.csv"
    wine "$default\\tolvane-cli.exe" export "$(zpath "$work/demo.nes")" --table $table \
        -o "$(zpath "$work/windows-$table.csv")" || fail "the $table export failed"
    cmp "$work/linux-$table.csv" "$work/windows-$table.csv" || fail "the $table export differs from Linux's"
done
wineserver -w

at "the typical edit in the installed tolvane.exe"
bash "$here/../e2e/typical_edit.sh" "$dir/tolvane.exe" "$work/demo.nes" ${shots:+"$shots"} ||
    fail "see above"
wineserver -w

at "open an image through the ProgID's command, as Explorer does"
command=$(reg_value "$classes\\Tolvane.nes\\shell\\open\\command" "")
image="$work/user image.nes"
cp "$zipped/demo.nes" "$image"
line=${command//%1/$(zpath "$image")}
[[ $line =~ ^\"([^\"]+)\"\ \"([^\"]+)\"$ ]] || fail "'$command' is not a quoted program and \"%1\""
use_program "${BASH_REMATCH[1]}"
start_editor "${BASH_REMATCH[2]}"
main=$(wait_main_window "$title" 120) || fail "the main window did not appear"
# The enemy editor opens only with an image open; its HP is the file's entry 0's.
enemy=$(press_until "$main" 84 92 "Enemy Editor")
no_window "Open ROM" || fail "a message came up instead of the image"
hp=$(read_field "$enemy" 140 41)
low=$(od -An -tu1 -j $((0x2C033)) -N1 "$image" | tr -d ' ')
high=$(od -An -tu1 -j $((0x2C034)) -N1 "$image" | tr -d ' ')
[ "$hp" = $((low | (high & 3) << 8)) ] || fail "HP reads '$hp', the image holds $((low | (high & 3) << 8))"
stop_editor
wineserver -w

at "install again over it"
# A user's file in the program folder, and a damaged program the upgrade must replace.
echo notes >"$dir/user notes.txt"
: >"$dir/tolvane-cli.exe"
wine "$setup" /S || fail "the second setup exited with $?"
wineserver -w
check_install "$default"
[ "$(cli_version "$default")" = "tolvane-cli $version" ] || fail "tolvane-cli.exe was not replaced"
entries=$(wine reg query "$uninstall" /s | tr -d '\r' | grep -c '^ *DisplayName *REG_SZ *Tolvane$' || true)
[ "$entries" = 1 ] || fail "$entries uninstall entries named Tolvane"

at "uninstall silently"
documents=$(unix_path "$(windows_path '%USERPROFILE%')\\Documents")
for folder in "$dir" "$dir/platforms" "$documents"; do
    for file in "user image.nes" "user image.nes.bak" "user image.history"; do
        cp "$image" "$folder/$file"
    done
done
user_files() { (cd "$dir" && md5sum "user "* "platforms/user "*) && md5sum "$documents"/user*; }
before=$(user_files)
# Run in place (_?=) the uninstaller exits once it is done; a copy lets the real one be removed.
cp "$dir/uninstall.exe" "$work/uninstall.exe"
wine "$work/uninstall.exe" /S "_?=$default" || fail "the uninstaller exited with $?"
wineserver -w
[ -d "$dir" ] || fail "the uninstaller removed $default, with the user's files in it"
left=$(cd "$dir" && find . -mindepth 1 -printf '%P\n' | sort)
[ "$left" = "$(printf '%s\n' platforms "platforms/user image"{.history,.nes,.nes.bak} \
    "user image"{.history,.nes,.nes.bak} "user notes.txt" | sort)" ] || fail "left in $default: $left"
[ "$(user_files)" = "$before" ] || fail "a user's file changed"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
for key in "$classes\\Tolvane.nes" "$classes\\Applications\\tolvane.exe" "$uninstall\\Tolvane"; do
    gone "$key" || fail "$key is still there"
done
gone "$classes\\.nes\\OpenWithProgids" Tolvane.nes || fail "the ProgID is still in .nes's OpenWithProgids"
expect_value "$classes\\.nes" "" Other.nes
expect_value "$classes\\.nes\\OpenWithProgids" Other.nes ""

at "a silent install that fails exits with an error"
# A folder where tolvane.exe must go: the setup runs, writes the other files, and cannot go on.
blocked=$(unix_path 'C:\blocked')
mkdir -p "$blocked/tolvane.exe"
code=0
wine "$setup" /S '/D=C:\blocked' || code=$?
wineserver -w
[ -f "$blocked/Qt6Core.dll" ] || fail "the setup did not run"
[ "$code" != 0 ] || fail "the failed setup exited with 0"
gone "$uninstall\\Tolvane" || fail "the failed setup wrote an uninstall entry"

at "install into a folder with a space"
spaced='C:\Tolvane Programs\Tolvane'
cp "$setup" "$(unix_path 'C:\setup.exe')"
# /D= must come last and unquoted; cmd passes the line as it is.
wine cmd /c "C:\\setup.exe /S /D=$spaced"
wineserver -w
check_install "$spaced"
spaced_dir=$(unix_path "$spaced")
answer=$(cli_version "$spaced")
[ "$answer" = "tolvane-cli $version" ] || fail "tolvane-cli.exe from '$spaced' answered '$answer'"
quiet=$(reg_value "$uninstall\\Tolvane" QuietUninstallString)
[[ $quiet =~ ^\"([^\"]+)\"\ /S$ ]] || fail "QuietUninstallString is '$quiet'"
wine "${BASH_REMATCH[1]}" /S
wineserver -w
[ ! -e "$spaced_dir" ] || fail "'$spaced' is still there after the uninstall"
gone "$uninstall\\Tolvane" || fail "the uninstall entry is still there"
passed "the setup under Wine"
