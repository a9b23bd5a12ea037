#!/usr/bin/env bash
# Tolvane for 64-bit Windows, built and proved on this Linux machine: builds Qt and Lua for
# Windows from Debian's source (once; later runs reuse them), cross-builds Tolvane into build-win/ (or
# $TOLVANE_WINDOWS_BUILD_DIR), runs the whole Windows suite and the real-window edit under Wine,
# then makes dist/tolvane-VERSION-windows-x64.zip and its setup, -setup.exe beside it, and checks
# both in fresh Wine prefixes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
host=${TOLVANE_BUILD_DIR:-$root/build}
build=${TOLVANE_WINDOWS_BUILD_DIR:-$root/build-win}
started=$(date +%s)

"$root/scripts/setup.sh" --windows
qt=$("$root/scripts/windows-qt.sh")
lua=$("$root/scripts/windows-lua.sh")
# shellcheck source=lib/compilercache.sh
source "$root/scripts/lib/compilercache.sh"

# The demo image and the icons are made by programs that run here: a native build's. Its
# tolvane-cli's export is what the installed Windows one's must equal.
[ -f "$host/CMakeCache.txt" ] ||
    cmake -S "$root" -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${cache_launcher[@]}" \
        >/dev/null
cmake --build "$host" --target tolvane-makedemo tolvane-xpmtopng tolvane-cli >/dev/null

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${cache_launcher[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_PREFIX_PATH="$qt;$lua" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DTOLVANE_HOST_TOOLS="$host/tools" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/lib/wine-run.sh" >/dev/null
cmake --build "$build" -j"$(nproc)"

# The libraries a Windows build needs beside it: Qt's, the mingw runtime's and zlib's. Lua is
# linked in statically and needs none.
gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
mingw_lib=/usr/x86_64-w64-mingw32/lib
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# shellcheck source=lib/xserver.sh
source "$root/scripts/lib/xserver.sh"
export WINEDEBUG=-all
# No network here: Wine must not offer to download its .NET and HTML engines.
export WINEDLLOVERRIDES="mscoree,mshtml="
fresh=""
cleanup() {
    set +e
    stop_own_processes
    wineserver -k 2>/dev/null
    [ -z "$fresh" ] || rm -rf "$fresh"
}
trap cleanup EXIT

# A Qt program needs an X display under Wine, even on the offscreen platform.
start_own_xvfb "$build/xvfb.log"
export WINEPREFIX=$build/wine
[ -d "$WINEPREFIX/drive_c" ] || wineboot -i >/dev/null 2>&1
export WINEPATH="$(winpath "$qt/bin");$(winpath "$gcc_runtime");$(winpath "$mingw_lib")"
mkdir -p "$build/screenshots"
# One Wine server for the whole suite: left to itself it ends a few seconds after its last
# program, and a test program started just then can end with status 1 and no output. A server
# still up (wineboot leaves one) refuses -p, so it is ended first.
wineserver -k 2>/dev/null || true
wineserver -w
wineserver -p || { echo "windows.sh: the Wine server did not start" >&2; exit 1; }
(cd "$build" && ctest --output-on-failure -j"$(nproc)")
wineserver -k 2>/dev/null || true
unset WINEPATH

# The download: the programs and everything they load, the texts that go with them, the demo.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=tolvane-$version-windows-x64
stage=$build/zip/$name
rm -rf "$build/zip"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/imageformats" "$stage/licenses/qt" \
    "$stage/translations"
cp "$build/tolvane.exe" "$build/tolvane-cli.exe" "$build/demo.nes" "$stage/"
cp "$qt/bin/Qt6Core.dll" "$qt/bin/Qt6Gui.dll" "$qt/bin/Qt6Widgets.dll" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$qt/plugins/imageformats/"{qgif,qico,qjpeg}.dll "$stage/imageformats/"
# Qt's own texts (dialog buttons, the file dialog) in the languages Tolvane speaks: Debian's
# catalogues, which serve Windows as they are. Tolvane's own are inside its programs.
for language in ja de fr es pt_BR; do
    cp "/usr/share/qt6/translations/qtbase_$language.qm" "$stage/translations/"
done
cp "$gcc_runtime/libstdc++-6.dll" "$gcc_runtime/libgcc_s_seh-1.dll" \
    "$mingw_lib/libwinpthread-1.dll" "$mingw_lib/zlib1.dll" "$stage/"
find "$stage" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded
cp "$root/README.md" "$stage/README.md"
cp "$root/LICENSE" "$stage/LICENSE.txt"
cp "$(dirname "$qt")"/src/qtbase-*/LICENSES/*.txt "$stage/licenses/qt/"
cp /usr/share/doc/libz-mingw-w64/copyright "$stage/licenses/zlib.txt"
cp "$lua/share/doc/lua/copyright" "$stage/licenses/lua.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/mingw-gcc-runtime.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/mingw-w64-winpthreads.txt"
mkdir -p "$root/dist"
zip="$root/dist/$name.zip"
rm -f "$zip"
(cd "$build/zip" && zip -qr9 "$zip" "$name")

# The setup installs from the same staging folder; files.sh writes its file lists from it.
setup="$root/dist/$name-setup.exe"
"$root/packaging/windows/files.sh" "$stage" >"$build/setup-files.nsh"
makensis -V2 -WX -DVERSION="$version" -DFILES="$build/setup-files.nsh" -DICON="$build/tolvane.ico" \
    -DOUTFILE="$setup" "$root/packaging/windows/tolvane.nsi"

# Every library a program or plugin of the zip loads is in the zip or is part of Windows.
export WINEPREFIX=$build/wine
system32=$WINEPREFIX/drive_c/windows/system32
missing=0
while read -r binary; do
    for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p'); do
        [ -n "$(find "$stage" -maxdepth 1 -iname "$dll")" ] && continue
        [ -n "$(find "$system32" -maxdepth 1 -iname "$dll")" ] && continue
        case "$dll" in api-ms-win-*) continue ;; esac
        echo "FAIL: ${binary#"$stage/"} needs $dll, which the zip lacks" >&2
        missing=1
    done
done < <(find "$stage" -name '*.exe' -o -name '*.dll')
[ "$missing" = 0 ]

# Unzipped into a fresh prefix, with nothing else on its path, both programs start.
fresh=$(mktemp -d)
export WINEPREFIX=$fresh/prefix
wineboot -i >/dev/null 2>&1
unzip -q "$zip" -d "$WINEPREFIX/drive_c/"
installed=$WINEPREFIX/drive_c/$name
answer=$(cd "$installed" && wine tolvane-cli.exe --version 2>/dev/null | tr -d '\r')
[ "$answer" = "tolvane-cli $version" ] ||
    { echo "FAIL: tolvane-cli.exe --version answered '$answer'" >&2; exit 1; }
# In the user's language when Windows speaks one Tolvane has, and in English otherwise.
english=$(cd "$installed" && LC_ALL=C.UTF-8 wine tolvane-cli.exe --help 2>/dev/null | head -n 3)
german=$(cd "$installed" && LC_ALL=de_DE.UTF-8 wine tolvane-cli.exe --help 2>/dev/null | head -n 3)
[ -n "$german" ] && [ "$german" != "$english" ] ||
    { echo "FAIL: tolvane-cli.exe --help under a German Windows is not German: '$german'" >&2; exit 1; }
(cd "$installed" && exec env -u QT_QPA_PLATFORM wine tolvane.exe >"$fresh/app.log" 2>&1) &
app_pid=$!
wait_main_window "Tolvane, v$version" 120 >/dev/null ||
    { echo "FAIL: tolvane.exe from the zip showed no main window" >&2; exit 1; }
echo "dist/$name.zip: $(stat -c %s "$zip") bytes; from a fresh prefix tolvane-cli.exe answers" \
    "'$answer' and tolvane.exe shows its main window."
# The setup's check starts its own X server, Wine server and prefix.
{ kill "$app_pid" && wait "$app_pid"; } 2>/dev/null || true
app_pid=""
wineserver -k 2>/dev/null || true

"$root/tests/win32/check_setup.sh" "$setup" "$zip" "$host/tolvane-cli" "$build/tolvane.ico" \
    "$build/screenshots/setup"
echo "dist/$name-setup.exe: $(stat -c %s "$setup") bytes."
echo "Windows build and checks took $(($(date +%s) - started)) s."
