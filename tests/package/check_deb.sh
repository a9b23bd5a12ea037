#!/usr/bin/env bash
# Builds the Debian package from a finished build and checks it with the tools a distribution
# would use: lintian, desktop-file-validate and appstreamcli. Then installs it with dpkg into a
# throwaway root and runs the programs from there, and checks that the man page and the bash
# completion know every command and option that tolvane-cli's own help lists.
# Usage: check_deb.sh BUILD_DIR DEMO_IMAGE
set -euo pipefail
build=$(realpath "$1")
demo=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
for tool in cpack dpkg-deb dpkg lintian desktop-file-validate appstreamcli file objdump; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/setup.sh"
done

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$work/out/tolvane_${version}_$(dpkg --print-architecture).deb
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack did not make a package"; }
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/out")"

echo "== lintian"
# Every error and warning fails the test; information tags are shown for the record.
status=0
lintian --info --display-info --fail-on error,warning "$deb" >"$work/lintian.txt" 2>&1 || status=$?
grep -v 'running with root privileges' "$work/lintian.txt" || true
[ "$status" -eq 0 ] || fail "lintian found errors or warnings"

echo "== control"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
libraries=(libqt6widgets6 libqt6core6 zlib1g libc6)
# Once a program links Lua, Debian's shared library for it must be among them.
needed=$(objdump -p "$build/tolvane" "$build/tolvane-cli" | sed -n 's/^ *NEEDED *//p')
if grep -q '^liblua5\.4\.so' <<<"$needed"; then
    libraries+=(liblua5.4-0)
fi
for library in "${libraries[@]}"; do
    [[ ",$depends" == *", $library "* || ",$depends" == *",$library "* ]] ||
        fail "Depends lacks $library"
done
[[ "$(dpkg-deb --field "$deb" Recommends)" == *fonts-noto-cjk* ]] ||
    fail "Recommends lacks a font with Japanese glyphs"

echo "== install into a throwaway root"
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
# The root's own package database is empty, so the libraries it depends on are not in it; they
# are on this machine, where the installed programs run.
dpkg --root="$root" --force-not-root --force-depends --log=/dev/null -i "$deb" >"$work/dpkg.log" 2>&1 ||
    { cat "$work/dpkg.log" >&2; fail "dpkg could not install the package"; }
[ "$(dpkg-query --root="$root" -W -f='${Status} ${Version}' tolvane)" = \
    "install ok installed $version" ] || fail "dpkg does not list tolvane $version as installed"

share=$root/usr/share
expected=(usr/bin/tolvane usr/bin/tolvane-cli
          usr/share/applications/tolvane.desktop
          usr/share/metainfo/org.tolvane.tolvane.metainfo.xml
          usr/share/man/man1/tolvane.1.gz usr/share/man/man1/tolvane-cli.1.gz
          usr/share/bash-completion/completions/tolvane-cli
          usr/share/doc/tolvane/copyright usr/share/doc/tolvane/changelog.gz)
for size in 16 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/tolvane.png")
done
for path in "${expected[@]}"; do
    [ -s "$root/$path" ] || fail "the package does not install /$path"
done
for size in 16 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/tolvane.png
    file "$png" | grep -q "PNG image data, $size x $size," || fail "$(file "$png")"
done
cmp -s "$share/doc/tolvane/copyright" "$(dirname "$0")/../../LICENSE" ||
    fail "the copyright file is not the licence"

echo "== the programs, run from the root"
cli=$root/usr/bin/tolvane-cli
out=$("$cli" --version)
echo "$out"
[ "$out" = "tolvane-cli $version" ] || fail "tolvane-cli --version printed '$out'"
"$cli" export "$demo" --table enemies -o "$work/enemies.csv"
[ "$(wc -l <"$work/enemies.csv")" -eq 122 ] || fail "the export does not hold 121 enemies"

echo "== desktop entry and metainfo"
desktop=$share/applications/tolvane.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'Exec=tolvane %f' "$desktop" || fail "the desktop entry does not pass the file"
mime=$(sed -n 's/^MimeType=//p' "$desktop")
for type in ${mime//;/ }; do
    [ -f "/usr/share/mime/${type}.xml" ] || fail "the MIME database does not know $type"
done
[ "$mime" = "application/x-nes-rom;" ] || fail "MimeType=$mime"
metainfo=$share/metainfo/org.tolvane.tolvane.metainfo.xml
appstreamcli validate --no-net --pedantic --strict "$metainfo" || fail "appstreamcli validate"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo lacks release $version"
grep -q '<launchable type="desktop-id">tolvane.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not launch tolvane.desktop"
grep -q "<mediatype>${mime%;}</mediatype>" "$metainfo" ||
    fail "the metainfo and the desktop entry name different types"

echo "== man page and completion against the help"
commands=$("$cli" --help | sed -n '/^Commands:/,/^$/p' | awk 'NF > 1 { print $1 }')
[ -n "$commands" ] || fail "no commands in tolvane-cli --help"
manual=$(zcat "$share/man/man1/tolvane-cli.1.gz" | sed 's/\\-/-/g')
completion=$share/bash-completion/completions/tolvane-cli
# completions WORD...: what the installed completion offers for the last word.
completions() {
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tolvane_cli
             printf "%s\n" "${COMPREPLY[@]}"' - "$completion" tolvane-cli "$@"
}
offered=$(completions "")
for command in $commands; do
    grep -qx "$command" <<<"$offered" || fail "completion does not offer $command"
    grep -q "^\.B tolvane-cli $command\$" <<<"$manual" || fail "the man page lacks $command"
    options=$("$cli" "$command" --help | grep -oE '^  (-[a-z], )?--?[a-z-]+' |
        grep -oE -- '--?[a-z-]+' || true)
    offered_options=$(completions "$command" x -)
    for option in $options --help; do
        grep -qx -- "$option" <<<"$offered_options" || fail "completion of $command lacks $option"
        grep -qE -- "(^|[^a-z-])$option([^a-z-]|\$)" <<<"$manual" ||
            fail "the man page lacks $option"
    done
done
[ "$(completions export x --table "")" = $'items\nenemies' ] || fail "--table values"
[ "$(completions export x --format j)" = "json" ] || fail "--format values"
touch "$work/my image.nes"
[ "$(cd "$work" && completions export "my")" = "my image.nes" ] || fail "file names with a space"
grep -q '^\.B tolvane$' <(zcat "$share/man/man1/tolvane.1.gz") || fail "tolvane(1) synopsis"

echo "package $(basename "$deb"): all checks passed"
