#!/usr/bin/env bash
# Builds Qt 6 for 64-bit Windows from Debian's own qt6-base source, once, into a cache folder
# outside the clone, and prints the prefix it installed to. Later runs find the stamp and reuse
# it. The host tools (moc, rcc, uic) are Debian's own, which must be the same Qt version.
#
#   TOLVANE_WINDOWS_CACHE   the cache folder (default: ~/.cache/tolvane-windows)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${TOLVANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tolvane-windows}
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)   # e.g. 6.4.2+dfsg-10
qt_version=${host_version%%+*}
prefix=$cache/qt-$qt_version-mingw64
stamp=$prefix/.tolvane-built

# What is built is named in the stamp, so a change of these options builds Qt again.
options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_openssl=OFF -DFEATURE_zstd=OFF
    # Debian's repacked source drops the tablet header that the windows plugin includes.
    -DFEATURE_tabletevent=OFF
    # With OpenGL off, Qt 6.4 still compiles its dynamic-GL path and fails.
    -DFEATURE_dynamicgl=OFF
    # One Windows platform plugin is enough. Without Direct2D, Qt 6.4 leaves the DirectWrite 3
    # font database out of QtGui but still links the windows plugin against it.
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
    # The bundled third-party code, so nothing comes from outside Debian's source.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
)
wanted="$qt_version ${options[*]} $(sha256sum "$root/cmake/mingw-w64-x86_64.cmake" | cut -c1-16)"

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
    echo "$prefix"
    exit 0
fi

{
    echo "Building Qt $qt_version for Windows into $prefix (once; later runs reuse it)."
    src=$cache/src
    mkdir -p "$src"
    if [ ! -d "$src/qtbase-$host_version" ]; then
        rm -rf "$src/unpack"
        mkdir -p "$src/unpack"
        (cd "$src/unpack" && apt-get source -qq --download-only "qt6-base=$host_version" &&
            dpkg-source -x -q ./*.dsc qtbase) >/dev/null
        mv "$src/unpack/qtbase" "$src/qtbase-$host_version"
        rm -rf "$src/unpack"
    fi
    build=$cache/build-qt-$qt_version
    rm -rf "$build" "$prefix"
    start=$(date +%s)
    cmake -S "$src/qtbase-$host_version" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$cache/configure-qt.log" 2>&1 ||
        { tail -40 "$cache/configure-qt.log"; exit 1; }
    cmake --build "$build" --parallel "$(nproc)" >"$cache/build-qt.log" 2>&1 ||
        { grep -A3 -E '^FAILED|error:' "$cache/build-qt.log" | head -60; exit 1; }
    cmake --install "$build" >/dev/null
    echo "$wanted" >"$stamp"
    rm -rf "$build"
    echo "Qt for Windows took $(($(date +%s) - start)) s to build."
} >&2
echo "$prefix"
